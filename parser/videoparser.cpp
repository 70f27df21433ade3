#include "parser/videoparser.h"

#include "parser/parserobject.h"
#include "parser/recordingreader.h"

#include <QDebug>
#include <QThread>
#include <QThreadPool>

VideoParser::VideoParser(QObject *parent)
    : QObject(parent), mLink(std::make_shared<JobLink>()),
      mReader(RecordingReader::containerReader())
{
    registerParserMetaTypes();
    qRegisterMetaType<GpsDiagnosis>("GpsDiagnosis");
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

void VideoParser::setReader(RecordingReader *reader)
{
    mReader = reader ? reader : RecordingReader::containerReader();
}

void VideoParser::setTrackScheduler(std::function<void()> scheduleTrack)
{
    mScheduleTrack = std::move(scheduleTrack);
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

void VideoParser::parseFacts()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (mFinished || mParsing || mFactsKnown || mReadingFacts)
            return;
        mReadingFacts = true;
    }
    const ParserObject::PauseScope pacing(&mHurry);
    const VideoInfo info = mReader->readFacts(mPath);
    emit videoInfoChanged(mId, info);
    // Known only once announced: a parse that finds them known announces no facts of its own,
    // and its track must not reach the window before the row's duration and frame rate.
    std::lock_guard<std::mutex> lock(mMutex);
    mReadingFacts = false;
    mFactsKnown = true;
}

void VideoParser::parse()
{
    bool factsKnown = false;
    QString trackFile;
    double trackFileOffset = 0;
    {
        // The other thread may have parsed this row, or be parsing it, since the caller looked.
        std::lock_guard<std::mutex> lock(mMutex);
        if (mFinished || mParsing)
            return;
        mParsing = true;
        factsKnown = mFactsKnown;
        trackFile = mTrackFile;
        trackFileOffset = mTrackFileOffset;
    }
    qDebug() << "run" << mId << QThread::currentThreadId();
    const ParserObject::PauseScope pacing(&mHurry);

    // Facts being read on another thread right now are read again here rather than waited
    // for; announcing them twice is harmless.
    VideoInfo info;
    GpsSourceKind kind = GpsSourceKind::GpsNone;
    GpsDiagnosis diagnosis;
    VideoInfo *facts = factsKnown ? nullptr : &info;
    const QList<GpsData> track =
        trackFile.isEmpty()
            ? mReader->readTrackExplained(mPath, &kind, facts, &diagnosis)
            : mReader->readTrackWithFile(mPath, trackFile, trackFileOffset, &kind, facts,
                                         &diagnosis);
    if (diagnosis.verdict != GpsVerdict::NotExamined)
        emit gpsDiagnosed(mId, diagnosis);
    if (!factsKnown) {
        emit videoInfoChanged(mId, info);
        std::lock_guard<std::mutex> lock(mMutex);
        mFactsKnown = true;
    }
    ParserObject::pause(4);

    bool announceTrack = false;
    std::optional<GpsData> record;
    bool again = false;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (mParseAgain) {
            // The track file changed while this one was read: read with the new one instead.
            mParseAgain = false;
            mParsing = false;
            again = true;
        }
    }
    if (again) {
        parse();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mKind = kind;
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

void VideoParser::setTrackFile(const QString &trackFile, double offsetSeconds)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mTrackFile = trackFile;
    mTrackFileOffset = offsetSeconds;
    mTrackWanted = true;
    mFinished = false;
    if (mParsing)
        mParseAgain = true;
}

QString VideoParser::trackFile() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mTrackFile;
}

double VideoParser::trackFileOffset() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mTrackFileOffset;
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
            mTrackWanted = true;
            if (mParsing)
                return;
            // Row 0's job announces its own track when it completes; with a scheduler it is
            // also moved to the front, as the first recording of an open waits for it.
            if (mId == 0 && !mScheduleTrack)
                return;
        } else {
            track = mGpsList;
        }
    }
    if (finished) {
        emit allGpsDataParserFinished(mId, track);
        return;
    }
    if (mScheduleTrack) {
        mScheduleTrack();
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
    if (mKind == GpsSourceKind::JldvAudio)
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
