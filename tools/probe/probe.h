#pragma once

// waylume-probe: command-line views of what the parser learns from recordings. main()
// parses the arguments and hands each mode its options; every mode lives in its own file.

#include "library/trackexport.h"

#include <QString>
#include <QStringList>

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
    QStringList paths;
    bool raw = false; // the decoder's records instead of the parse job's fitted track
    Format format = Format::Json;
};

// Examines the recordings in order and writes their reports to out: one file as ever, several
// as JSON Lines, CSV with a file column or one GPX document. Returns the process exit code:
// 0 whenever the files were examined, also those without GPS or that cannot be opened.
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

// The card's drives with their figures and recordings; its events with the default thresholds.
int runDrivesMode(const QString &folder, QIODevice &out);
int runEventsMode(const QString &folder, QIODevice &out);

} // namespace Probe
