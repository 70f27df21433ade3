#pragma once

// Slow storage for benchmarks: while enabled, every read of a regular file by this process
// (the parser's positioned reads, the player's reads) costs the given extra time, like a
// random access on an SD card, and reads are served one at a time, first come first served
// (no priorities: the worst case for the player). The machine has no device-mapper, so the cost is added here,
// around the C library's read calls, which the executable defines in place of libc's (link
// with ENABLE_EXPORTS so that libraries loaded at run time, GStreamer's, call them too).
namespace SlowStorage {
void enable(int microsecondsPerRead);
void disable();
// Reads that paid the cost since the last enable.
long long slowedReads();
} // namespace SlowStorage
