#include "platform/powercontrol.h"
#include "platform/systempowercontrol.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace {

// Errors that mean logind could not be asked at all, as opposed to logind (or the user) saying no.
bool LogindUnreachable(QDBusError::ErrorType type)
{
    switch (type) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
        return true;
    default:
        return false;
    }
}

bool RunSystemctlPowerOff()
{
    return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

// Asks systemd-logind to power off, letting polkit ask the user for a password where the policy wants one.
// The call is asynchronous: a password prompt must not freeze the countdown window. When logind is not
// there, `systemctl poweroff` is tried instead.
class LogindPowerControl final : public PowerControl
{
public:
    bool powerOff() override
    {
        if (PowerOffRefusedByEnvironment())
            return false;
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return RunSystemctlPowerOff();

        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        call << true; // interactive
        call.setInteractiveAuthorizationAllowed(true);
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [](QDBusPendingCallWatcher* done) {
            if (done->isError() && LogindUnreachable(done->error().type()))
                RunSystemctlPowerOff();
            done->deleteLater();
        });
        return true;
    }
};

} // namespace

PowerControl& SystemPowerControl()
{
    static LogindPowerControl logind;
    return logind;
}
