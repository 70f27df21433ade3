#include "platform/crashhandler.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString successText = QStringLiteral(
    "The program encounters an unhandled exception, the MiniDump file has been generated in "
    "the program's running directory");
const QString failureText = QStringLiteral(
    "The program encountered an unhandled exception that caused the MiniDump file to fail");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void sentinelHandler(int) {}
void sentinelTerminate()
{
    std::abort();
}

struct Run
{
    QProcess::ExitStatus status;
    int code;
    QString message;
};

} // namespace

class TestCrashHandler : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir work;
    QString programDir;
    QString program;
    QString messageFile;

    Run runHelper(const QString &executable, const QStringList &arguments)
    {
        QFile::remove(messageFile);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WAYLUME_CRASH_MESSAGE_FILE", messageFile);
        // Keep the sanitizers' own reports out of the way of ours.
        env.insert("ASAN_OPTIONS", "detect_leaks=0:handle_segv=0:handle_abort=0:handle_sigfpe=0:"
                                   "handle_sigill=0:handle_sigbus=0");
        process.setProcessEnvironment(env);
        process.start(executable, arguments);
        if (!process.waitForFinished(60000))
            process.kill();
        return {process.exitStatus(), process.exitCode(), QString::fromUtf8(readAll(messageFile))};
    }

    static QString copyProgram(const QString &dir)
    {
        const QString target = dir + "/waylume crash helper";
        QFile::remove(target);
        QFile::copy(QStringLiteral(CRASH_HELPER_PATH), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                          QFile::ExeGroup);
        return target;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        // Readable by the unprivileged user of the failure case.
        chmod(QFile::encodeName(work.path()).constData(), 0755);
        programDir = work.path() + "/program";
        QVERIFY(QDir().mkpath(programDir));
        program = copyProgram(programDir);
        const QString messageDir = work.path() + "/messages";
        QVERIFY(QDir().mkpath(messageDir));
        chmod(QFile::encodeName(messageDir).constData(), 0777);
        messageFile = messageDir + "/message.txt";
    }

    void installerRestoresPreviousHandlers()
    {
        struct sigaction sentinel = {};
        sentinel.sa_handler = sentinelHandler;
        struct sigaction saved[2];
        sigaction(SIGSEGV, &sentinel, &saved[0]);
        sigaction(SIGABRT, &sentinel, &saved[1]);
        const std::terminate_handler savedTerminate = std::set_terminate(sentinelTerminate);
        {
            CrashHandlerInstaller installer;
            QVERIFY(installer.isInstalled());
            {
                // A second one stays out of the way and must not restore anything.
                CrashHandlerInstaller second;
                QVERIFY(!second.isInstalled());
            }
            struct sigaction now = {};
            sigaction(SIGSEGV, nullptr, &now);
            QVERIFY(now.sa_handler != sentinelHandler);
            QVERIFY(now.sa_flags & SA_ONSTACK);
            QVERIFY(std::get_terminate() != sentinelTerminate);
            QCOMPARE(QString::fromLocal8Bit(CrashHandler::dumpPath()),
                     QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath() +
                         ".dmp");
        }
        struct sigaction after = {};
        sigaction(SIGSEGV, nullptr, &after);
        QVERIFY(after.sa_handler == sentinelHandler);
        sigaction(SIGABRT, nullptr, &after);
        QVERIFY(after.sa_handler == sentinelHandler);
        QVERIFY(std::get_terminate() == sentinelTerminate);
        sigaction(SIGSEGV, &saved[0], nullptr);
        sigaction(SIGABRT, &saved[1], nullptr);
        std::set_terminate(savedTerminate);
    }

    void crashWritesReport_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("workerThread");
        QTest::addColumn<QString>("expected");
        QTest::newRow("segv on the GUI thread")
            << "segv" << SIGSEGV << false << "Signal: 11 (SIGSEGV)\nCode: 1 (SEGV_MAPERR)";
        QTest::newRow("segv on a worker thread")
            << "segv-thread" << SIGSEGV << true << "Signal: 11 (SIGSEGV)";
        QTest::newRow("uncaught exception on a worker thread")
            << "throw-thread" << SIGABRT << true
            << "Exception: std::runtime_error: camera disconnected";
        QTest::newRow("abort") << "abort" << SIGABRT << false << "Signal: 6 (SIGABRT)";
        QTest::newRow("division by zero") << "fpe" << SIGFPE << false << "(FPE_INTDIV)";
        QTest::newRow("stack overflow") << "overflow" << SIGSEGV << false << "(SIGSEGV)";
    }

    void crashWritesReport()
    {
        QFETCH(QString, mode);
        QFETCH(int, signal);
        QFETCH(bool, workerThread);
        QFETCH(QString, expected);

        const QString dump = program + ".dmp";
        const Run run = runHelper(program, {mode});
        QCOMPARE(run.status, QProcess::CrashExit);
        QCOMPARE(run.code, signal);
        QCOMPARE(run.message, QString::fromUtf8("提示\n") + successText + "\n");

        const QString report = QString::fromUtf8(readAll(dump));
        QVERIFY2(report.contains(expected), qPrintable(report.left(2000)));
        QVERIFY(report.contains("Executable: " + program + "\n"));
        const QRegularExpressionMatch process =
            QRegularExpression("Process: (\\d+)\nThread: (\\d+)").match(report);
        QVERIFY(process.hasMatch());
        QCOMPARE(process.captured(1) != process.captured(2), workerThread);
        QVERIFY(report.contains(QRegularExpression("Address: 0x[0-9a-f]{16}\n")));

        const int backtrace = report.indexOf("\nBacktrace:\n");
        const int modules = report.indexOf("\nModules:\n");
        QVERIFY(backtrace > 0 && modules > backtrace);
        if (mode.startsWith("segv"))
            QVERIFY(report.mid(backtrace, modules - backtrace).contains("waylumeFaultOnPurpose"));
        // The module map names our executable and the C library.
        const QString map = report.mid(modules);
        QVERIFY(map.contains(program));
        QVERIFY(map.contains("libc"));
    }

    void secondCrashReplacesReport()
    {
        const QString dump = program + ".dmp";
        runHelper(program, {"overflow"});
        const QByteArray first = readAll(dump);
        QVERIFY(first.contains("SIGSEGV"));
        const Run run = runHelper(program, {"abort"});
        QCOMPARE(run.code, SIGABRT);
        const QByteArray second = readAll(dump);
        QVERIFY(second.contains("Signal: 6 (SIGABRT)"));
        QVERIFY(!second.contains("SIGSEGV"));
    }

    void unwritableFolderGivesFailureMessage()
    {
        const QString lockedDir = work.path() + "/locked";
        QVERIFY(QDir().mkpath(lockedDir));
        const QString locked = copyProgram(lockedDir);
        QVERIFY(chmod(QFile::encodeName(lockedDir).constData(), 0555) == 0);
        // Root ignores permission bits; the helper drops to an unprivileged user first.
        const Run run = runHelper(locked, {"segv-thread", "--as-nobody"});
        chmod(QFile::encodeName(lockedDir).constData(), 0755);
        QCOMPARE(run.status, QProcess::CrashExit);
        QCOMPARE(run.code, SIGSEGV);
        QCOMPARE(run.message, QString::fromUtf8("提示\n") + failureText + "\n");
        QVERIFY(!QFile::exists(locked + ".dmp"));
    }

    void normalExitLeavesNoReport()
    {
        QFile::remove(program + ".dmp");
        const Run run = runHelper(program, {"exit"});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.code, 0);
        QVERIFY(run.message.isEmpty());
        QVERIFY(!QFile::exists(program + ".dmp"));
    }
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
