#pragma once

#include "parser/parserobject.h"

// Reads an MP4/MOV recording's box tree once, in the constructor: the video facts and where
// the camera put its GPS records. Only headers, small full boxes and handler names are read.
class Mp4Parser : public ParserObject
{
    Q_OBJECT
public:
    explicit Mp4Parser(const QString &path, QObject *parent = nullptr);
    explicit Mp4Parser(std::unique_ptr<ByteSource> source, QObject *parent = nullptr);

private:
    struct MovieHeader
    {
        quint32 size = 0;
        quint32 type = 0;
        quint32 versionFlags = 0;
        quint32 creationTime = 0;
        quint32 modificationTime = 0;
        quint32 timescale = 0;
        quint32 duration = 0;
        quint32 rate = 0;
        quint16 volume = 0;
        char reserved[10] = {};
        char matrix[36] = {};
        char preDefined[24] = {};
        quint32 nextTrackId = 0;
    };
    struct Box
    {
        qint64 start = 0;
        qint64 payload = 0; // file offset of the payload
        qint64 end = 0;     // clamped to the end of the file
        quint64 size = 0;
        char type[5] = {};
    };
    enum class HandlerKind
    {
        Other,
        Video,
        Sound,
        Text,
        Metadata
    };
    struct Track
    {
        HandlerKind handler = HandlerKind::Other;
        QString handlerName;
        QString displayName; // as a person reads it: no length byte, no padding
        qint32 width = 0;
        qint32 height = 0;
        quint32 creationTime = 0;
        qint64 chunkTableOffset = 0;
        qint32 chunkCount = 0;
        // What a telemetry track needs to find its samples (payload offset and box end).
        struct Table
        {
            qint64 payload = -1;
            qint64 end = -1;
        };
        Table stsz, stsc, stco, co64, stts;
        quint32 mediaTimescale = 0;
        char sampleEntry[5] = {};
    };
    enum class HeaderResult
    {
        Box,
        ZeroSize,
        Stop
    };

    HeaderResult readBoxHeader(qint64 position, Box &box);
    void probeEmbeddedPicture();
    void walkTopLevel();
    template <typename Visit> void walkChildren(qint64 start, qint64 end, Visit visit);
    qint64 skipZeroSizes(qint64 position, qint64 end);
    void readMovieHeader(const Box &box);
    void readGpsTable(const Box &box);
    void walkTrack(const Box &trak);
    void walkMedia(const Box &mdia, Track &track);
    void walkSampleTable(const Box &stbl, Track &track);
    void readHandler(const Box &box, Track &track);
    void readSampleSizes(const Box &box);
    void classifyTrack(const Track &track);
    bool classifyTelemetryTrack(const Track &track);
    QVector<StreamSample> readSampleTable(const Track &track);
    void readFreeBox(const Box &box);
    static QString cleanHandlerName(const QByteArray &raw);

    quint64 mBoxSize = 0;
    quint64 mPayloadSize = 0;
    qint32 mSampleCodec = CodecUnknown;
    QString mBoxType;
    MovieHeader mMovieHeader;
    float mTrackFrameRate = 0;
};
