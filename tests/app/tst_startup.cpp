#include "app/applicationfont.h"
#include "app/fontscale.h"
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QtTest>

// The application object of this test is built from an ArgumentArray, as main() builds it.
class TestStartup : public QObject
{
    Q_OBJECT

public:
    explicit TestStartup(QStringList processArguments)
        : processArguments(std::move(processArguments))
    {
    }

private slots:
    void argumentsReachQtWithEngineFlag();
    void argumentArrayIsTerminated();
    void identity();
    void startupFontTable_data();
    void startupFontTable();
    void windowFontTable_data();
    void windowFontTable();
    void fontFileInstall();
    void actionAfterFirstPaint();

private:
    QStringList processArguments;
};

void TestStartup::argumentsReachQtWithEngineFlag()
{
    QCOMPARE(QCoreApplication::arguments(),
             processArguments + QStringList{QStringLiteral("--disable-web-security")});
}

void TestStartup::argumentArrayIsTerminated()
{
    char a[] = "waylume", b[] = "/media/card", c[] = "-x";
    char *argv[] = {a, b, c, nullptr};
    ArgumentArray array(3, argv);
    QCOMPARE(array.count(), 4);
    QCOMPARE(array.values()[0], a);
    QCOMPARE(array.values()[2], c);
    QCOMPARE(QByteArray(array.values()[3]), QByteArray("--disable-web-security"));
    QCOMPARE(array.values()[4], nullptr);
}

void TestStartup::identity()
{
    ApplicationIdentity::apply();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Waylume 2.50"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.50"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Quorvix"));
}

void TestStartup::startupFontTable_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<int>("points");
    QTest::newRow("96") << 96.0 << 12;
    QTest::newRow("105 (just below 1.1)") << 105.0 << 12;
    QTest::newRow("120") << 120.0 << 11;
    QTest::newRow("144") << 144.0 << 8;
    QTest::newRow("192") << 192.0 << 7;
    QTest::newRow("240 (exactly 2.5)") << 240.0 << 6;
    QTest::newRow("288") << 288.0 << 6;
}

void TestStartup::startupFontTable()
{
    QFETCH(qreal, dpi);
    QFETCH(int, points);
    QCOMPARE(FontScale::startupPointSize(dpi / 96.0), points);
    QCOMPARE(FontScale::startupPointSize(std::nullopt), 12);
}

void TestStartup::windowFontTable_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<int>("points");
    QTest::addColumn<qreal>("step");
    QTest::addColumn<bool>("fileNameFollows");
    QTest::newRow("96") << 96.0 << 11 << 1.0 << true;
    QTest::newRow("120") << 120.0 << 10 << 1.25 << true;
    QTest::newRow("144") << 144.0 << 9 << 1.5 << true;
    QTest::newRow("168") << 168.0 << 8 << 1.75 << false;
    QTest::newRow("192") << 192.0 << 6 << 2.0 << false;
    QTest::newRow("288") << 288.0 << 5 << 3.0 << false;
    QTest::newRow("384") << 384.0 << 4 << 3.5 << false;
}

void TestStartup::windowFontTable()
{
    QFETCH(qreal, dpi);
    QFETCH(int, points);
    QFETCH(qreal, step);
    QFETCH(bool, fileNameFollows);
    const FontScale::SystemFont font = FontScale::systemFont(dpi / 96.0);
    QCOMPARE(font.pointSize, points);
    QCOMPARE(font.scaleStep, step);
    QCOMPARE(FontScale::fileNameLabelFollows(font.scaleStep), fileNameFollows);
    QCOMPARE(FontScale::systemFont(std::nullopt).pointSize, 11);
}

void TestStartup::fontFileInstall()
{
    const QFont before(QStringLiteral("Calibri"), 11);
    QApplication::setFont(before);
    QVERIFY(!ApplicationFont::install(QStringLiteral(WAYLUME_BIN_DIR "/resources/fonts/none.ttf")));
    QCOMPARE(QApplication::font(), before);

    QVERIFY(ApplicationFont::install(
        QStringLiteral(WAYLUME_BIN_DIR "/resources/fonts/wqy-microhei.ttf")));
    QCOMPARE(QApplication::font().family(), QStringLiteral("WenQuanYi Micro Hei"));
    QCOMPARE(QApplication::font().pointSize(),
             FontScale::startupPointSize(ApplicationFont::desktopDpiFactor()));
}

// The folder from the command line is opened after the window's first paint, once; a
// window that is never painted still gets it after the fallback time.
void TestStartup::actionAfterFirstPaint()
{
    class PaintCounter : public QWidget
    {
    public:
        int paints = 0;

    protected:
        void paintEvent(QPaintEvent *) override { ++paints; }
    };
    PaintCounter window;
    int paintsBeforeAction = -1;
    int runs = 0;
    runAfterFirstPaint(&window, [&] {
        paintsBeforeAction = window.paints;
        ++runs;
    });
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);
    window.show();
    QTRY_COMPARE(runs, 1);
    QCOMPARE(paintsBeforeAction, 1);
    window.update();
    QTest::qWait(50);
    QCOMPARE(runs, 1);

    QWidget hidden;
    bool ran = false;
    runAfterFirstPaint(
        &hidden, [&] { ran = true; }, 20);
    QTRY_VERIFY(ran);
}

int main(int argc, char **argv)
{
    QStringList processArguments;
    for (int i = 0; i < argc; ++i)
        processArguments << QString::fromLocal8Bit(argv[i]);
    ArgumentArray arguments(argc, argv);
    QApplication app(arguments.count(), arguments.values());
    TestStartup test(processArguments);
    // QtTest must not see the engine flag as one of its own options.
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
