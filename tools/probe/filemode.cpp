#include "library/trip.h"
#include "parser/recordingscan.h"
#include "tools/probe/probe.h"
#include "tools/probe/probeformat.h"

#include <QFileInfo>
#include <QIODevice>
#include <memory>

namespace Probe {

namespace {

// A file that cannot be opened still scans: kind GpsNone, zero facts, no records.
// Only regular files are handed to the readers: opening a named pipe blocks until some
// writer appears, and a probe over a folder must never hang on one.
RecordingScan examine(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() ? RecordingScan() : scanRecording(path);
}

ClockOffset clockOffsetOf(const QString &path, const RecordingScan &scan)
{
    return CardClock::offsetOfRecording(Trip::cameraStartOf(path, scan.info), scan.rawRecords,
                                        scan.kind);
}

const QList<GpsData> &recordsOf(const RecordingScan &scan, const FileOptions &options)
{
    return options.raw ? scan.rawRecords : scan.track;
}

int runOne(const FileOptions &options, QIODevice &out)
{
    const QString &path = options.paths.first();
    const RecordingScan scan = examine(path);
    const QList<GpsData> &records = recordsOf(scan, options);
    switch (options.format) {
    case Format::Json:
        out.write(toJson(path, scan.kind, scan.info, records, clockOffsetOf(path, scan)));
        break;
    case Format::Csv:
        out.write(toCsv(records));
        break;
    case Format::Gpx:
        out.write(toGpx(path, records));
        break;
    case Format::Kml: // only with --trip
        break;
    }
    return 0;
}

// Several files: one JSON line each, CSV lines led by the file, or one GPX document with a
// track per file. Each file is written as soon as it is read, so memory stays that of one
// recording however many are named.
int runMany(const FileOptions &options, QIODevice &out)
{
    std::unique_ptr<GpxWriter> gpx;
    if (options.format == Format::Gpx)
        gpx = std::make_unique<GpxWriter>(&out);
    bool first = true;
    for (const QString &path : options.paths) {
        const RecordingScan scan = examine(path);
        const QList<GpsData> &records = recordsOf(scan, options);
        switch (options.format) {
        case Format::Json:
            out.write(
                toJson(path, scan.kind, scan.info, records, clockOffsetOf(path, scan), false));
            break;
        case Format::Csv:
            out.write(toCsv(records, &path, first));
            break;
        case Format::Gpx:
            gpx->addTrack(path, records);
            break;
        case Format::Kml: // only with --trip
            break;
        }
        first = false;
    }
    if (gpx)
        gpx->finish();
    return 0;
}

} // namespace

int runFileMode(const FileOptions &options, QIODevice &out)
{
    if (options.paths.isEmpty())
        return 0;
    return options.paths.size() == 1 ? runOne(options, out) : runMany(options, out);
}

} // namespace Probe
