// Opens a card of three-minute recordings in the main window and at once double-clicks its
// last row, whose track no job has read yet; prints how long the GUI thread was held by the
// double click and how long until the recording's first frame. Run under a real X server:
// xvfb-run -a -s "-screen 0 1920x1080x24" bench_firstframe [rows]
#include "app/mainwindows.h"
#include "library/playlistmodel.h"
#include "parser/parserobject.h"
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

namespace {

// One real-video recording of three minutes, copied under the names of a card.
QString makeCard(int rows)
{
    const QString folder = QStringLiteral(WAYLUME_BIN_DIR "/../firstframe-bench/DCIM");
    QDir().mkpath(folder);
    const QString source = folder + QStringLiteral("/../source.MP4");
    if (!QFile::exists(source)) {
        Simulator::Recording recording;
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
                .arg(QTime(8, 0).addSecs(180 * i).toString(QStringLiteral("hhmmss")))
                .arg(10 * i + 1, 7, 10, QLatin1Char('0'));
        if (!QFile::exists(name))
            QFile::copy(source, name);
    }
    return folder;
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
    const int rows = argc > 1 ? qMax(3, atoi(argv[1])) : 8;
    const QString folder = makeCard(rows);
    // The player's default pacing of background jobs.
    ParserObject::setParseDelayMs(5);

    MainWindows window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *area = window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("tbl_PlayListView"));
    window.openFolder(folder);
    const QModelIndex last = table->model()->index(table->model()->rowCount() - 1, 0);

    QElapsedTimer clock;
    qint64 firstFrame = -1;
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
