#include "parser/gpxreader.h"

// A phone's GPX track, placed against a recording start and reduced to one record a second.
// A recording of ten minutes: what a parse job passes for a recording of known length.
constexpr int FuzzSeconds = 600;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Telemetry telemetry = GpxReader::read(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    alignToRecording(telemetry, QDateTime(QDate(2024, 5, 17), QTime(8, 30), Qt::UTC), 0);
    perSecondTrack(telemetry, FuzzSeconds);
    alignToRecording(telemetry, QDateTime(), -3.5);
    perSecondTrack(telemetry, FuzzSeconds);
    return 0;
}
