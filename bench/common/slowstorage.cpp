#include "slowstorage.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <dlfcn.h>
#include <sys/stat.h>
#include <thread>
#include <sys/types.h>

namespace {
std::atomic<int> delayUs{0};
std::atomic<long long> reads{0};

// Like an SD card behind a USB reader, the storage serves one read at a time, in the order
// asked: the player's reads queue behind the parser's.
std::mutex deviceMutex;
std::condition_variable deviceFree;
unsigned long long nextTicket = 0;
unsigned long long serving = 0;

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
    std::unique_lock<std::mutex> lock(deviceMutex);
    const unsigned long long ticket = nextTicket++;
    deviceFree.wait(lock, [ticket] { return serving == ticket; });
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::microseconds(us));
    lock.lock();
    ++serving;
    deviceFree.notify_all();
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
