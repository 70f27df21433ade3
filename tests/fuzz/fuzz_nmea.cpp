#include "parser/nmea.h"

// The first byte chooses how the rest is read: a plain NMEA log, a BlackVue "[ms]$..." log,
// subtitle samples (length, text, ...), or BlackVue 3gf accelerometer records.
// A recording of ten minutes: what a parse job passes for a recording of known length.
constexpr int FuzzSeconds = 600;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), int(size - 1));
    NmeaReader nmea;
    Telemetry extra;
    switch (data[0] % 4) {
    case 0:
        nmea.addText(input);
        break;
    case 1:
        nmea.addBlackVueLog(input);
        break;
    case 2: {
        int p = 0;
        double t = 0;
        while (p + 2 <= input.size()) {
            const int length = (quint8(input[p]) << 8) | quint8(input[p + 1]);
            nmea.addTextSample(input.mid(p, 2 + length), t);
            p += 2 + length;
            t += 1;
        }
        break;
    }
    default:
        NmeaReader::addBlackVueAccel(input, extra);
        break;
    }
    Telemetry telemetry = nmea.finish();
    telemetry.accel += extra.accel;
    perSecondTrack(telemetry, FuzzSeconds);
    return 0;
}
