// Scenarios run by hand under Xvfb on a card of three-minute recordings with real video, in
// three GPS arrangements (row i gets arrangement i % 3):
//
//   last: opens the card in the main window and at once double-clicks its last row; prints how
//         long the GUI thread was held by the double click and how long until that row's first
//         frame.
//   play: opens the card and lets the first recording play while the playlist fills; prints
//         when every row showed its facts, the first recording's position per wall second
//         and how often the control panel found playback stalled.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_firstframe [rows] [--mode=last|play]
//       [--slow-us=N] [--delay=MS] [--seconds=S]
//
// --slow-us adds N microseconds to every read of a file (SlowStorage); --delay sets the parse
// delay ("ParseDelayMs"), 0 unless given, like the player's default.
#include "../common/slowstorage.h"
#include "app/mainwindows.h"
#include "library/playlistmodel.h"
#include "parser/parserobject.h"
#include "parser/videoparser.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <atomic>
#include <unistd.h>

namespace {

std::atomic<int> stalls{0};

// Three real-video sources, hard-linked under the names of a card.
QString makeCard(int rows)
{
    const QString root = QStringLiteral(WAYLUME_BIN_DIR "/../firstframe-bench");
    const QString folder = root + QStringLiteral("/card%1/DCIM").arg(rows);
    QDir().mkpath(folder);
    const QList<Simulator::Arrangement> kinds = {Simulator::Arrangement::GpsMetaTrack,
                                                 Simulator::Arrangement::Gps0Box,
                                                 Simulator::Arrangement::FreeGpsAudio};
    QStringList sources;
    for (const Simulator::Arrangement kind : kinds) {
        const QString source = root + '/' + Simulator::arrangementName(kind) + ".MP4";
        sources << source;
        if (QFile::exists(source))
            continue;
        Simulator::Recording recording;
        recording.arrangement = kind;
        recording.track = Simulator::makeTrack(181);
        recording.duration = 180;
        recording.realVideo = true;
        recording.width = 640;
        recording.height = 360;
        QString error;
        if (!Simulator::write(recording, source, &error))
            qFatal("%s", qPrintable(error));
    }
    for (int i = 0; i < rows; ++i) {
        const QString name =
            QStringLiteral("%1/20240517_%2_%3F.MP4")
                .arg(folder)
                .arg(QTime(0, 0).addSecs(180 * i).toString(QStringLiteral("hhmmss")))
                .arg(10 * i + 1, 7, 10, QLatin1Char('0'));
        if (!QFile::exists(name))
            ::link(QFile::encodeName(sources.at(i % 3)).constData(),
                   QFile::encodeName(name).constData());
    }
    return folder;
}

int allFactsShown(const PlaylistModel *model)
{
    int shown = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        shown += model->durationAt(row) > 0 ? 1 : 0;
    return shown;
}

int doubleClickLast(MainWindows &window, const QString &folder, int rows)
{
    auto *area = window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("tbl_PlayListView"));
    window.openFolder(folder);
    const QModelIndex last = table->model()->index(table->model()->rowCount() - 1, 0);

    QElapsedTimer clock;
    qint64 firstFrame = -1;
    // The player reports its position once a second by default, which would round the
    // figure up to the next report.
    area->playerFor(ShowFront)->mediaPlayer()->setNotifyInterval(20);
    QObject::connect(area->playerFor(ShowFront)->mediaPlayer(), &QMediaPlayer::positionChanged,
                     area, [&](qint64 position) {
                         const PlaylistItem *item = area->currentItem();
                         if (firstFrame < 0 && position > 0 && item && item->rowId == last.row())
                             firstFrame = clock.elapsed();
                     });
    clock.start();
    emit table->doubleClicked(last);
    const qint64 held = clock.elapsed();
    (void)QTest::qWaitFor([&] { return firstFrame >= 0; }, 30000);
    printf("rows %d: double click on row %d held the GUI thread %lld ms; first frame after %lld "
           "ms\n",
           rows, last.row(), held, firstFrame);
    return firstFrame >= 0 ? 0 : 1;
}

int playWhileFilling(MainWindows &window, const QString &folder, int rows, int seconds)
{
    auto *area = window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("tbl_PlayListView"));
    QMediaPlayer *player = area->playerFor(ShowFront)->mediaPlayer();
    player->setNotifyInterval(20);
    QElapsedTimer clock;
    clock.start();
    window.openFolder(folder);
    auto *model = qobject_cast<PlaylistModel *>(table->model());
    (void)QTest::qWaitFor([&] { return player->position() > 0; }, 30000);
    const qint64 firstFrame = clock.elapsed();
    const qint64 startPosition = player->position();
    const qint64 startWall = clock.elapsed();
    qint64 factsAt = -1;
    while (clock.elapsed() - startWall < seconds * 1000) {
        QTest::qWait(20);
        if (factsAt < 0 && model && allFactsShown(model) == model->rowCount())
            factsAt = clock.elapsed();
    }
    const double ratio =
        double(player->position() - startPosition) / double(clock.elapsed() - startWall);
    if (factsAt < 0 && model && QTest::qWaitFor([&] { return allFactsShown(model) == rows; }, 60000))
        factsAt = clock.elapsed();
    printf("rows %d: first frame of row 0 after %lld ms; every row's facts after %lld ms; "
           "position per wall second over %d s: %.3f; stalls detected: %d\n",
           rows, firstFrame, factsAt, seconds, ratio, stalls.load());

    // A seek while the tracks are still being read, and one with the background work held.
    const auto seekMs = [&](int target) {
        QElapsedTimer seekClock;
        seekClock.start();
        area->seek(target);
        const bool landed = QTest::qWaitFor(
            [&] { return player->position() > target * 1000 + 100; }, 20000);
        return landed ? seekClock.elapsed() : -1;
    };
    const int tracksLeft = model ? model->rowCount() - [&] {
        int done = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            done += model->itemAt(row)->parser->isFinished() ? 1 : 0;
        return done;
    }() : 0;
    const qint64 busySeek = seekMs(120);
    if (model)
        model->setParsingSuspended(true);
    QTest::qWait(300); // the jobs under way finish
    const qint64 quietSeek = seekMs(60);
    if (model)
        model->setParsingSuspended(false);
    printf("seek with %d tracks still to read: %lld ms; with the background work held: %lld ms\n",
           tracksLeft, busySeek, quietSeek);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakeaudiosink");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (message.startsWith(QLatin1String("***Playnext 4!")))
            ++stalls;
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    int rows = 500;
    int slowUs = 0;
    int seconds = 20;
    QByteArray mode = "last";
    ParserObject::setParseDelayMs(0);
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--mode="))
            mode = arg.mid(7);
        else if (arg.startsWith("--slow-us="))
            slowUs = arg.mid(10).toInt();
        else if (arg.startsWith("--delay="))
            ParserObject::setParseDelayMs(arg.mid(8).toInt());
        else if (arg.startsWith("--seconds="))
            seconds = qMax(1, arg.mid(10).toInt());
        else
            rows = qMax(3, arg.toInt());
    }
    const QString folder = makeCard(rows);

    MainWindows window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    printf("parse delay %d ms, %d us per read\n", ParserObject::parseDelayMs(), slowUs);
    SlowStorage::enable(slowUs);
    const int result = mode == "play" ? playWhileFilling(window, folder, rows, seconds)
                                      : doubleClickLast(window, folder, rows);
    SlowStorage::disable();
    printf("reads slowed: %lld\n", SlowStorage::slowedReads());
    return result;
}
