#pragma once

#include <functional>

// Process-wide crash handler. On a fatal signal (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) or
// an exception that no thread catches, it writes a report beside the executable (its full
// path + ".dmp", an older report replaced) and tells the user through a message shown by a
// separate process started from our own executable, because nothing of Qt may run inside a
// signal handler. The crashing process then ends with the original signal.
//
// Use: one CrashHandlerInstaller at namespace scope in the program, so it is in place before
// the QApplication exists, and CrashHandler::runMessageModeIfRequested() as the first
// statement of main().
class CrashHandlerInstaller
{
public:
    // Installs the handlers and keeps the previous ones.
    CrashHandlerInstaller();
    // Reinstates the previous handlers at normal exit.
    ~CrashHandlerInstaller();

    CrashHandlerInstaller(const CrashHandlerInstaller &) = delete;
    CrashHandlerInstaller &operator=(const CrashHandlerInstaller &) = delete;

    // False in the message process itself, where a crash must not start another message.
    bool isInstalled() const { return installed; }

private:
    bool installed = false;
};

namespace CrashHandler {

// The argument that starts our executable as the crash message process, followed by
// "ok" or "fail".
constexpr const char *messageArgument = "--waylume-crash-message";

// When the arguments ask for the crash message, shows it (a message box with its own
// QApplication; with the environment variable WAYLUME_CRASH_MESSAGE_FILE set, the caption
// and text are written to that file instead), stores the exit code and returns true; main()
// then returns that code. Otherwise returns false and does nothing. `prepare` runs once the
// application object exists and before the text is translated: the place to set the
// application's identity and install its translators.
bool runMessageModeIfRequested(int argc, char **argv, int *exitCode,
                               const std::function<void()> &prepare = {});

// The path the report is written to: the executable's full path + ".dmp". Empty before an
// installer exists or when the executable's path could not be read.
const char *dumpPath();

} // namespace CrashHandler
