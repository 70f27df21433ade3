#pragma once

#include "parser/gpsdata.h"
#include "parser/gpsdiagnosis.h"

#include <QObject>
#include <QRunnable>
#include <atomic>
#include <memory>
#include <mutex>

class ParserObject;
class QThreadPool;
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
    // Removes the job from the pool's queue if it has not started yet.
    void cancel();
    void requestAllGpsData();
    void requestGpsData(int second);

    // The whole parse; runs on a pool thread, or on the caller's thread when the track is
    // requested before the queued job got its turn.
    void parse();

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
    void runnableStarted(CVideoParserRunnable *runnable);

    // Read without the mutex by requestAllGpsData; it only ever turns true.
    std::atomic<bool> mFinished{false};
    int mId = 0;
    QString mPath;
    QList<GpsData> mGpsList;
    std::mutex mMutex;
    CVideoParserRunnable *mRunnable = nullptr;
    QThreadPool *mPool = nullptr;
    std::unique_ptr<ParserObject> mParser;
    // Guards mRunnable only: the pool deletes the job after it has run, and a later cancel
    // must not hand the pool a stale pointer that may by then name another row's job.
    std::mutex mRunnableMutex;
};

class CVideoParserRunnable : public QRunnable
{
public:
    explicit CVideoParserRunnable(VideoParser *parser) : mParser(parser) {}
    void run() override;

private:
    VideoParser *mParser;
};
