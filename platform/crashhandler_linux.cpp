// Linux: fatal signals and std::terminate. Everything that runs after a crash is limited to
// async-signal-safe calls on memory prepared at install time: no allocation, no locks, no
// stdio, no Qt.
#include "platform/crashhandler.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <typeinfo>
#include <ucontext.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int crashSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int signalCount = sizeof(crashSignals) / sizeof(crashSignals[0]);

struct sigaction previousActions[signalCount];
std::terminate_handler previousTerminate = nullptr;
stack_t previousAltStack;
bool altStackInstalled = false;
// Big enough for the unwinder and our own frames after the thread's stack overflowed.
alignas(16) char altStack[128 * 1024];

char exePath[PATH_MAX];
char dumpFile[PATH_MAX + 8];
bool pathsKnown = false;
char messageArg[] = "--waylume-crash-message";
char okArg[] = "ok";
char failArg[] = "fail";

std::atomic<bool> handling{false};
// The saved previous handlers exist once: a second installer would save ours as "previous".
bool installerActive = false;
static_assert(std::atomic<bool>::is_always_lock_free, "used inside signal handlers");

char exceptionText[1024];

// Writes to a descriptor and remembers whether every write went through.
struct Writer
{
    int fd;
    bool ok = true;

    void bytes(const char *data, size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                ok = false;
                return;
            }
            data += written;
            size -= size_t(written);
        }
    }
    void str(const char *text) { bytes(text, strlen(text)); }
    void dec(long long value)
    {
        char buffer[24];
        char *p = buffer + sizeof(buffer);
        const bool negative = value < 0;
        unsigned long long magnitude =
            negative ? 0ULL - (unsigned long long)value : (unsigned long long)value;
        do {
            *--p = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative)
            *--p = '-';
        bytes(p, size_t(buffer + sizeof(buffer) - p));
    }
    void hex(unsigned long long value)
    {
        char buffer[18] = {'0', 'x'};
        for (int i = 0; i < 16; ++i)
            buffer[17 - i] = "0123456789abcdef"[(value >> (4 * i)) & 0xF];
        bytes(buffer, sizeof(buffer));
    }
    void copyFile(const char *path)
    {
        const int in = ::open(path, O_RDONLY | O_CLOEXEC);
        if (in < 0) {
            str("(unreadable)\n");
            return;
        }
        static char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(in, buffer, sizeof(buffer));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            bytes(buffer, size_t(got));
        }
        ::close(in);
    }
};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "none";
    }
}

const char *codeName(int signal, int code)
{
    switch (code) {
    case SI_USER:
        return "SI_USER";
    case SI_TKILL:
        return "SI_TKILL";
    case SI_QUEUE:
        return "SI_QUEUE";
    default:
        break;
    }
    if (signal == SIGSEGV && code == SEGV_MAPERR)
        return "SEGV_MAPERR";
    if (signal == SIGSEGV && code == SEGV_ACCERR)
        return "SEGV_ACCERR";
    if (signal == SIGBUS && code == BUS_ADRALN)
        return "BUS_ADRALN";
    if (signal == SIGBUS && code == BUS_ADRERR)
        return "BUS_ADRERR";
    if (signal == SIGBUS && code == BUS_OBJERR)
        return "BUS_OBJERR";
    if (signal == SIGFPE && code == FPE_INTDIV)
        return "FPE_INTDIV";
    if (signal == SIGFPE && code == FPE_INTOVF)
        return "FPE_INTOVF";
    if (signal == SIGFPE && code == FPE_FLTDIV)
        return "FPE_FLTDIV";
    if (signal == SIGILL && code == ILL_ILLOPC)
        return "ILL_ILLOPC";
    if (signal == SIGILL && code == ILL_ILLOPN)
        return "ILL_ILLOPN";
    return "";
}

unsigned long long instructionPointer(const void *context)
{
    if (!context)
        return 0;
    const auto *uc = static_cast<const ucontext_t *>(context);
#if defined(__x86_64__)
    return (unsigned long long)uc->uc_mcontext.gregs[REG_RIP];
#elif defined(__aarch64__)
    return (unsigned long long)uc->uc_mcontext.pc;
#else
    (void)uc;
    return 0;
#endif
}

bool writeDump(int signal, int code, const void *address, const void *context)
{
    if (!pathsKnown)
        return false;
    const int fd = ::open(dumpFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    Writer out{fd};
    out.str("Waylume crash report\nExecutable: ");
    out.str(exePath);
    out.str("\nProcess: ");
    out.dec(getpid());
    out.str("\nThread: ");
    out.dec(syscall(SYS_gettid));
    out.str(" ");
    out.copyFile("/proc/thread-self/comm");
    if (exceptionText[0] != '\0') {
        out.str("Reason: uncaught C++ exception\nException: ");
        out.str(exceptionText);
        out.str("\n");
    }
    out.str("Signal: ");
    out.dec(signal);
    out.str(" (");
    out.str(signalName(signal));
    out.str(")\nCode: ");
    out.dec(code);
    out.str(" (");
    out.str(codeName(signal, code));
    out.str(")\nAddress: ");
    out.hex((unsigned long long)(uintptr_t)address);
    out.str("\nInstruction: ");
    out.hex(instructionPointer(context));
    out.str("\n\nBacktrace:\n");
    void *frames[128];
    const int depth = backtrace(frames, 128);
    // Start at the faulting instruction: the frames above it are this handler's own.
    int first = 0;
    const unsigned long long faulting = instructionPointer(context);
    for (int i = 0; faulting != 0 && i < depth; ++i) {
        if ((unsigned long long)(uintptr_t)frames[i] == faulting) {
            first = i;
            break;
        }
    }
    backtrace_symbols_fd(frames + first, depth - first, fd);
    out.str("\nModules:\n");
    out.copyFile("/proc/self/maps");
    const bool closed = ::close(fd) == 0;
    return out.ok && closed;
}

// The message is shown by our own executable in its message mode. The child is made with
// the raw system call, not fork(): fork() runs the atfork handlers of the C library, which
// take the allocator's locks, and the crash may have happened while one of them was held.
void showMessage(bool written)
{
    Writer err{STDERR_FILENO};
    err.str(written ? "Waylume crashed; report written to "
                    : "Waylume crashed; no report written ");
    err.str(pathsKnown ? dumpFile : "(executable path unknown)");
    err.str("\n");
    if (!pathsKnown)
        return;

    char *argv[] = {exePath, messageArg, written ? okArg : failArg, nullptr};
    const long pid = syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0);
    if (pid == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(exePath, argv, environ);
        _exit(127);
    }
    if (pid < 0)
        return;
    int status = 0;
    while (waitpid(pid_t(pid), &status, 0) < 0 && errno == EINTR) {
    }
}

