#pragma once

// Telemetry in the forms GoPro, BlackVue and NMEA-subtitle cameras write it.

#include "tools/simulator/bytewriter.h"
#include "tools/simulator/recordingsimulator.h"

namespace Simulator {

// Record k's second as one GPMF sample of a "gpmd" track.
QByteArray gpmfSample(const Recording &recording, int k);
// Record k's second as one sample of an NMEA subtitle track.
QByteArray nmeaSample(const Recording &recording, int k);
// The whole track as BlackVue's "gps " log and "3gf " records.
QByteArray blackVueLog(const Recording &recording);
QByteArray blackVue3gf(const Recording &recording);
QByteArray rmcSentence(const Fix &fix, const char *talker);

// Sidecar files beside a recording, shaped like the real ones:
// - BlackVue's <date>_<time>_<type>.gps: each second's RMC, VTG, GGA, GSA and GLL under one
//   "[unix ms]" stamp, times to the hundredth, minutes to five decimals, every line followed
//   by an empty one (LF), as the real parking-mode log holds them;
// - a phone logger's GPX 1.1 track (trkpt lat/lon, ele, time in UTC with a Z);
// - a phone logger's NMEA log: $GPRMC and $GPGGA a second, CRLF.
QByteArray blackVueSidecarLog(const Recording &recording);
QByteArray gpxTrack(const Recording &recording);
QByteArray nmeaLog(const Recording &recording);

} // namespace Simulator
