// Plays 1 or 4 channels of 1080p30 H.264 and prints start-up time, real-time ratio, CPU,
// the spread between players after a long play and after a seek, and screenshot latency.
// Run under a real X server: xvfb-run -a -s "-screen 0 1920x1080x24" bench_playback [channels]
// [seconds]
#include "library/playlistitem.h"
#include "platform/fileurl.h"
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

qint64 spread(PlayAreaManager &area)
{
    qint64 low = LLONG_MAX, high = LLONG_MIN;
    for (QMediaPlayer *player : players(area)) {
        low = qMin(low, player->position());
        high = qMax(high, player->position());
    }
    return high - low;
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
    const int channels = argc > 1 ? qBound(1, atoi(argv[1]), 4) : 4;
    const int seconds = argc > 2 ? qMax(5, atoi(argv[2])) : 60;
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
    QElapsedTimer wall;
    wall.start();
    qint64 worstSpread = 0;
    while (wall.elapsed() < seconds * 1000) {
        QTest::qWait(1000);
        worstSpread = qMax(worstSpread, spread(*area));
    }
    const double elapsed = wall.elapsed() / 1000.0;
    const double advanced = (players(*area).first()->position() - startPosition) / 1000.0;
    printf("played %.1f s of media in %.1f s of wall time (ratio %.3f), CPU %.0f%% of one core\n",
           advanced, elapsed, advanced / elapsed, 100.0 * (cpuSeconds() - startCpu) / elapsed);
    QStringList positions;
    for (QMediaPlayer *player : players(*area))
        positions << QString::number(player->position());
    printf("positions after %d s: %s; spread %lld ms (worst seen %lld ms)\n", seconds,
           qPrintable(positions.join(' ')), spread(*area), worstSpread);

    area->seek(5);
    QTest::qWait(2000);
    printf("spread 2 s after seek(5): %lld ms\n", spread(*area));
    area->onSliderStatusChanged(true, 8);
    area->onSliderStatusChanged(false, 8);
    QTest::qWait(2000);
    printf("spread 2 s after slider release at 8 s: %lld ms\n", spread(*area));

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
