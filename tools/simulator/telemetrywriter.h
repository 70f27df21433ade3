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

} // namespace Simulator
