#pragma once

#include "parser/telemetry.h"

#include <QByteArray>

// GPX 1.0/1.1 tracks (trkpt; rtept and wpt are not a recorded track) as phones log them.
// Every point with a time becomes a fix; its seconds are left to the caller's alignment.
class GpxReader
{
public:
    static Telemetry read(const QByteArray &document);
};

// Places fixes that carry UTC on the recording's time line: seconds = start -> utc + offset.
// Without a valid start the first fix is second 0.
void alignToRecording(Telemetry &telemetry, const QDateTime &start, double offsetSeconds);
