#include "slowstorage.h"

#include <atomic>
#include <chrono>
#include <dlfcn.h>
#include <sys/stat.h>
#include <thread>
#include <sys/types.h>

namespace {
std::atomic<int> delayUs{0};
std::atomic<long long> reads{0};

template <typename Fn> Fn realFunction(const char *name)
{
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

void payFor(int fd)
{
    const int us = delayUs.load(std::memory_order_relaxed);
    if (us <= 0)
        return;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    reads.fetch_add(1, std::memory_order_relaxed);
    std::this_thread::sleep_for(std::chrono::microseconds(us));
}
} // namespace

namespace SlowStorage {
void enable(int microsecondsPerRead)
{
    reads = 0;
    delayUs = microsecondsPerRead;
}
void disable()
{
    delayUs = 0;
}
long long slowedReads()
{
    return reads.load();
}
} // namespace SlowStorage

extern "C" {
ssize_t pread64(int fd, void *buf, size_t count, off_t offset)
{
    using Fn = ssize_t (*)(int, void *, size_t, off_t);
    static const Fn real = realFunction<Fn>("pread64");
    payFor(fd);
    return real(fd, buf, count, offset);
}

ssize_t pread(int fd, void *buf, size_t count, off_t offset)
{
    return pread64(fd, buf, count, offset);
}

ssize_t read(int fd, void *buf, size_t count)
{
    using Fn = ssize_t (*)(int, void *, size_t);
    static const Fn real = realFunction<Fn>("read");
    payFor(fd);
    return real(fd, buf, count);
}
}
