#include "parser/videoparser.h"

#include "parser/parserobject.h"
#include "parser/recordingscan.h"

#include <QDebug>
#include <QThread>
#include <QThreadPool>

VideoParser::VideoParser(QObject *parent) : QObject(parent), mLink(std::make_shared<JobLink>())
{
    registerParserMetaTypes();
    mLink->parser = this;
}

VideoParser::~VideoParser()
{
    mHurry = true;
    cancel();
    // A job that the pool took before the cancel either runs now, and is waited for (without
    // its pauses, so briefly), or finds the parser gone.
    std::lock_guard<std::mutex> lock(mLink->mutex);
    mLink->parser = nullptr;
}

void VideoParser::setFile(const QString &path, int id)
{
    mPath = path;
    mId = id;
}

void VideoParser::setPool(QThreadPool *pool, CVideoParserRunnable *runnable)
{
    std::lock_guard<std::mutex> lock(mRunnableMutex);
    mPool = pool;
    mRunnable = runnable;
}

void VideoParser::cancel()
{
    std::lock_guard<std::mutex> lock(mRunnableMutex);
    if (mPool && mRunnable && mPool->tryTake(mRunnable) && mRunnable->autoDelete())
        delete mRunnable;
    mRunnable = nullptr;
}

void VideoParser::runnableStarted(CVideoParserRunnable *runnable)
{
    std::lock_guard<std::mutex> lock(mRunnableMutex);
    if (mRunnable == runnable)
        mRunnable = nullptr;
}

void VideoParser::setParseDelayMs(int ms)
{
    ParserObject::setParseDelayMs(ms);
}

int VideoParser::parseDelayMs()
{
    return ParserObject::parseDelayMs();
}

void VideoParser::parse()
{
    {
        // The other thread may have parsed this row, or be parsing it, since the caller looked.
        std::lock_guard<std::mutex> lock(mMutex);
        if (mFinished || mParsing)
            return;
        mParsing = true;
    }
    qDebug() << "run" << mId << QThread::currentThreadId();
    const ParserObject::PauseScope pacing(&mHurry);

    std::unique_ptr<ParserObject> reader = createParser(mPath);
    // The reader outlives this job; it belongs with the VideoParser's thread.
    reader->moveToThread(thread());
    const VideoInfo info = videoInfoOf(*reader);
    emit videoInfoChanged(mId, info);

    QList<GpsData> track = decodeTrack(*reader);
    fitTrackToDuration(track, info.duration, reader->kind());
    ParserObject::pause(4);

    bool announceTrack = false;
    std::optional<GpsData> record;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mParser = std::move(reader);
        mGpsList = track;
        mParsing = false;
        mFinished = true;
        // Row 0's job announces its track unasked: the first recording of an open waits for it.
        announceTrack = mTrackWanted || mId == 0;
        mTrackWanted = false;
        if (mWantedSecond)
            record = recordAt(*mWantedSecond);
        mWantedSecond.reset();
    }
    if (announceTrack)
        emit allGpsDataParserFinished(mId, track);
    if (record)
        emit gpsDataChanged(mId, *record);
}

void VideoParser::requestAllGpsData()
{
    QList<GpsData> track;
    bool finished = false;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        finished = mFinished;
        if (!finished) {
            mHurry = true;
            // Row 0's job announces its own track when it completes.
            if (mId == 0)
                return;
            mTrackWanted = true;
            if (mParsing)
                return;
        } else {
            track = mGpsList;
        }
    }
    if (finished) {
        emit allGpsDataParserFinished(mId, track);
        return;
    }
    cancel();
    // If the job left the queue just before the cancel, one of the two parses returns at once
    // and the other announces the track.
    parse();
}

void VideoParser::requestGpsData(int second)
{
    std::optional<GpsData> record;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mFinished) {
            if (mParsing)
                mWantedSecond = second;
            return;
        }
        record = recordAt(second);
    }
    if (record)
        emit gpsDataChanged(mId, *record);
}

std::optional<GpsData> VideoParser::recordAt(int second) const
{
    qint64 index = second;
    if (mParser && mParser->kind() == GpsSourceKind::JldvAudio)
        index = 2 * qint64(second);
    if (index < 0 || index >= mGpsList.size())
        return std::nullopt;
    return mGpsList.at(int(index));
}

void CVideoParserRunnable::run()
{
    std::lock_guard<std::mutex> lock(mLink->mutex);
    if (VideoParser *parser = mLink->parser) {
        parser->runnableStarted(this);
        parser->parse();
    }
}
