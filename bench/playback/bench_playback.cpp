// Plays 1 or 4 channels of 1080p30 H.264 and prints start-up time, real-time ratio, CPU,
// the spread between players over a long play and after a seek, a rate change and a pause,
// the corrections that kept them in step, and screenshot latency.
// Run under a real X server:
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_playback [channels] [seconds] [--load N]
//   [--no-sync]
// --load N runs N busy processes beside the player; --no-sync measures the players left alone.
#include "library/playlistitem.h"
#include "platform/fileurl.h"
#include "playback/channelsync.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString makeClip(const QString &folder, int seconds)
{
    const QString path = QStringLiteral("%1/20230101_120000_F_%2s.MP4").arg(folder).arg(seconds);
    if (QFileInfo(path).size() > 0)
        return path;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v",
                                            "error",
                                            "-y",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "testsrc2=size=1920x1080:rate=30",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "sine=frequency=440",
                                            "-t",
                                            QString::number(seconds),
                                            "-c:v",
                                            "libx264",
                                            "-preset",
                                            "veryfast",
                                            "-g",
                                            "30",
                                            "-b:v",
                                            "8M",
                                            "-pix_fmt",
                                            "yuv420p",
                                            "-c:a",
                                            "aac",
                                            "-shortest",
                                            path});
    ffmpeg.waitForFinished(-1);
    return path;
}

QList<QMediaPlayer *> players(PlayAreaManager &area)
{
    QList<QMediaPlayer *> list;
    for (ShowMode channel : {ShowFront, ShowRear, ShowThird, ShowFourth}) {
        if (PlayerWidget *player = area.playerFor(channel))
            list.append(player->mediaPlayer());
    }
    return list;
}

// The largest distance of a secondary player from the main one; the main player is read
// before and after the others, so a reading interrupted by the loaded machine is retried.
qint64 spread(PlayAreaManager &area)
{
    const QList<QMediaPlayer *> list = players(area);
    for (int attempt = 0; attempt < 5; ++attempt) {
        QElapsedTimer reading;
        reading.start();
        const qint64 before = list.first()->position();
        QList<qint64> positions;
        for (int i = 1; i < list.size(); ++i)
            positions << list.at(i)->position();
        const qint64 main = (before + list.first()->position()) / 2;
        if (reading.elapsed() > 4 && attempt < 4)
            continue;
        qint64 worst = 0;
        for (qint64 position : positions)
            worst = qMax(worst, qAbs(position - main));
        return worst;
    }
    return 0;
}

struct Spread
{
    QVector<qint64> samples;
    void add(qint64 value) { samples.append(value); }
    QString text() const
    {
        if (samples.isEmpty())
            return QStringLiteral("no samples");
        QVector<qint64> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        const auto at = [&](double share) {
            return sorted.at(qMin(sorted.size() - 1, int(share * sorted.size())));
        };
        const int over = int(
            std::count_if(sorted.begin(), sorted.end(), [](qint64 value) { return value > 40; }));
        return QStringLiteral("median %1 ms, 95% %2 ms, worst %3 ms, over 40 ms in %4 of %5")
            .arg(at(0.5))
            .arg(at(0.95))
            .arg(sorted.last())
            .arg(over)
            .arg(sorted.size());
    }
};

