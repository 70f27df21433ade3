// Tesla's event.json reader on arbitrary bytes: never a crash, and a position only on the globe.
#include "library/cameraeventreader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, 1 << 20)));
    const CameraEvent event = CameraEventReader::fromJson(bytes);
    if (event.hasPosition && (!(std::fabs(event.latitude) <= 90.0) ||
                              !(std::fabs(event.longitude) <= 180.0)))
        std::abort();
    return 0;
}
