#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Keeps the display on and the machine awake while the player runs, so that neither the
// screen saver nor suspend interrupts a recording. One implementation per system.
class KeepAwake : public QObject
{
    Q_OBJECT

public:
    // The running system's implementation. The inhibition lasts as long as the object, which
    // the caller owns (no Qt parent).
    static std::unique_ptr<KeepAwake> create();

    ~KeepAwake() override;

    // Asks the system not to blank the screen nor to sleep, naming the application
    // (QCoreApplication::applicationName()) and `reason`. Never blocks on the system and
    // never fails the caller: where the service is missing it logs one line.
    virtual void inhibit(const QString &reason) = 0;

    // How many of the system's inhibitors accepted the request so far.
    virtual int activeInhibitors() const = 0;

signals:
    // One inhibitor accepted (`service` names it) or refused the request.
    void inhibitorAccepted(const QString &service);
    void inhibitorFailed(const QString &service, const QString &error);

protected:
    KeepAwake();
};
