#include "platform/crashhandler.h"

CrashHandlerInstaller::CrashHandlerInstaller() {}

CrashHandlerInstaller::~CrashHandlerInstaller() {}

namespace CrashHandler {

bool runMessageModeIfRequested(int, char **, int *)
{
    return false;
}

const char *dumpPath()
{
    return "";
}

} // namespace CrashHandler
