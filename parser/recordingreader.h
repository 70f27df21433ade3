#pragma once

#include "parser/gpsdata.h"
#include "parser/gpsdiagnosis.h"

#include <QList>
#include <QString>

// What a parse job reads from a recording, in the two steps the playlist needs at different
// times: the facts a row shows (cheap, the container's headers) and the whole track.
class RecordingReader
{
public:
    virtual ~RecordingReader() = default;

    virtual VideoInfo readFacts(const QString &path) = 0;
    // One record per second of the recording's duration (JldvAudio: as decoded); *kind tells
    // how a second maps to a record. With facts, fills them too, from the same reading.
    virtual QList<GpsData> readTrack(const QString &path, GpsSourceKind *kind,
                                     VideoInfo *facts = nullptr) = 0;

    // readTrack, and what the reader met on the way (left NotExamined by readers that
    // cannot tell).
    virtual QList<GpsData> readTrackExplained(const QString &path, GpsSourceKind *kind,
                                              VideoInfo *facts, GpsDiagnosis * /*diagnosis*/)
    {
        return readTrack(path, kind, facts);
    }

    // readTrackExplained with the track taken from `trackFile` (GPX or NMEA), aligned to the
    // recording by time and moved by `offsetSeconds`. Readers that cannot take a track file
    // read the recording's own.
    virtual QList<GpsData> readTrackWithFile(const QString &path, const QString & /*trackFile*/,
                                             double /*offsetSeconds*/, GpsSourceKind *kind,
                                             VideoInfo *facts, GpsDiagnosis *diagnosis)
    {
        return readTrackExplained(path, kind, facts, diagnosis);
    }

    // The MP4/MOV and AVI readers; shared, stateless.
    static RecordingReader *containerReader();
};
