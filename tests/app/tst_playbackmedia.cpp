#include "app/mainwindows.h"
#include "instruments/gyrochartview.h"
#include "instruments/mapwebview.h"
#include "instruments/speedtray.h"
#include "parser/videoparser.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtCharts/QLineSeries>
#include <QtTest>

// Real decoding under a real X server: a card of two short recordings with H.264 video
// plays the first through to its end and then the second.
class TestPlaybackMedia : public QObject
{
    Q_OBJECT

private slots:
    void cardPlaysFromOneRecordingIntoTheNext();
    void mapPageCallMovesPlaybackToThatSecond();
};

void TestPlaybackMedia::cardPlaysFromOneRecordingIntoTheNext()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        QSKIP("ffmpeg is needed to encode the recordings");
    VideoParser::setParseDelayMs(0);
    QStandardPaths::setTestModeEnabled(true);
    Configuration::instance()->setSpeedUnit(0);
    QTemporaryDir card;
    const QString folder = card.path() + "/DCIM";
    QVERIFY(QDir().mkpath(folder));
    Simulator::Recording recording;
    recording.track = Simulator::makeTrack(3);
    recording.realVideo = true;
    recording.width = 320;
    recording.height = 240;
    for (const char *name : {"20240517_083000_0000001F.MP4", "20240517_083100_0000011F.MP4"}) {
        QString error;
        QVERIFY2(Simulator::write(recording, folder + "/" + name, &error), qPrintable(error));
    }

    MainWindows window(nullptr);
    window.show();
    auto *area = window.findChild<PlayAreaManager *>("wgt_PlayArea");
    QSignalSpy positions(area, &PlayAreaManager::positionChanged);
    window.openFolder(folder);

    // Positions past 0 of the second row: the first ran out and the second really plays.
    const auto secondRowMoves = [&positions] {
        for (const QList<QVariant> &position : positions)
            if (position.at(1).toInt() == 1 && position.at(0).toLongLong() > 0)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(secondRowMoves(), 20000);
    QCOMPARE(window.mediaState(), QMediaPlayer::PlayingState);

    // The instruments follow the second row: its G-sensor samples (one a record), the cursor,
    // and the gauges at the record of a second past 0.
    const auto series = window.findChild<GyroChartView *>("gView_GyroChart")->chart()->series();
    QVERIFY(qobject_cast<QtCharts::QLineSeries *>(series.at(0))->count() >= 3);
    QCOMPARE(qobject_cast<QtCharts::QLineSeries *>(series.at(3))->count(), 2);
    const int speed = window.findChild<SpeedTray *>("wgt_Speed")->shownValue();
    QVERIFY2(speed > 0 && (speed == recording.track[1].speed || speed == recording.track[2].speed),
             qPrintable(QString::number(speed)));
}

// The map page's web channel call for track point 5 reaches the window: the playing row
// moves to its fifth second, every channel together.
void TestPlaybackMedia::mapPageCallMovesPlaybackToThatSecond()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        QSKIP("ffmpeg is needed to encode the recordings");
    VideoParser::setParseDelayMs(0);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir root;
    // A fixed name: the temporary one can end in F or R and would name a channel folder.
    const QString card = root.filePath("card");
    QVERIFY(QDir().mkpath(card));
    Simulator::Recording recording;
    recording.track = Simulator::makeTrack(10);
    recording.realVideo = true;
    recording.width = 320;
    recording.height = 240;
    for (const char *name : {"20240517_083000_0000001F.MP4", "20240517_083000_0000001R.MP4"}) {
        QString error;
        QVERIFY2(Simulator::write(recording, card + "/" + name, &error), qPrintable(error));
    }
    MainWindows window(nullptr);
    window.show();
    auto *area = window.findChild<PlayAreaManager *>("wgt_PlayArea");
    auto *map = window.findChild<MapWebView *>("wgt_MapView");
    QSignalSpy clicked(map, &MapWebView::trackPointClicked);
    window.openFolder(card);
    QTRY_VERIFY_WITH_TIMEOUT(window.mediaState() == QMediaPlayer::PlayingState, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(area->playerFor(ShowRear) &&
                                 area->playerFor(ShowRear)->mediaPlayer()->position() > 0,
                             20000);
    // The page's own channel script, loaded by the page, carries the call.
    const auto channelReady = [map] {
        bool ready = false, done = false;
        map->page()->runJavaScript("waylumeMap.seekChannelReady()", [&](const QVariant &v) {
            ready = v.toBool();
            done = true;
        });
        QDeadlineTimer deadline(5000);
        while (!done && !deadline.hasExpired())
            QTest::qWait(20);
        return ready;
    };
    QTRY_VERIFY_WITH_TIMEOUT(channelReady(), 20000);
    QSignalSpy positions(area, &PlayAreaManager::positionChanged);
    map->page()->runJavaScript("new QWebChannel(qt.webChannelTransport, function (c) {"
                               " c.objects.trackSeek.seekToTrackPoint(5); });");
    QTRY_COMPARE_WITH_TIMEOUT(clicked.size(), 1, 10000);
    QCOMPARE(clicked.first().first().toInt(), 5);
    const auto atFive = [](QMediaPlayer *p) {
        return p->position() >= 5000 && p->position() < 7500;
    };
    QTRY_VERIFY_WITH_TIMEOUT(atFive(area->playerFor(ShowFront)->mediaPlayer()) &&
                                 atFive(area->playerFor(ShowRear)->mediaPlayer()),
                             10000);
    // The window follows to row 0 at that second; a busy machine may report the first tick
    // after the seek a second or two later.
    const auto rowZeroAtFive = [&positions] {
        for (const QList<QVariant> &p : positions)
            if (p.at(1).toInt() == 0 && p.at(0).toLongLong() >= 5 && p.at(0).toLongLong() <= 7)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(rowZeroAtFive(), 5000);
}

QTEST_MAIN(TestPlaybackMedia)
#include "tst_playbackmedia.moc"
