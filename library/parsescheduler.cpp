#include "library/parsescheduler.h"

#include "parser/videoparser.h"
#include "platform/threadpriority.h"

#include <QDebug>

// Takes jobs until none is left. The pool's threads serve only this scheduler, so lowering
// their priority for good is right: no other work inherits it.
class ParseScheduler::Worker : public QRunnable
{
public:
    explicit Worker(ParseScheduler *scheduler) : mScheduler(scheduler) {}

    void run() override
    {
        static thread_local const bool lowered = [] {
            const bool done = ThreadPriority::makeCurrentThreadBackground();
            if (!done)
                qDebug() << "parse thread keeps its priority";
            return done;
        }();
        Q_UNUSED(lowered);
        Job job;
        while (mScheduler->takeNext(job)) {
            if (job.factsOnly)
                job.parser->parseFacts();
            else
                job.parser->parse();
            mScheduler->jobDone(job);
        }
    }

private:
    ParseScheduler *mScheduler;
};

ParseScheduler::ParseScheduler(int backgroundThreads) : mMaxWorkers(qMax(backgroundThreads, 1))
{
    mBackground.setMaxThreadCount(mMaxWorkers);
    // A lane of its own, so the row about to play never waits behind the background work;
    // one thread, so that quick double clicks do not read several recordings at once.
    mNow.setMaxThreadCount(1);
}

ParseScheduler::~ParseScheduler()
{
    stop();
}

void ParseScheduler::add(VideoParser *parser)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mFacts.push_back(parser);
    mTracks.push_back(parser);
    startWorkers();
}

void ParseScheduler::runNow(VideoParser *parser)
{
    mNow.start(new CVideoParserRunnable(parser));
}

void ParseScheduler::setSuspended(bool suspended)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mSuspended = suspended;
    startWorkers();
}

void ParseScheduler::stop()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mFacts.clear();
        mTracks.clear();
    }
    mNow.clear();
    mBackground.waitForDone();
    mNow.waitForDone();
}

bool ParseScheduler::hasWorkLocked() const
{
    if (mSuspended)
        return false;
    // Tracks wait until the last facts are in, not merely handed out.
    return !mFacts.empty() || (mFactsRunning == 0 && !mTracks.empty());
}

void ParseScheduler::startWorkers()
{
    while (mWorkers < mMaxWorkers && hasWorkLocked()) {
        ++mWorkers;
        mBackground.start(new Worker(this));
    }
}

bool ParseScheduler::takeNext(Job &job)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!hasWorkLocked()) {
        --mWorkers;
        return false;
    }
    if (!mFacts.empty()) {
        job = {mFacts.front(), true};
        mFacts.pop_front();
        ++mFactsRunning;
    } else {
        job = {mTracks.front(), false};
        mTracks.pop_front();
    }
    return true;
}

void ParseScheduler::jobDone(const Job &job)
{
    if (!job.factsOnly)
        return;
    std::lock_guard<std::mutex> lock(mMutex);
    // The worker that found only tracks waiting for these facts has gone; the tracks need
    // their full set of workers again.
    if (--mFactsRunning == 0)
        startWorkers();
}
