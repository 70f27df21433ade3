#include "playback/showmode.h"

namespace {
// Registered once at start-up so that queued connections carrying a ShowMode work
// before any play area exists.
[[maybe_unused]] const int showModeTypeId = registerShowModeMetaType();
} // namespace
