#include "platform/keepawake.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Stand-ins for the desktop's screen saver and logind, served on a private bus.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls;

public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        calls << application << reason;
        return 17;
    }
};

class FakeLogin : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    QStringList calls;
    int lockReadEnd = -1;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                    const QString &mode)
    {
        calls << what << who << why << mode;
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return {};
        lockReadEnd = fds[0];
        QDBusUnixFileDescriptor lock(fds[1]); // duplicates
        ::close(fds[1]);
        return lock;
    }
};

class FakeGnomeSession : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SessionManager")

public:
    QVariantList calls;

public slots:
    uint Inhibit(const QString &application, uint toplevel, const QString &reason, uint flags)
    {
        calls << application << toplevel << reason << flags;
        return 5;
    }
};

class TestKeepAwake : public QObject
{
    Q_OBJECT

private:
    qint64 daemonPid = 0;
    QString address;

    // True while someone still holds the write end of the fake lock.
    static bool lockHeld(int readEnd)
    {
        pollfd poller{readEnd, POLLIN, 0};
        return ::poll(&poller, 1, 0) == 0;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName("Waylume 2.50");
        QProcess daemon;
        daemon.start("dbus-daemon", {"--session", "--print-address=1", "--print-pid=1", "--fork"});
        QVERIFY(daemon.waitForFinished(20000));
        const QList<QByteArray> lines = daemon.readAllStandardOutput().split('\n');
        QVERIFY(lines.size() >= 2);
        address = QString::fromUtf8(lines.at(0).trimmed());
        daemonPid = lines.at(1).trimmed().toLongLong();
        QVERIFY(!address.isEmpty() && daemonPid > 0);
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("fake-services");
        if (daemonPid > 0)
            ::kill(pid_t(daemonPid), SIGTERM);
    }

    void withoutBusGoesOn()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/waylume-session");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/waylume-system");
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^KeepAwake no session bus.*system bus"));
        auto keepAwake = KeepAwake::create();
        QSignalSpy accepted(keepAwake.get(), &KeepAwake::inhibitorAccepted);
        keepAwake->inhibit("Playing a recording");
        QTest::qWait(100);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(keepAwake->activeInhibitors(), 0);
    }

    void inhibitsScreenSaverAndSleep()
    {
        QDBusConnection services = QDBusConnection::connectToBus(address, "fake-services");
        QVERIFY(services.isConnected());
        FakeScreenSaver screenSaver;
        FakeLogin login;
        QVERIFY(services.registerObject("/org/freedesktop/ScreenSaver", &screenSaver,
                                        QDBusConnection::ExportAllSlots));
        QVERIFY(services.registerObject("/org/freedesktop/login1", &login,
                                        QDBusConnection::ExportAllSlots));
        QVERIFY(services.registerService("org.freedesktop.ScreenSaver"));
        QVERIFY(services.registerService("org.freedesktop.login1"));

        // One private bus stands in for both the session and the system bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
        auto keepAwake = KeepAwake::create();
        QSignalSpy accepted(keepAwake.get(), &KeepAwake::inhibitorAccepted);
        keepAwake->inhibit("Playing a recording");
        QTRY_COMPARE(accepted.count(), 2);
        QCOMPARE(keepAwake->activeInhibitors(), 2);
        QCOMPARE(screenSaver.calls, QStringList({"Waylume 2.50", "Playing a recording"}));
        QCOMPARE(login.calls,
                 QStringList({"sleep:idle", "Waylume 2.50", "Playing a recording", "block"}));

        // logind's lock lasts exactly as long as the object.
        QVERIFY(login.lockReadEnd >= 0);
        QVERIFY(lockHeld(login.lockReadEnd));
        keepAwake.reset();
        QVERIFY(!lockHeld(login.lockReadEnd));
        ::close(login.lockReadEnd);

        services.unregisterService("org.freedesktop.ScreenSaver");
        services.unregisterService("org.freedesktop.login1");
        services.unregisterObject("/org/freedesktop/ScreenSaver");
        services.unregisterObject("/org/freedesktop/login1");
    }

    void missingServiceIsReportedNotFatal()
    {
        // A bus without a screen saver nor logind (a bare window manager session).
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
        auto keepAwake = KeepAwake::create();
        QSignalSpy failed(keepAwake.get(), &KeepAwake::inhibitorFailed);
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^KeepAwake org.freedesktop.ScreenSaver refused"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^KeepAwake org.gnome.SessionManager refused"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^KeepAwake org.freedesktop.login1 refused"));
        keepAwake->inhibit("Playing a recording");
        QTRY_COMPARE(failed.count(), 3);
        QCOMPARE(keepAwake->activeInhibitors(), 0);
    }

    void gnomeSessionTakesOverWithoutScreenSaverInhibit()
    {
        QDBusConnection services = QDBusConnection::connectToBus(address, "fake-services");
        FakeGnomeSession gnome;
        QVERIFY(services.registerObject("/org/gnome/SessionManager", &gnome,
                                        QDBusConnection::ExportAllSlots));
        QVERIFY(services.registerService("org.gnome.SessionManager"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/waylume-system");
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^KeepAwake no system bus"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^KeepAwake org.freedesktop.ScreenSaver refused"));
        auto keepAwake = KeepAwake::create();
        QSignalSpy accepted(keepAwake.get(), &KeepAwake::inhibitorAccepted);
        keepAwake->inhibit("Playing a recording");
        QTRY_COMPARE(accepted.count(), 1);
        QCOMPARE(accepted.first().first().toString(), QString("org.gnome.SessionManager"));
        QCOMPARE(gnome.calls, QVariantList({"Waylume 2.50", 0u, "Playing a recording", 12u}));
        services.unregisterService("org.gnome.SessionManager");
        services.unregisterObject("/org/gnome/SessionManager");
    }
};

QTEST_GUILESS_MAIN(TestKeepAwake)
#include "tst_keepawake.moc"
