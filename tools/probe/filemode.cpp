#include "parser/recordingscan.h"
#include "tools/probe/probe.h"
#include "tools/probe/probeformat.h"

#include <QFileInfo>
#include <QIODevice>

namespace Probe {

int runFileMode(const FileOptions &options, QIODevice &out)
{
    // A file that cannot be opened still scans: kind GpsNone, zero facts, no records.
    // Only regular files are handed to the readers: opening a named pipe blocks until some
    // writer appears, and a probe over a folder must never hang on one.
    const QFileInfo info(options.path);
    const RecordingScan scan =
        info.exists() && !info.isFile() ? RecordingScan() : scanRecording(options.path);
    const QList<GpsData> &records = options.raw ? scan.rawRecords : scan.track;
    switch (options.format) {
    case Format::Json:
        out.write(toJson(options.path, scan.kind, scan.info, records));
        break;
    case Format::Csv:
        out.write(toCsv(records));
        break;
    case Format::Gpx:
        out.write(toGpx(options.path, records));
        break;
    case Format::Kml: // only with --trip
        break;
    }
    return 0;
}

} // namespace Probe