void handleCrash(int signal, int code, const void *address, const void *context)
{
    bool expected = false;
    if (!handling.compare_exchange_strong(expected, true)) {
        // Another thread is already reporting; it ends the process.
        for (;;)
            pause();
    }
    showMessage(writeDump(signal, code, address, context));
}

void resetToDefault(int signal)
{
    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

void onCrashSignal(int signal, siginfo_t *info, void *context)
{
    handleCrash(signal, info ? info->si_code : 0, info ? info->si_addr : nullptr, context);
    // End with the original signal so that the exit status still reports the crash: for a
    // fault the instruction faults again on return, otherwise the pending signal strikes.
    resetToDefault(signal);
    raise(signal);
}

void describeCurrentException()
{
    const std::exception_ptr current = std::current_exception();
    if (!current) {
        strncpy(exceptionText, "std::terminate without an active exception",
                sizeof(exceptionText) - 1);
        return;
    }
    const std::type_info *type = abi::__cxa_current_exception_type();
    const char *typeName = type ? type->name() : "unknown";
    int status = -1;
    char *demangled = abi::__cxa_demangle(typeName, nullptr, nullptr, &status);
    strncpy(exceptionText, status == 0 && demangled ? demangled : typeName,
            sizeof(exceptionText) - 1);
    std::free(demangled);
    try {
        std::rethrow_exception(current);
    } catch (const std::exception &e) {
        const size_t used = strlen(exceptionText);
        if (used + 3 < sizeof(exceptionText)) {
            strncat(exceptionText, ": ", sizeof(exceptionText) - used - 1);
            strncat(exceptionText, e.what(), sizeof(exceptionText) - strlen(exceptionText) - 1);
        }
    } catch (...) {
    }
}

void onTerminate()
{
    // std::terminate runs in an ordinary context, so the exception may be examined.
    describeCurrentException();
    handleCrash(0, 0, nullptr, nullptr);
    // End as an abort, without our SIGABRT handler reporting a second time.
    resetToDefault(SIGABRT);
    abort();
}

bool isMessageProcess()
{
    // The message process runs our own executable: a crash there must not start another.
    const int fd = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[8192];
    const ssize_t size = ::read(fd, buffer, sizeof(buffer) - 1);
    ::close(fd);
    if (size <= 0)
        return false;
    buffer[size] = '\0';
    for (ssize_t at = 0; at < size; at += ssize_t(strlen(buffer + at)) + 1) {
        if (strcmp(buffer + at, CrashHandler::messageArgument) == 0)
            return true;
    }
    return false;
}

} // namespace

CrashHandlerInstaller::CrashHandlerInstaller()
{
    if (installerActive || isMessageProcess())
        return;

    const ssize_t length = readlink("/proc/self/exe", exePath, sizeof(exePath) - 1);
    if (length > 0 && size_t(length) + 5 <= sizeof(dumpFile)) {
        exePath[length] = '\0';
        memcpy(dumpFile, exePath, size_t(length));
        memcpy(dumpFile + length, ".dmp", 5);
        pathsKnown = true;
    }

    // The first backtrace() loads the unwinder, which allocates: do it now, not after a crash.
    void *frame[1];
    backtrace(frame, 1);

    stack_t stack;
    memset(&stack, 0, sizeof(stack));
    stack.ss_sp = altStack;
    stack.ss_size = sizeof(altStack);
    altStackInstalled = sigaltstack(&stack, &previousAltStack) == 0;

    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_sigaction = onCrashSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    // A second fault inside the handler then ends the process at once instead of recursing.
    sigemptyset(&action.sa_mask);
    for (int signal : crashSignals)
        sigaddset(&action.sa_mask, signal);
    for (int i = 0; i < signalCount; ++i)
        sigaction(crashSignals[i], &action, &previousActions[i]);
    previousTerminate = std::set_terminate(onTerminate);
    installed = true;
    installerActive = true;
}

CrashHandlerInstaller::~CrashHandlerInstaller()
{
    if (!installed)
        return;
    std::set_terminate(previousTerminate);
    for (int i = 0; i < signalCount; ++i)
        sigaction(crashSignals[i], &previousActions[i], nullptr);
    if (altStackInstalled)
        sigaltstack(&previousAltStack, nullptr);
    installed = false;
    installerActive = false;
}

namespace CrashHandler {

const char *dumpPath()
{
    return pathsKnown ? dumpFile : "";
}

} // namespace CrashHandler
