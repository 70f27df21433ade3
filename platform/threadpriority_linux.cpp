#include "platform/threadpriority.h"

#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// Linux keeps I/O and CPU priority per thread: "who" 0 and the thread id name the caller only.
namespace {
// From linux/ioprio.h, which glibc does not wrap.
constexpr int IoprioWhoProcess = 1;
constexpr int IoprioClassIdle = 3;
constexpr int IoprioClassShift = 13;
// Nice 19 rather than SCHED_IDLE: the thread stays in the normal class, so a lock it holds
// briefly (the GUI thread takes the same ones) is never left to wait for an idle processor.
constexpr int BackgroundNice = 19;

int threadId()
{
    return int(::syscall(SYS_gettid));
}
} // namespace

namespace ThreadPriority {

bool makeCurrentThreadBackground()
{
    const bool io = ::syscall(SYS_ioprio_set, IoprioWhoProcess, 0,
                              IoprioClassIdle << IoprioClassShift) == 0;
    const bool cpu = ::setpriority(PRIO_PROCESS, id_t(threadId()), BackgroundNice) == 0;
    return io && cpu;
}

bool isCurrentThreadBackground()
{
    const long io = ::syscall(SYS_ioprio_get, IoprioWhoProcess, 0);
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, id_t(threadId()));
    if (io < 0 || (nice == -1 && errno != 0))
        return false;
    return (io >> IoprioClassShift) == IoprioClassIdle && nice >= BackgroundNice;
}

} // namespace ThreadPriority
