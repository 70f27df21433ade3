#include <QApplication>
#include <QWidget>

// Placeholder entry point; the application shell replaces it.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Waylume 2.50"));
    w.show();
    return app.exec();
}
