#include "parser/gpmf.h"

// One GPMF sample as the camera writes it into its "gpmd" track, one second long, then the
// reduction to the player's one record per second.
// A recording of ten minutes: what a parse job passes for a recording of known length.
constexpr int FuzzSeconds = 600;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GpmfReader::Sample sample;
    sample.payload = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    sample.duration = 1.001;
    Telemetry telemetry;
    GpmfReader::readSample(sample, telemetry);
    sample.start = 1.001;
    GpmfReader::readSample(sample, telemetry);
    perSecondTrack(telemetry, FuzzSeconds);
    return 0;
}
