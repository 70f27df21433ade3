#include "parser/videoparser.h"

#include "parser/cgpsutils.h"
#include "parser/parserobject.h"
#include "parser/recordingscan.h"

#include <QDebug>
#include <QThread>
#include <QThreadPool>

VideoParser::VideoParser(QObject *parent) : QObject(parent)
{
    registerParserMetaTypes();
    qRegisterMetaType<GpsDiagnosis>("GpsDiagnosis");
}

VideoParser::~VideoParser()
{
    cancel();
    // A job that already runs finishes before the reader goes away.
    std::lock_guard<std::mutex> lock(mMutex);
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
    std::lock_guard<std::mutex> lock(mMutex);
    qDebug() << "run" << mId << QThread::currentThreadId();

    std::unique_ptr<ParserObject> reader = createParser(mPath);
    // The reader outlives this job; it belongs with the VideoParser's thread.
    reader->moveToThread(thread());
    mParser = std::move(reader);

    const VideoInfo info = videoInfoOf(*mParser);
    emit videoInfoChanged(mId, info);

    mGpsList.clear();
    mGpsList = decodeTrack(*mParser);
    emit gpsDiagnosed(mId, diagnoseGps(*mParser, info, mGpsList));
    fitTrackToDuration(mGpsList, info.duration, mParser->kind());

    CGPSUtils::instance()->wait(4 * parseDelayMs());
    if (mId == 0)
        emit allGpsDataParserFinished(0, mGpsList);
    mFinished = true;
}

void VideoParser::requestAllGpsData()
{
    if (mFinished) {
        emit allGpsDataParserFinished(mId, mGpsList);
        return;
    }
    // Row 0's job announces its own track when it completes.
    if (mId == 0)
        return;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        cancel();
    }
    if (!mFinished)
        parse();
    emit allGpsDataParserFinished(mId, mGpsList);
}

void VideoParser::requestGpsData(int second)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (mGpsList.isEmpty())
        return;
    qint64 index = second;
    if (mParser && mParser->kind() == GpsSourceKind::JldvAudio)
        index = 2 * qint64(second);
    if (index >= 0 && index < mGpsList.size())
        emit gpsDataChanged(mId, mGpsList.at(int(index)));
}

void CVideoParserRunnable::run()
{
    mParser->runnableStarted(this);
    mParser->parse();
}
