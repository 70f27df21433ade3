#pragma once

#include "export/cliprecording.h"
#include "export/overlaypainter.h"

// The overlay's values between the once-a-second fixes, so the needle and the car move
// smoothly from frame to frame instead of jumping every second.
namespace OverlaySamples {

// `clock`: how the overlay's time is shown (see ClipTimes::shownText).
OverlaySample at(const ClipRecording &recording, double second,
                 const ClockChoice &clock = ClockChoice());
// The clip's fixes with a position, as (longitude, latitude), for the mini-map.
QList<QPointF> track(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces);

} // namespace OverlaySamples
