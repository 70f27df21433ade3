#include "platform/websandbox.h"

#include <QByteArray>
#include <QDebug>
#include <unistd.h>

namespace WebSandbox {

bool disableWhenRoot()
{
    if (geteuid() != 0)
        return false;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    qInfo() << "Running as root: the web engine's sandbox is disabled";
    return true;
}

} // namespace WebSandbox
