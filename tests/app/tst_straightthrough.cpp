// A drive played straight through, with real decoding under a real X server: at the end of
// the first recording the preloaded second one takes over on every channel without the
// window ever stopping, and the row, the position reports and the track follow it.
#include "app/mainwindows.h"
#include "controls/controlpanel.h"
#include "events/eventlistpanel.h"
#include "parser/videoparser.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestStraightThrough : public QObject
{
    Q_OBJECT

private slots:
    void aDriveGoesOnIntoItsNextRecordingWithoutAStop();
};

void TestStraightThrough::aDriveGoesOnIntoItsNextRecordingWithoutAStop()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        QSKIP("ffmpeg is needed to encode the recordings");
    VideoParser::setParseDelayMs(0);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir root;
    const QString card = root.filePath("card");
    QVERIFY(QDir().mkpath(card));
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 30, 0));
    constexpr int Seconds = 7;
    QStringList rears;
    for (int r = 0; r < 2; ++r) {
        Simulator::TrackShape shape;
        shape.start = t0.addSecs(Seconds * r);
        Simulator::Recording recording;
        recording.track = Simulator::makeTrack(Seconds, shape);
        recording.duration = Seconds;
        recording.creationTime = shape.start;
        recording.realVideo = true;
        recording.width = 320;
        recording.height = 240;
        const QString stem = card + shape.start.toString("/yyyyMMdd_hhmmss_") +
                             QString("%1").arg(10 * r + 1, 7, 10, QLatin1Char('0'));
        for (const char *channel : {"F.MP4", "R.MP4"}) {
            QString error;
            QVERIFY2(Simulator::write(recording, stem + channel, &error), qPrintable(error));
        }
        rears.append(QFileInfo(stem + "R.MP4").fileName());
    }
    MainWindows window(nullptr);
    window.show();
    auto *area = window.findChild<PlayAreaManager *>("wgt_PlayArea");
    auto *events = window.findChild<EventListPanel *>("wgt_EventList");
    auto *table = window.findChild<QTableView *>("tbl_PlayListView");
    QVERIFY(area && events && table);
    qRegisterMetaType<QMediaPlayer::State>();
    QSignalSpy states(area, &PlayAreaManager::stateChanged);
    QSignalSpy positions(area, &PlayAreaManager::positionChanged);
    QSignalSpy advanced(area, &PlayAreaManager::advanced);
    window.openFolder(card);
    QTRY_VERIFY_WITH_TIMEOUT(window.mediaState() == QMediaPlayer::PlayingState, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(events->summary().drives.size(), 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(area->preloadedItem() && area->preloadedItem()->rowId == 1,
                             10000);
    PlayerWidget *firstFront = area->playerFor(ShowFront);

    QTRY_COMPARE_WITH_TIMEOUT(advanced.size(), 1, 15000);
    QCOMPARE(area->currentItem()->rowId, 1);
    QVERIFY(area->playerFor(ShowFront) != firstFront);
    QTRY_COMPARE(table->currentIndex().row(), 1);
    const int handOver = positions.size();
    // Both channels run on in the second recording, together.
    QMediaPlayer *front = area->playerFor(ShowFront)->mediaPlayer();
    QMediaPlayer *rear = area->playerFor(ShowRear)->mediaPlayer();
    QVERIFY(rear->media().request().url().fileName() == rears.at(1));
    QTRY_VERIFY_WITH_TIMEOUT(front->position() >= 2000, 10000);
    QCOMPARE(rear->state(), QMediaPlayer::PlayingState);
    QVERIFY2(qAbs(front->position() - rear->position()) < 400,
             qPrintable(QString("front %1 rear %2").arg(front->position()).arg(rear->position())));

    // From the first start on, the window never saw a stop.
    bool playing = false;
    for (const QList<QVariant> &state : qAsConst(states)) {
        const auto s = state.at(0).value<QMediaPlayer::State>();
        if (s == QMediaPlayer::PlayingState)
            playing = true;
        else if (playing)
            QFAIL(qPrintable(QString("state %1 after the start").arg(int(s))));
    }
    // After the hand-over only the second recording reports, from its start on.
    QVERIFY(positions.size() > handOver);
    qint64 previous = -1;
    for (int i = handOver; i < positions.size(); ++i) {
        const qint64 second = positions.at(i).at(0).toLongLong();
        QCOMPARE(positions.at(i).at(1).toInt(), 1);
        QVERIFY(second >= previous && second <= 3);
        previous = second;
    }
}

QTEST_MAIN(TestStraightThrough)
#include "tst_straightthrough.moc"
