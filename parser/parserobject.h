#pragma once

#include "parser/gpsdata.h"
#include "parser/telemetry.h"
#include "platform/bytesource.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <limits>
#include <memory>

// What a reader met on its way through a recording, kept so that a missing track can be
// explained from the file itself rather than guessed from the result.
struct ParserFindings
{
    bool opened = false;      // a plain file that could be opened
    bool container = false;   // a movie box or an AVI header was found
    int metadataTracks = 0;   // tracks with a "meta" or "text" handler
    QString metadataName;     // handler name of a metadata track not taken for GPS
    int soundTracks = 0;      // MP4 sound tracks searched for the freeGPS marker
    int soundChunks = 0;      // AVI "01wb" chunks
};

// Common base of the container readers: owns the recording's bytes, the facts that make up
// VideoInfo and the locator that tells decode() where the embedded GPS records lie.
class ParserObject : public QObject
{
    Q_OBJECT
public:
    static constexpr int RecordSize = 312;
    // Bytes 2..311 of every stored record are XORed with this byte.
    static constexpr quint8 PayloadMask = 0x5A;
    // No recording holds more records than a day at two per second; a count beyond this
    // can only come from a damaged file and would exhaust memory.
    static constexpr int MaxRecords = 24 * 3600 * 2;

    // Reads through source (a file, or memory in fuzz targets and tests).
    explicit ParserObject(std::unique_ptr<ByteSource> source, QObject *parent = nullptr);
    ~ParserObject() override;

    // The file at path as a source; logs when it cannot be opened (the source is then empty).
    static std::unique_ptr<ByteSource> openFile(const QString &path);

    // Milliseconds the readers and the parse jobs pause after every box and record (and four
    // times that at the end of a parse). 0 by default, like the player's setting.
    static void setParseDelayMs(int ms);
    static int parseDelayMs();
    static void pause(int delays = 1);

    // While one lives on a thread, pause() there does nothing whenever *hurry is true. The
    // flag may be raised from another thread: a parse the user is waiting for stops pausing.
    class PauseScope
    {
    public:
        explicit PauseScope(const std::atomic<bool> *hurry);
        ~PauseScope();
        PauseScope(const PauseScope &) = delete;
        PauseScope &operator=(const PauseScope &) = delete;

    private:
        const std::atomic<bool> *outer;
    };

    // Fills out from record index; false when there is no such record. Meant to be called
    // for 0, 1, 2, ... in order: the course depends on the previous call.
    bool decode(int index, GpsData &out);

    GpsSourceKind kind() const { return mKind; }
    qint32 width() const { return mWidth; }
    qint32 height() const { return mHeight; }
    qint32 codec() const { return mCodec; }
    qint32 duration() const { return mDuration; }
    float frameRate() const { return mFrameRate; }
    QDateTime creationTime() const { return mCreationTime; }
    qint64 tableOffset() const { return mTableOffset; }
    qint32 recordCount() const { return mRecordCount; }
    qint32 markerOffset() const { return mMarkerOffset; }
    QString handlerName() const { return mHandlerName; }
    qint64 fileSize() const { return mFileSize; }
    const ParserFindings &findings() const { return mFindings; }

    // Where the samples of a telemetry track lie and when they play.
    struct StreamSample
    {
        qint64 offset = 0;
        qint32 size = 0;
        double start = 0;    // seconds
        double duration = 0; // seconds
    };
    // For the telemetry kinds: what the recording holds at its own rates, read on the first
    // decode() (empty before, and for the text-record kinds). Exports take the full-rate
    // fixes from here; the player's track is one record per second.
    const Telemetry &telemetry() const { return mTelemetry; }
    // Files beside the recording that hold its track (BlackVue logs, .gpx, .nmea).
    QStringList sidecarFiles() const { return mSidecars; }
    // Uses the files beside path when the recording holds no track of its own.
    void useSidecarFiles(const QString &path);
    // Reads the track from file instead (a .gpx or .nmea the user chose), its times moved by
    // offsetSeconds; creation is the recording's start in UTC to align the times against.
    void useChosenTrack(const QString &file, double offsetSeconds);

protected:
    // A count or size from the file as the int32 the facts are kept in; larger values stick
    // at INT_MAX rather than wrapping to negative ones.
    static qint32 clampToInt32(quint64 value)
    {
        return qint32(qMin<quint64>(value, quint64(std::numeric_limits<qint32>::max())));
    }

    // Bounded reads at an absolute offset; bytes past the end of the source read as zero.
    // They return the number of bytes that really came from the source.
    qint64 readAt(qint64 offset, char *dst, qint64 length);
    quint16 readU16BE(qint64 offset);
    quint32 readU32BE(qint64 offset);
    quint64 readU64BE(qint64 offset);
    quint32 readU32LE(qint64 offset);

    GpsSourceKind mKind = GpsSourceKind::GpsNone;
    qint32 mWidth = 0;
    qint32 mHeight = 0;
    qint32 mCodec = CodecUnknown;
    qint32 mDuration = 0;
    float mFrameRate = 0;
    QDateTime mCreationTime;
    qint64 mTableOffset = 0;
    qint32 mRecordCount = 0;
    qint32 mMarkerOffset = 0;
    QString mHandlerName;
    qint32 mPrevIndex = 0;
    double mPrevLonAbs = 0;
    double mPrevLatAbs = 0;
    double mPrevCourse = 0;
    // File offsets of the first "01wb" chunks, noted by the AVI reader while it counts them,
    // so that the decoder need not walk the movie list again.
    QVector<qint64> mAudioChunkOffsets;
    ParserFindings mFindings;
    // Telemetry kinds: the samples of the track, or the boxes, holding it.
    QVector<StreamSample> mStreamSamples;
    StreamSample mBlackVueGps;
    StreamSample mBlackVue3gf;
    QStringList mSidecars;
    double mChosenOffset = 0;

private:
    bool recordStart(int index, qint64 &start);
    bool aviAudioRecordStart(int index, qint64 &start);
    qint64 tableEntry(qint64 entryOffset, bool &inFile);
    void decodeRecord(const char *record, int index, GpsData &out);
    void updateCourse(int index, double latAbs, double lonAbs, GpsData &out);
    void readTelemetry();
    QByteArray readBlock(const StreamSample &sample);
    Telemetry readSidecars();

    Telemetry mTelemetry;
    QList<GpsData> mTelemetryTrack;
    bool mTelemetryRead = false;

    std::unique_ptr<ByteSource> mSource;
    qint64 mFileSize = 0;
    struct Block
    {
        QByteArray data;
        qint64 start = -1;
    };
    Block mBlocks[2];
};
