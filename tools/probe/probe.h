#pragma once

// waylume-probe: command-line views of what the parser learns from recordings. main()
// parses the arguments and hands each mode its options; every mode lives in its own file.

#include "library/trackexport.h"

#include <QString>

class QIODevice;

namespace Probe {

enum class Format
{
    Json,
    Csv,
    Gpx,
    Kml
};

struct FileOptions
{
    QString path;
    bool raw = false; // the decoder's records instead of the parse job's fitted track
    Format format = Format::Json;
};

// Examines one recording and writes the report to out. Returns the process exit code:
// 0 whenever the file was examined, also when it has no GPS or cannot be opened.
int runFileMode(const FileOptions &options, QIODevice &out);

// The rows that opening `folder` through "Open Folder" adds, with the channel set-up the
// main window would compute, and the row that would start playing.
int runScanMode(const QString &folder, QIODevice &out);

// The file that a drop of `file` adds as a row.
int runFrontMode(const QString &file, QIODevice &out);

// The whole card's trip: one segment per recording, in recorded order.
int runTripMode(const QString &folder, TrackFormat format, QIODevice &out);

// Why the recording has the track it has, or none, in one line.
int runExplainMode(const QString &file, QIODevice &out);

} // namespace Probe
