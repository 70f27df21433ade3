// Linux: the desktop's screen saver on the session bus and logind's sleep inhibitor on the
// system bus. Both inhibitions end when their connection closes (the cookie belongs to the
// connection, the inhibitor lock is the file descriptor logind hands back), so the
// connections and the descriptor are kept open for the life of this object.
#include "platform/keepawake.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDebug>
#include <QFileInfo>
#include <QStringList>
#include <atomic>
#include <functional>

namespace {

QString sessionBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString runtimeBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QFileInfo::exists(runtimeBus))
        return QStringLiteral("unix:path=") + runtimeBus;
    return {};
}

QString systemBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString socket = QStringLiteral("/var/run/dbus/system_bus_socket");
    return QFileInfo::exists(socket) ? QStringLiteral("unix:path=") + socket : QString();
}

class LinuxKeepAwake : public KeepAwake
{
public:
    LinuxKeepAwake()
    {
        static std::atomic<int> instances{0};
        const int id = ++instances;
        sessionName = QStringLiteral("waylume-keepawake-session-%1").arg(id);
        systemName = QStringLiteral("waylume-keepawake-system-%1").arg(id);
    }

    ~LinuxKeepAwake() override
    {
        // Closing the connections releases the screen saver cookie; the descriptor member
        // closes logind's lock.
        if (sessionOpen)
            QDBusConnection::disconnectFromBus(sessionName);
        if (systemOpen)
            QDBusConnection::disconnectFromBus(systemName);
    }

    void inhibit(const QString &reason) override
    {
        const QString application = QCoreApplication::applicationName();
        QStringList missing;

        const QString sessionAddress = sessionBusAddress();
        if (!sessionAddress.isEmpty()) {
            QDBusConnection session = QDBusConnection::connectToBus(sessionAddress, sessionName);
            sessionOpen = true;
            if (session.isConnected())
                inhibitScreenSaver(session, application, reason);
            else
                missing << QStringLiteral("session bus (") + session.lastError().message() + ')';
        } else {
            missing << QStringLiteral("session bus");
        }

        const QString systemAddress = systemBusAddress();
        if (!systemAddress.isEmpty()) {
            QDBusConnection system = QDBusConnection::connectToBus(systemAddress, systemName);
            systemOpen = true;
            if (system.isConnected()) {
                QDBusMessage call = QDBusMessage::createMethodCall(
                    QStringLiteral("org.freedesktop.login1"),
                    QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
                call << QStringLiteral("sleep:idle") << application << reason
                     << QStringLiteral("block");
                watch(system.asyncCall(call), QStringLiteral("org.freedesktop.login1"), {});
            } else {
                missing << QStringLiteral("system bus (") + system.lastError().message() + ')';
            }
        } else {
            missing << QStringLiteral("system bus");
        }

        if (!missing.isEmpty())
            qInfo().noquote() << "KeepAwake no" << missing.join(QStringLiteral(", "))
                              << "- screen saver and sleep are left as they are";
    }

    int activeInhibitors() const override { return accepted; }

private:
    void inhibitScreenSaver(const QDBusConnection &session, const QString &application,
                            const QString &reason)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
        call << application << reason;
        // GNOME offers the screen saver's name without its Inhibit; its session manager
        // takes the request instead (flags: 4 suspend, 8 idle).
        watch(session.asyncCall(call), QStringLiteral("org.freedesktop.ScreenSaver"),
              [this, session, application, reason] {
                  QDBusMessage gnome = QDBusMessage::createMethodCall(
                      QStringLiteral("org.gnome.SessionManager"),
                      QStringLiteral("/org/gnome/SessionManager"),
                      QStringLiteral("org.gnome.SessionManager"), QStringLiteral("Inhibit"));
                  gnome << application << 0u << reason << 12u;
                  watch(session.asyncCall(gnome), QStringLiteral("org.gnome.SessionManager"), {});
              });
    }

    void watch(const QDBusPendingCall &call, const QString &service, std::function<void()> fallback)
    {
        auto *watcher = new QDBusPendingCallWatcher(call, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, service, fallback](QDBusPendingCallWatcher *finished) {
                    finished->deleteLater();
                    const QDBusMessage reply = finished->reply();
                    if (reply.type() != QDBusMessage::ReplyMessage) {
                        qInfo().noquote()
                            << "KeepAwake" << service << "refused:" << reply.errorMessage();
                        emit inhibitorFailed(service, reply.errorMessage());
                        if (fallback)
                            fallback();
                        return;
                    }
                    const QVariant first =
                        reply.arguments().isEmpty() ? QVariant() : reply.arguments().first();
                    if (first.canConvert<QDBusUnixFileDescriptor>())
                        sleepLock = first.value<QDBusUnixFileDescriptor>();
                    ++accepted;
                    emit inhibitorAccepted(service);
                });
    }

    QString sessionName;
    QString systemName;
    bool sessionOpen = false;
    bool systemOpen = false;
    int accepted = 0;
    QDBusUnixFileDescriptor sleepLock;
};

} // namespace

std::unique_ptr<KeepAwake> KeepAwake::create()
{
    return std::make_unique<LinuxKeepAwake>();
}
