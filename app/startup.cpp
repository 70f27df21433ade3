#include "app/startup.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *window, std::function<void()> action, int fallbackMs)
        : QObject(window), window(window), action(std::move(action))
    {
        window->installEventFilter(this);
        QTimer::singleShot(fallbackMs, this, &FirstPaintWatcher::run);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The paint event is seen before the window paints; the action waits until the
        // painting has been done and sent to the screen.
        if (watched == window && event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstPaintWatcher::run);
        }
        return false;
    }

private:
    void run()
    {
        if (!action)
            return;
        window->removeEventFilter(this);
        const std::function<void()> once = std::move(action);
        action = nullptr;
        deleteLater();
        once();
    }

    QWidget *window;
    std::function<void()> action;
};

} // namespace

const char *const ApplicationIdentity::baseName = "Waylume";
const char *const ApplicationIdentity::version = "2.50";
const char *const ArgumentArray::engineArgument = "--disable-web-security";

QString ApplicationIdentity::applicationName()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(baseName), QLatin1String(version));
}

void ApplicationIdentity::apply()
{
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setOrganizationName(tr("Quorvix"));
    QCoreApplication::setApplicationVersion(QLatin1String(version));
}

QString ApplicationIdentity::keepAwakeReason()
{
    return tr("Playing dash-camera recordings");
}

ArgumentArray::ArgumentArray(int argc, char **argv)
    : argumentCount(argc < 0 ? 1 : argc + 1), array(new char *[argumentCount + 1])
{
    for (int i = 0; i < argumentCount - 1; ++i)
        array[i] = argv[i];
    // QApplication never writes through its argument pointers, only reorders them.
    array[argumentCount - 1] = const_cast<char *>(engineArgument);
    array[argumentCount] = nullptr;
}

void runAfterFirstPaint(QWidget *window, std::function<void()> action, int fallbackMs)
{
    new FirstPaintWatcher(window, std::move(action), fallbackMs);
}
