#include "app/commandline.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The installed player as a shell or a packaging tool runs it: no display at all, a home
// of its own, and the language the environment asks for.
Run runPlayer(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"))
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LANG",
                             "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("LC_ALL"), locale);
    QProcess player;
    player.setProcessEnvironment(env);
    player.start(QStringLiteral(WAYLUME_PLAYER), arguments);
    Run run;
    if (!player.waitForFinished(20000)) {
        player.kill();
        player.waitForFinished();
        return run;
    }
    run.exitCode = player.exitStatus() == QProcess::NormalExit ? player.exitCode() : -1;
    run.out = QString::fromUtf8(player.readAllStandardOutput());
    run.err = QString::fromUtf8(player.readAllStandardError());
    return run;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheTwoOptionsAskForInformation_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("asks");
        QTest::newRow("nothing") << QStringList{} << false;
        QTest::newRow("folder") << QStringList{"/media/card"} << false;
        QTest::newRow("--version") << QStringList{"--version"} << true;
        QTest::newRow("-v after a folder") << QStringList{"/media/card", "-v"} << true;
        QTest::newRow("--help") << QStringList{"--help"} << true;
        QTest::newRow("-h") << QStringList{"-h"} << true;
        // Qt's and the web engine's options are no letters of ours.
        QTest::newRow("Qt option") << QStringList{"-platform", "offscreen"} << false;
        QTest::newRow("-reverse") << QStringList{"-reverse"} << false;
        QTest::newRow("engine option") << QStringList{"--disable-web-security"} << false;
        QTest::newRow("a path after --") << QStringList{"--", "--help"} << false;
    }

    void onlyTheTwoOptionsAskForInformation()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, asks);
        QCOMPARE(CommandLine::asksForInformation(QStringList{"waylume"} + arguments), asks);
    }

    void versionAndHelpNeedNoDisplay()
    {
        const Run version = runPlayer({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("Waylume 2.50\n"));
        QCOMPARE(version.err, QString());
        QCOMPARE(runPlayer({"-platform", "xcb", "-v"}).out, version.out);

        const Run help = runPlayer({"--help"});
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QVERIFY2(help.out.contains(QRegularExpression("^Usage: \\S*waylume \\[options\\] \\[FOLDER \\| FILE\\]\\n")),
                 qPrintable(help.out));
        for (const char *expected : {"-h, --help", "-v, --version", "Print the version and exit.",
                                     "A folder of recordings, or one recording, to open."})
            QVERIFY2(help.out.contains(QLatin1String(expected)), expected);
        QCOMPARE(runPlayer({"-h"}).out, help.out);
    }

    void helpSpeaksTheUsersLanguage()
    {
        const Run help = runPlayer({"--help"}, QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains(QStringLiteral("Version")), qPrintable(help.out));
        QVERIFY2(!help.out.contains(QStringLiteral("Print the version and exit.")),
                 qPrintable(help.out));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
