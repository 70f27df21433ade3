#pragma once

#include "library/cardclock.h"
#include "parser/gpsdata.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QXmlStreamWriter>

class QIODevice;

namespace Probe {

// One file's report; `indented` for a single file, one line each (JSON Lines) for several.
// "clockOffsetSeconds" is the camera's clock less GPS time, null when it cannot be told.
QByteArray toJson(const QString &path, GpsSourceKind kind, const VideoInfo &info,
                  const QList<GpsData> &records, const ClockOffset &offset,
                  bool indented = true);
// With `file` set, every line starts with a file column (the header too); a file without
// records then still gets one line, its record cells empty, so each examined file shows.
QByteArray toCsv(const QList<GpsData> &records, const QString *file = nullptr,
                 bool header = true);
QByteArray toGpx(const QString &path, const QList<GpsData> &records);

// One GPX document with a track per file, written to `out` as the files come.
class GpxWriter
{
public:
    explicit GpxWriter(QIODevice *out);
    void addTrack(const QString &path, const QList<GpsData> &records);
    void finish();

private:
    QXmlStreamWriter xml;
};

} // namespace Probe
