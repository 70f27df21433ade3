#pragma once

#include "parser/gpsdata.h"
#include "parser/gpsdiagnosis.h"

#include <QObject>
#include <QRunnable>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QThreadPool;
class RecordingReader;
class CVideoParserRunnable;

// Reads one recording in the background and hands its facts and track to the GUI thread.
// One per playlist row; the model runs its CVideoParserRunnable on the model's pool.
class VideoParser : public QObject
{
    Q_OBJECT
public:
    explicit VideoParser(QObject *parent = nullptr);
    ~VideoParser() override;

    void setFile(const QString &path, int id);
    void setPool(QThreadPool *pool, CVideoParserRunnable *runnable);
    // The container readers unless set; not owned, must outlive every parse.
    void setReader(RecordingReader *reader);
    // When set, a track requested before it is parsed is handed to this (which must get
    // parse() run soon, on another thread) instead of being parsed on the caller's thread.
    void setTrackScheduler(std::function<void()> scheduleTrack);
    // Removes the job from the pool's queue if it has not started yet.
    void cancel();
    // Neither request blocks while the row is being parsed (on a pool thread, or on this
    // thread further up the stack): the answer is then emitted when that parse completes.
    // A track requested before the queued job got its turn is parsed at once without the
    // cooperative pauses: here, or through the track scheduler.
    void requestAllGpsData();
    void requestGpsData(int second);

    // The whole parse; runs on a pool thread, or on the caller's thread through
    // requestAllGpsData. Does nothing when the row is parsed already or being parsed.
    // Reads the facts too unless parseFacts has announced them.
    void parse();
    // The facts alone (headers only), announced through videoInfoChanged; does nothing when
    // they are known or a parse is under way.
    void parseFacts();

    // From the next parse on, the track comes from `trackFile` (GPX or NMEA) aligned to the
    // recording and moved by `offsetSeconds`; an empty name goes back to the recording's
    // own. The row is parsed again: at once when idle (the caller starts the parse), after
    // the running one otherwise, and its track is announced when read.
    void setTrackFile(const QString &trackFile, double offsetSeconds);
    QString trackFile() const;
    double trackFileOffset() const;

    bool isFinished() const { return mFinished; }
    int id() const { return mId; }
    QString path() const { return mPath; }

    // Same setting as ParserObject::setParseDelayMs.
    static void setParseDelayMs(int ms);
    static int parseDelayMs();

signals:
    void videoInfoChanged(int mId, VideoInfo info);
    void gpsDataChanged(int mId, GpsData data);
    void allGpsDataParserFinished(int mId, QList<GpsData> dataList);
    // Emitted once per parse, before the track is fitted to the recording's length.
    void gpsDiagnosed(int mId, GpsDiagnosis diagnosis);

private:
    friend class CVideoParserRunnable;
    // Shared with the parser's jobs, which may outlive it in the pool: a job runs only while
    // it holds the mutex and finds the parser still there.
    struct JobLink
    {
        std::mutex mutex;
        VideoParser *parser = nullptr;
    };

    void runnableStarted(CVideoParserRunnable *runnable);
    // mMutex held.
    std::optional<GpsData> recordAt(int second) const;

    std::atomic<bool> mFinished{false};
    int mId = 0;
    QString mPath;
    QList<GpsData> mGpsList;
    // Guards mFinished's change, mGpsList, mKind and the parse state below; held only
    // briefly, never while the file is read, so that a request never waits for a parse.
    mutable std::mutex mMutex;
    bool mParsing = false;
    bool mFactsKnown = false;
    bool mReadingFacts = false;
    bool mTrackWanted = false;
    // Set when the track file changes during a parse: its result is stale on arrival.
    bool mParseAgain = false;
    QString mTrackFile;
    double mTrackFileOffset = 0;
    std::optional<int> mWantedSecond;
    // Raised when the user waits for this row: its parse stops pausing.
    std::atomic<bool> mHurry{false};
    std::shared_ptr<JobLink> mLink;
    CVideoParserRunnable *mRunnable = nullptr;
    QThreadPool *mPool = nullptr;
    // All a finished parse keeps of its reader: the track's indexing. The reader itself is
    // gone with its open file.
    GpsSourceKind mKind = GpsSourceKind::GpsNone;
    RecordingReader *mReader = nullptr;
    std::function<void()> mScheduleTrack;
    // Guards mRunnable only: the pool deletes the job after it has run, and a later cancel
    // must not hand the pool a stale pointer that may by then name another row's job.
    std::mutex mRunnableMutex;
};

// Safe to run after its parser has been destroyed: it then does nothing.
class CVideoParserRunnable : public QRunnable
{
public:
    explicit CVideoParserRunnable(VideoParser *parser) : mLink(parser->mLink) {}
    void run() override;

private:
    std::shared_ptr<VideoParser::JobLink> mLink;
};
