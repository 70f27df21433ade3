// The crash message process: our own executable started by the crash handler with
// CrashHandler::messageArgument. It runs in a fresh process, so Qt is safe to use here.
#include "platform/crashhandler.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class CrashMessage
{
    Q_DECLARE_TR_FUNCTIONS(CrashMessage)

public:
    static QString caption() { return QString::fromUtf8("提示"); }

    static QString text(bool written)
    {
        return written ? tr("The program encounters an unhandled exception, the MiniDump file "
                            "has been generated in the program's running directory")
                       : tr("The program encountered an unhandled exception that caused the "
                            "MiniDump file to fail");
    }
};

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

namespace CrashHandler {

bool runMessageModeIfRequested(int argc, char **argv, int *exitCode,
                               const std::function<void()> &prepare)
{
    int found = -1;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] && std::strcmp(argv[i], messageArgument) == 0)
            found = i;
    }
    if (found < 0)
        return false;
    const bool written = found + 1 < argc && std::strcmp(argv[found + 1], "ok") == 0;
    *exitCode = 0;

    const QString messageFile = qEnvironmentVariable("WAYLUME_CRASH_MESSAGE_FILE");
    const bool showBox = messageFile.isEmpty() && hasDisplay();
    std::unique_ptr<QCoreApplication> app;
    if (showBox)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (prepare)
        prepare();

    const QString caption = CrashMessage::caption();
    const QString text = CrashMessage::text(written);
    if (!messageFile.isEmpty()) {
        QFile file(messageFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write((caption + '\n' + text + '\n').toUtf8()) < 0) {
            *exitCode = 1;
        }
        return true;
    }
    // Without a display the terminal is the only place left to tell.
    std::fprintf(stderr, "%s: %s\n", caption.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    if (showBox) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
        box.exec();
    }
    return true;
}

} // namespace CrashHandler
