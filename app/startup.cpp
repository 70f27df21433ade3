#include "app/startup.h"

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
