#pragma once

#include <QThreadPool>
#include <deque>
#include <mutex>

class VideoParser;

// Runs the playlist's parse work in the order that fills a card's playlist fastest and keeps
// its playback smooth: first the facts of every row (headers only, so the columns fill at
// header speed), then the tracks row by row, on background threads at idle I/O and lowest
// CPU priority. The track of the row about to play skips the line: it runs at once on a lane
// of its own at normal priority.
class ParseScheduler
{
public:
    explicit ParseScheduler(int backgroundThreads = 2);
    // stop()
    ~ParseScheduler();
    ParseScheduler(const ParseScheduler &) = delete;
    ParseScheduler &operator=(const ParseScheduler &) = delete;

    // Queues the parser's facts and its track. The parser must outlive stop().
    void add(VideoParser *parser);
    // The row about to play: its whole parse, at once.
    void runNow(VideoParser *parser);
    // While suspended no background work starts (the lane of runNow keeps running).
    void setSuspended(bool suspended);
    // Drops the queued work and waits until the running work has finished.
    void stop();

private:
    class Worker;
    struct Job
    {
        VideoParser *parser = nullptr;
        bool factsOnly = false;
    };

    bool takeNext(Job &job);
    void jobDone(const Job &job);
    // mMutex held.
    void startWorkers();
    bool hasWorkLocked() const;

    std::mutex mMutex;
    std::deque<VideoParser *> mFacts;
    std::deque<VideoParser *> mTracks;
    int mFactsRunning = 0;
    int mWorkers = 0;
    int mMaxWorkers;
    bool mSuspended = false;
    QThreadPool mBackground;
    QThreadPool mNow;
};
