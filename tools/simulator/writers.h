#pragma once

// Container writers behind the simulator's facade.

#include "tools/simulator/bytewriter.h"
#include "tools/simulator/recordingsimulator.h"

namespace Simulator {

bool writeMp4(const Recording &recording, Sink &sink, QString *error);
bool writeAvi(const Recording &recording, Sink &sink, QString *error);

// The whole ffmpeg-made movie (MP4 or QuickTime, moov last) of testsrc2 video.
bool encodeMovie(const Recording &recording, bool quickTime, QByteArray *movie, QString *error);
// The same video as an elementary stream cut into access units (Annex B, each with its
// access unit delimiter), for AVI files.
bool encodeAccessUnits(const Recording &recording, QVector<QByteArray> *units, QString *error);

// Local time as seconds since 1904-01-01 00:00 local, the clock the cameras write.
quint32 macSeconds(const QDateTime &time);

} // namespace Simulator