// Samples the spread every 200 ms for `ms`.
Spread watch(PlayAreaManager &area, int ms)
{
    Spread result;
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < ms) {
        QTest::qWait(200);
        result.add(spread(area));
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakeaudiosink");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool noSync = arguments.removeAll(QStringLiteral("--no-sync")) > 0;
    int loadProcesses = 0;
    if (const int at = arguments.indexOf(QStringLiteral("--load")); at >= 0) {
        loadProcesses = at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : 2;
        arguments.erase(arguments.begin() + at, arguments.begin() + qMin(at + 2, arguments.size()));
    }
    const int channels = arguments.size() > 0 ? qBound(1, arguments.at(0).toInt(), 4) : 4;
    const int seconds = arguments.size() > 1 ? qMax(5, arguments.at(1).toInt()) : 60;
    const QString folder = QStringLiteral(WAYLUME_BIN_DIR "/../playback-bench");
    QDir().mkpath(folder);
    const QString clip = makeClip(folder, qMax(80, seconds + 20));
    QTemporaryDir shots;
    Configuration::instance()->setScreenshotSavePath(shots.path());

    QWidget window;
    window.resize(1280, 720);
    auto *area = new PlayAreaManager(&window);
    area->resize(1280, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    PlaylistItem item;
    item.rowId = 1;
    item.url = QUrl(FileUrl::fromLocalPath(clip));
    const QString url = FileUrl::fromLocalPath(clip);
    area->setChannelPresence(true, channels > 1, channels > 2, channels > 3);
    area->setSources(&item, channels > 1 ? url : QString(), channels > 2 ? url : QString(),
                     channels > 3 ? url : QString());
    area->setChannelCount(channels);
    area->channelSync()->setEnabled(!noSync);

    // Busy processes beside the player, as other programs on a loaded machine.
    std::vector<std::unique_ptr<QProcess>> load;
    for (int i = 0; i < loadProcesses; ++i) {
        load.push_back(std::make_unique<QProcess>());
        load.back()->start(QStringLiteral("sh"),
                           {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    }
    printf("channel sync %s, %d busy processes beside the player\n", noSync ? "off" : "on",
           loadProcesses);

    QElapsedTimer clock;
    qint64 firstPosition = -1;
    // The play area's first report (second 0) comes before any frame; the first report of
    // a position past 0 is when the recording has really started.
    qint64 firstReport = -1;
    QObject::connect(area, &PlayAreaManager::positionChanged, area, [&] {
        if (firstReport < 0)
            firstReport = clock.elapsed();
    });
    QObject::connect(players(*area).first(), &QMediaPlayer::positionChanged, area,
                     [&](qint64 position) {
                         if (firstPosition < 0 && position > 0)
                             firstPosition = clock.elapsed();
                     });
    clock.start();
    area->loadMedia();
    area->play();
    (void)QTest::qWaitFor([&] { return firstPosition >= 0; }, 30000);
    qint64 allPlaying = -1;
    (void)QTest::qWaitFor(
        [&] {
            for (QMediaPlayer *player : players(*area)) {
                if (player->position() <= 0)
                    return false;
            }
            allPlaying = clock.elapsed();
            return true;
        },
        30000);
    printf("channels %d: first positionChanged after %lld ms, first position past 0 after %lld ms, "
           "all players "
           "moving after %lld ms\n",
           channels, firstReport, firstPosition, allPlaying);

    const qint64 startPosition = players(*area).first()->position();
    const double startCpu = cpuSeconds();
    const int startCorrections = area->channelSync()->corrections();
    QElapsedTimer wall;
    wall.start();
    // The first seconds are the start itself; the long play is measured from there.
    const Spread start = watch(*area, 3000);
    const Spread play = watch(*area, seconds * 1000 - 3000);
    const double elapsed = wall.elapsed() / 1000.0;
    const double advanced = (players(*area).first()->position() - startPosition) / 1000.0;
    printf("played %.1f s of media in %.1f s of wall time (ratio %.3f), CPU %.0f%% of one core\n",
           advanced, elapsed, advanced / elapsed, 100.0 * (cpuSeconds() - startCpu) / elapsed);
    const int corrections = area->channelSync()->corrections() - startCorrections;
    printf("spread in the first 3 s: %s\n", qPrintable(start.text()));
    printf("spread over the next %d s: %s\n", seconds - 3, qPrintable(play.text()));
    printf("corrections: %d in %.0f s (%.1f per minute)\n", corrections, elapsed,
           corrections * 60.0 / elapsed);

    // After each user action: the first 3 s (settling, corrected), then the 3 s after.
    const auto afterAction = [&](const char *what, const std::function<void()> &action) {
        const int before = area->channelSync()->corrections();
        action();
        const Spread settling = watch(*area, 3000);
        const Spread after = watch(*area, 3000);
        printf("%s: first 3 s %s; next 3 s %s; %d corrections\n", what, qPrintable(settling.text()),
               qPrintable(after.text()), area->channelSync()->corrections() - before);
    };
    afterAction("seek(5)", [&] { area->seek(5); });
    afterAction("slider released at 20 s", [&] {
        area->onSliderStatusChanged(true, 20);
        area->onSliderStatusChanged(false, 20);
    });
    afterAction("rate 2.0", [&] { area->setPlaybackRate(2.0); });
    afterAction("rate 1.0", [&] { area->setPlaybackRate(1.0); });
    afterAction("pause 1 s and resume", [&] {
        area->pause();
        QTest::qWait(1000);
        area->play();
    });
    for (auto &process : load) {
        process->kill();
        process->waitForFinished(2000);
    }

    // Screenshot of the visible channels (all of them) while playing.
    area->setShowMode(ShowFront);
    QElapsedTimer shot;
    shot.start();
    area->screenshot();
    qint64 onDisk = -1;
    (void)QTest::qWaitFor(
        [&] {
            const QFileInfoList files =
                QDir(shots.path()).entryInfoList({QStringLiteral("*.jpeg")}, QDir::Files);
            if (!files.isEmpty() && files.first().size() > 0 && onDisk < 0)
                onDisk = shot.elapsed();
            return !PlayerWidget::capturePending;
        },
        30000);
    printf("screenshot: JPEG on disk after %lld ms, result shown after %lld ms\n", onDisk,
           shot.elapsed());
    return 0;
}
