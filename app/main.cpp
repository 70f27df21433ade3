#include "app/applicationfont.h"
#include "app/commandline.h"
#include "app/mainwindows.h"
#include "app/startup.h"
#include "parser/cgpsutils.h"
#include "parser/parserobject.h"
#include "platform/crashhandler.h"
#include "platform/fileurl.h"
#include "platform/keepawake.h"
#include "platform/websandbox.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLoggingCategory>
#include <QTextCodec>
#include <cstdio>

namespace {

// In place before main() runs, so that a crash during start-up still leaves a report.
CrashHandlerInstaller crashHandlerInstaller;

// A deliberate addition: a folder named on the command line is opened like "Open Folder"
// would, and a recording (the desktop's "Open With") is added and played as a dropped file
// is, so that a card can be played straight from a shell or a file manager. Options
// (leading '-') belong to Qt and are not ours.
QString pathArgument(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        // A path that does not exist is kept, so that the window can say so.
        return QFileInfo(argument).absoluteFilePath();
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // The crash message process is our own executable; it must not start a player.
    int messageExitCode = 0;
    const auto prepareMessage = [] {
        ApplicationIdentity::apply();
        Configuration *store = Configuration::instance();
        store->setLanguage(store->language());
    };
    if (CrashHandler::runMessageModeIfRequested(argc, argv, &messageExitCode, prepareMessage))
        return messageExitCode;

    // --help and --version answer on a machine without a display too, so no QApplication.
    QStringList argumentList;
    for (int i = 0; i < argc; ++i)
        argumentList << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::asksForInformation(argumentList)) {
        QCoreApplication core(argc, argv);
        // The store's language choice logs what it found; the answer is all that is printed.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        prepareMessage();
        fputs(CommandLine::information(QCoreApplication::arguments()).toUtf8().constData(), stdout);
        return 0;
    }

    // Read by the web engine when it starts, so it has to be in place before QApplication.
    WebSandbox::disableWhenRoot();
    ArgumentArray arguments(argc, argv);
    QApplication app(arguments.count(), arguments.values());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":image/logo.png")));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QApplication::setFont(QFont(QStringLiteral("Calibri"), 11));
    ApplicationIdentity::apply();

    Configuration *store = Configuration::instance();
    store->setLanguage(store->language());

    // The session bus needs the application object, and the reason shown by the desktop is
    // translated, so the inhibition starts here rather than first thing; it holds until the
    // process ends.
    const std::unique_ptr<KeepAwake> keepAwake = KeepAwake::create();
    keepAwake->inhibit(ApplicationIdentity::keepAwakeReason());

    // The utility object must exist before any parse job can call its wait() from a pool
    // thread; its creation is not guarded.
    CGPSUtils::instance();
    ParserObject::setParseDelayMs(store->parseDelayMs());
    ApplicationFont::install(ApplicationFont::defaultPath());

    MainWindows window(nullptr);
    app.installNativeEventFilter(&window);
    window.show();
    const QString path = pathArgument(QApplication::arguments());
    // Once the window has been painted: the first recording creates the media players, which
    // takes a while. A folder is not remembered as the dialog's start folder.
    // A path that does not exist is opened as a folder too, so that the window says so.
    if (!path.isEmpty() && (QFileInfo(path).isDir() || !QFileInfo::exists(path)))
        runAfterFirstPaint(&window, [&window, path] { window.openFolder(path); });
    else if (!path.isEmpty())
        runAfterFirstPaint(&window, [&window, path] {
            window.onDropFile(FileUrl::fromLocalPath(path), 0);
        });
    const int exitCode = app.exec();
    app.removeNativeEventFilter(&window);
    return exitCode;
}
