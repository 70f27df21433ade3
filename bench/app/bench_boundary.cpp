// A scenario run by hand under Xvfb: a drive played through the end of one recording into the
// next. For every channel it prints how long the picture stood between the last frame of one
// recording and the first of the next, beyond the recording's own end, in ms and in frames.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_boundary [FOLDER]
//
// FOLDER defaults to the demo card (build/demo, written by waylume-demo): three 30-second
// recordings of one drive, front and rear at 25 frames a second.
#include "app/mainwindows.h"
#include "library/playlistitem.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "platform/websandbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <map>

namespace {

struct Channel
{
    const char *name;
    ShowMode mode;
    // Per recording (row): the wall time of its first position past 0, and of its last
    // position report with how far that was from the end.
    std::map<int, qint64> first;
    std::map<int, qint64> lastWall;
    std::map<int, qint64> lastLeft;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakeaudiosink");
    WebSandbox::disableWhenRoot();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WAYLUME_BIN_DIR "/../demo");

    MainWindows window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *area = window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"));
    QElapsedTimer clock;
    clock.start();
    Channel channels[] = {{"front", ShowFront, {}, {}, {}}, {"rear", ShowRear, {}, {}, {}}};
    window.openFolder(folder);
    // Each recording of a drive may play on players of its own (the next one is preloaded):
    // players are watched as they appear, and a report counts for the current recording only
    // while its player is that channel's player of the play area.
    const auto watch = [&] {
        for (Channel &channel : channels) {
            PlayerWidget *player = area->playerFor(channel.mode);
            if (!player || player->property("benchWatched").toBool())
                continue;
            player->setProperty("benchWatched", true);
            QMediaPlayer *media = player->mediaPlayer();
            media->setNotifyInterval(10);
            QObject::connect(
                media, &QMediaPlayer::positionChanged, area, [&, player, media](qint64 position) {
                    const PlaylistItem *item = area->currentItem();
                    if (!item || position <= 0 || area->playerFor(channel.mode) != player)
                        return;
                    const int row = item->rowId;
                    if (!channel.first.count(row))
                        channel.first[row] = clock.elapsed();
                    channel.lastWall[row] = clock.elapsed();
                    channel.lastLeft[row] = qMax<qint64>(0, media->duration() - position);
                });
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, area, watch);
    QObject::connect(area, &PlayAreaManager::advanced, area, watch);
    poll.start(5);
    // Until the last recording has played a few seconds.
    (void)QTest::qWaitFor(
        [&] {
            const PlaylistItem *item = area->currentItem();
            return item && item->rowId >= 2 && channels[0].first.count(2) &&
                   clock.elapsed() - channels[0].first[2] > 3000;
        },
        150000);
    const double frameMs = 1000.0 / 25;
    int result = 1;
    for (const Channel &channel : channels) {
        for (const auto &entry : channel.first) {
            const int row = entry.first;
            if (!channel.lastWall.count(row - 1))
                continue;
            // The picture would have gone on for lastLeft more ms without a cut.
            const qint64 gap =
                entry.second - (channel.lastWall.at(row - 1) + channel.lastLeft.at(row - 1));
            printf("%s: recording %d -> %d: picture gap %lld ms (%.1f frames)\n", channel.name,
                   row - 1, row, gap, gap / frameMs);
            result = 0;
        }
    }
    return result;
}
