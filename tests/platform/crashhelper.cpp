// A small program that crashes on request, for tst_crashhandler. It installs the handler as
// the player does: one installer at namespace scope, message mode checked first in main().
#include "platform/crashhandler.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

CrashHandlerInstaller crashHandler;

extern "C" __attribute__((noinline)) void waylumeFaultOnPurpose()
{
    volatile int *volatile pointer = nullptr;
    *pointer = 42;
}

// The sanitizer build would report the division itself instead of letting the CPU trap.
__attribute__((noinline, no_sanitize("undefined"))) int divideOnPurpose(int divisor)
{
    volatile int dividend = 7;
    return dividend / divisor;
}

__attribute__((noinline)) int recurseOnPurpose(int depth, int limit)
{
    volatile char frame[2048];
    frame[depth % sizeof(frame)] = char(depth);
    if (depth == limit)
        return frame[0];
    return recurseOnPurpose(depth + 1, limit) + frame[depth % sizeof(frame)];
}

int main(int argc, char **argv)
{
    int exitCode = 0;
    if (CrashHandler::runMessageModeIfRequested(argc, argv, &exitCode))
        return exitCode;
    if (argc < 2)
        return 2;
    const char *mode = argv[1];

    // As root, permission bits do not stop file creation; an unprivileged user they do.
    if (argc > 2 && std::strcmp(argv[2], "--as-nobody") == 0 && getuid() == 0) {
        const passwd *nobody = getpwnam("nobody");
        if (!nobody || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            return 3;
    }

    if (std::strcmp(mode, "segv") == 0) {
        // On the GUI thread, from inside the event loop.
        QCoreApplication app(argc, argv);
        QTimer::singleShot(0, [] { waylumeFaultOnPurpose(); });
        return app.exec();
    }
    if (std::strcmp(mode, "segv-thread") == 0) {
        std::thread([] { waylumeFaultOnPurpose(); }).join();
    } else if (std::strcmp(mode, "throw-thread") == 0) {
        std::thread([] { throw std::runtime_error("camera disconnected"); }).join();
    } else if (std::strcmp(mode, "abort") == 0) {
        std::abort();
    } else if (std::strcmp(mode, "fpe") == 0) {
        return divideOnPurpose(argc - 2);
    } else if (std::strcmp(mode, "overflow") == 0) {
        return recurseOnPurpose(0, argc > 1000 ? 1 : 1 << 30);
    } else if (std::strcmp(mode, "exit") == 0) {
        return 0;
    }
    return 2;
}
