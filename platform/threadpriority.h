#pragma once

// Background work (reading a whole card ahead of the user) must leave the disk and the
// processor to the recording that plays, which is read from the same, often slow, card.
namespace ThreadPriority {

// Puts the calling thread at idle I/O priority (it reads only when no one else does) and at
// the lowest CPU priority. For threads that do background work only: an unprivileged process
// cannot raise the priority again. True when the system took both.
bool makeCurrentThreadBackground();

// Whether the system runs the calling thread at both background priorities.
bool isCurrentThreadBackground();

} // namespace ThreadPriority
