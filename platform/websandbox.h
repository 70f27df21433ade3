#pragma once

// Chromium refuses to start its sandbox for the superuser, and the web engine then shows
// nothing. Run as root (as in containers and CI), the player therefore turns the web
// engine's sandbox off, and says so once. Must run before the QApplication is built.
namespace WebSandbox {

// True when the process runs with superuser rights and the sandbox was turned off.
bool disableWhenRoot();

} // namespace WebSandbox
