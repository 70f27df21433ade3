#include "parser/recordingreader.h"

#include "parser/parserobject.h"
#include "parser/recordingscan.h"

namespace {
// Each step opens the file for itself and closes it before returning: a card of a thousand
// rows would otherwise hold a thousand descriptors and the player could open no more files.
class ContainerReader : public RecordingReader
{
public:
    VideoInfo readFacts(const QString &path) override
    {
        return videoInfoOf(*createParser(path));
    }

    QList<GpsData> readTrack(const QString &path, GpsSourceKind *kind, VideoInfo *facts) override
    {
        return readTrackExplained(path, kind, facts, nullptr);
    }

    QList<GpsData> readTrackExplained(const QString &path, GpsSourceKind *kind, VideoInfo *facts,
                                      GpsDiagnosis *diagnosis) override
    {
        return read(path, QString(), 0, kind, facts, diagnosis);
    }

    QList<GpsData> readTrackWithFile(const QString &path, const QString &trackFile,
                                     double offsetSeconds, GpsSourceKind *kind, VideoInfo *facts,
                                     GpsDiagnosis *diagnosis) override
    {
        return read(path, trackFile, offsetSeconds, kind, facts, diagnosis);
    }

private:
    static QList<GpsData> read(const QString &path, const QString &trackFile,
                               double offsetSeconds, GpsSourceKind *kind, VideoInfo *facts,
                               GpsDiagnosis *diagnosis)
    {
        const std::unique_ptr<ParserObject> parser = createParser(path);
        if (!trackFile.isEmpty())
            parser->useChosenTrack(trackFile, offsetSeconds);
        if (facts)
            *facts = videoInfoOf(*parser);
        QList<GpsData> track = decodeTrack(*parser);
        if (diagnosis)
            *diagnosis = diagnoseGps(*parser, videoInfoOf(*parser), track);
        fitTrackToDuration(track, parser->duration(), parser->kind());
        *kind = parser->kind();
        return track;
    }
};
} // namespace

RecordingReader *RecordingReader::containerReader()
{
    static ContainerReader reader;
    return &reader;
}
