#include "app/mainwindows.h"
#include "controls/controlpanel.h"
#include "instruments/directiontray.h"
#include "instruments/gyrochartview.h"
#include "instruments/speedtray.h"
#include "library/playlistmodel.h"
#include "parser/videoparser.h"
#include "platform/fileurl.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>
#include <cmath>
#include <memory>

// The window's playback flow over a real folder of simulated recordings: what opening,
// dropping and stepping through it does to the playlist, the play area and the panel.
class TestPlaybackFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openingAFolderStartsItsFirstRecordingWithBothChannels();
    void droppedRearFileAddsItsFrontRow();
    void nextOnTheLastRowStopsAndHidesThePlayers();
    // The window's own rules.
    void recordingUnderTwoSecondsIsSkipped();
    void staleAndRepeatedUpdatesAreIgnored();
    void keysOfTheFocusedPanelAndViewButtonsReachThePlayArea();
    void chartTakesOneSamplePerSecondWhenRecordsComePerFrame();
    void instrumentsFollowOnlyThePlayingRow();
    void anOpenThatFindsNothingSaysSo();

private:
    // Two recordings of a front + rear camera that names channels by letter.
    void writeCard();
    PlayAreaManager *playArea() const
    {
        return window->findChild<PlayAreaManager *>("wgt_PlayArea");
    }
    QTableView *table() const { return window->findChild<QTableView *>("tbl_PlayListView"); }
    PlaylistModel *model() const { return qobject_cast<PlaylistModel *>(table()->model()); }
    ControlPanel *panel() const { return window->findChild<ControlPanel *>("wgt_PlayCtrl"); }
    // Opens the card and waits until the first row's track has come and both rows are parsed.
    void openCard();
    GyroChartView *chart() const { return window->findChild<GyroChartView *>("gView_GyroChart"); }
    QtCharts::QLineSeries *chartX() const
    {
        QCoreApplication::sendPostedEvents(); // the chart hands samples over per loop turn
        return qobject_cast<QtCharts::QLineSeries *>(chart()->chart()->series().at(0));
    }
    SpeedTray *speedGauge() const { return window->findChild<SpeedTray *>("wgt_Speed"); }
    DirectionTray *compass() const { return window->findChild<DirectionTray *>("wgt_Direction"); }
    // Opens a folder with one 60-second recording of 25 frames a second and waits until
    // its own track has reached the chart.
    void openMinuteRecording(int *rowId);

    std::unique_ptr<QTemporaryDir> card;
    QString folder;
    std::unique_ptr<MainWindows> window;
};

void TestPlaybackFlow::initTestCase()
{
    VideoParser::setParseDelayMs(0);
}

void TestPlaybackFlow::init()
{
    card = std::make_unique<QTemporaryDir>();
    // A fixed folder name: the temporary directory's random name could end in "F" or "R" and
    // turn the folder into another naming scheme. The blank and '#' are percent-encoded in
    // the URLs that drops carry and must not get lost on the way.
    folder = card->path() + "/DCIM #1";
    QVERIFY(QDir().mkpath(folder));
    writeCard();
    window = std::make_unique<MainWindows>(nullptr);
    window->show();
}

void TestPlaybackFlow::cleanup()
{
    window.reset();
    card.reset();
}

void TestPlaybackFlow::writeCard()
{
    Simulator::Recording recording;
    recording.track = Simulator::makeTrack(5);
    for (const char *name : {"20240517_083000_0000001F.MP4", "20240517_083000_0000002R.MP4",
                             "20240517_083100_0000011F.MP4", "20240517_083100_0000012R.MP4"}) {
        QString error;
        QVERIFY2(Simulator::write(recording, folder + "/" + name, &error), qPrintable(error));
    }
}

void TestPlaybackFlow::openingAFolderStartsItsFirstRecordingWithBothChannels()
{
    const QString storedFolder = Configuration::instance()->videoFilePath();
    window->openFolder(folder);

    QCOMPARE(model()->rowCount(), 2);
    const PlaylistItem *item = playArea()->currentItem();
    QVERIFY(item);
    QCOMPARE(item->rowId, 0);
    QCOMPARE(item->fileName, QStringLiteral("20240517_083000_0000001F.MP4"));
    QCOMPARE(playArea()->channels(), 2);
    QVERIFY(playArea()->playerFor(ShowRear));
    QCOMPARE(table()->selectionModel()->selectedRows().value(0).row(), 0);
    QCOMPARE(window->findChild<QLabel *>("lbl_FileName")->text(), item->fileName);
    // A folder opened from the command line is not the dialog's next start folder.
    QCOMPARE(Configuration::instance()->videoFilePath(), storedFolder);
}

void TestPlaybackFlow::droppedRearFileAddsItsFrontRow()
{
    // The play area hands drops over as URL strings.
    window->onDropFile(FileUrl::fromLocalPath(folder + "/20240517_083100_0000012R.MP4"), 0);

    QCOMPARE(model()->rowCount(), 1);
    QCOMPARE(model()->itemAt(0)->fileName, QStringLiteral("20240517_083100_0000011F.MP4"));
    QVERIFY(playArea()->currentItem());
    QCOMPARE(playArea()->currentItem()->rowId, 0);
    QCOMPARE(playArea()->channels(), 2);

    // A second file of the same drop is listed but does not take over the play area.
    window->onDropFile(FileUrl::fromLocalPath(folder + "/20240517_083000_0000002R.MP4"), 1);
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(playArea()->currentItem()->rowId, 0);
}

void TestPlaybackFlow::nextOnTheLastRowStopsAndHidesThePlayers()
{
    window->openFolder(folder);
    window->nextClicked();
    QVERIFY(playArea()->currentItem());
    QCOMPARE(playArea()->currentItem()->rowId, 1);

    window->nextClicked();
    QVERIFY(!playArea()->currentItem());
    QCOMPARE(window->mediaState(), QMediaPlayer::StoppedState);
    QVERIFY(window->findChild<QLabel *>("lbl_FileName")->text().isEmpty());
    QVERIFY(!playArea()->playerFor(ShowFront)->isVisible());
    QVERIFY(!playArea()->playerFor(ShowRear)->isVisible());

    // Previous from the last row goes back to the first.
    window->previousClicked();
    QCOMPARE(playArea()->currentItem()->rowId, 0);
}

void TestPlaybackFlow::openCard()
{
    QSignalSpy tracks(model(), &PlaylistModel::allGpsDataParserFinished);
    window->openFolder(folder);
    QTRY_VERIFY(!tracks.isEmpty());
    QTRY_VERIFY(model()->durationAt(1) > 0);
}

void TestPlaybackFlow::recordingUnderTwoSecondsIsSkipped()
{
    openCard();
    window->durationChanged(2000);
    QCOMPARE(window->findChild<QSlider *>("hSlider_Seek")->maximum(), 2);
    QCOMPARE(playArea()->currentItem()->rowId, 0);
    window->durationChanged(1999);
    QTRY_VERIFY(playArea()->currentItem() && playArea()->currentItem()->rowId == 1);
}

void TestPlaybackFlow::staleAndRepeatedUpdatesAreIgnored()
{
    openCard();
    panel()->setState(QMediaPlayer::PausedState);
    QLabel *speed = window->findChild<QLabel *>("pBtn_SP");
    GpsData fix;
    fix.speed = 123;
    window->onGpsDataChanged(1, fix); // a late answer for a row no longer playing
    QVERIFY(!speed->text().startsWith("123"));
    window->onGpsDataChanged(0, fix);
    QVERIFY(speed->text().startsWith("123"));

    QSignalSpy shown(playArea(), &PlayAreaManager::showModeChanged);
    window->onAllGpsDataParserFinished(1, {});
    QCOMPARE(shown.count(), 0); // not started by another row's track
    window->onAllGpsDataParserFinished(0, {});
    QCOMPARE(shown.count(), 1);

    // Each whole second asks the playlist once, however often the players report it.
    QSignalSpy asked(model(), &PlaylistModel::gpsDataChanged);
    window->positionChanged(2, 0);
    asked.clear();
    window->positionChanged(3, 0);
    window->positionChanged(3, 0);
    QCOMPARE(asked.count(), 1);
    window->positionChanged(4, 0);
    QCOMPARE(asked.count(), 2);
}

void TestPlaybackFlow::keysOfTheFocusedPanelAndViewButtonsReachThePlayArea()
{
    window->openFolder(folder);
    window->durationChanged(5000);
    panel()->setState(QMediaPlayer::PausedState);
    // Arrow keys and space typed while the panel has the focus travel up to the window.
    QSignalSpy moved(panel(), &ControlPanel::sliderMoved);
    QSignalSpy play(panel(), &ControlPanel::play);
    QTest::keyClick(panel(), Qt::Key_Right);
    QTest::keyClick(panel(), Qt::Key_Left);
    QTest::keyClick(panel(), Qt::Key_Space);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(0).at(0).toInt(), 1);
    QCOMPARE(play.count(), 1);

    window->onRearView(true);
    QCOMPARE(playArea()->showMode(), ShowRear);
    window->onFrontView(false); // the button that was unchecked changes nothing
    QCOMPARE(playArea()->showMode(), ShowRear);
    window->onAllView(true);
    QCOMPARE(playArea()->showMode(), ShowAll);
    window->onFrontView(true);
    QCOMPARE(playArea()->showMode(), ShowFront);
}

void TestPlaybackFlow::openMinuteRecording(int *rowId)
{
    const QString minute = card->path() + "/minute";
    Simulator::Recording recording;
    recording.track = Simulator::makeTrack(60);
    recording.duration = 60;
    recording.frameRate = 25;
    QString error;
    QVERIFY(QDir().mkpath(minute));
    QVERIFY2(Simulator::write(recording, minute + "/20240517_090000_0000021F.MP4", &error),
             qPrintable(error));
    window->openFolder(minute);
    QVERIFY(playArea()->currentItem());
    *rowId = playArea()->currentItem()->rowId;
    QTRY_VERIFY_WITH_TIMEOUT(chartX()->count() > 0, 10000);
}

// Records, as a camera that writes one per frame would deliver them: gsensorX tells the
// position, course and speed tell the record apart.
QList<GpsData> perFrameRecords(int count)
{
    QList<GpsData> records;
    for (int i = 0; i < count; ++i) {
        GpsData record;
        record.index = i;
        record.gsensorX = float(i) / 1000;
        record.speed = i % 221;
        record.course = i % 360;
        records.append(record);
    }
    return records;
}

void TestPlaybackFlow::chartTakesOneSamplePerSecondWhenRecordsComePerFrame()
{
    int rowId = -1;
    openMinuteRecording(&rowId);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(model()->durationAt(rowId), 60);

    // 1500 records for 60 s at 25 fps: the records at 0, 25, ..., 1475.
    window->onAllGpsDataParserFinished(rowId, perFrameRecords(1500));
    QCOMPARE(chartX()->count(), 60);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(chartX()->at(i), QPointF(i, double(float(25 * i) / 1000)));
    auto *axisX = qobject_cast<QtCharts::QValueAxis *>(chart()->chart()->axes(Qt::Horizontal)[0]);
    QCOMPARE(axisX->max(), 59.0);

    // Just enough to count as one a frame, (60 - 1) x 25 records: the last second has no
    // record of its own, so 59 samples on the minute's axis.
    window->onAllGpsDataParserFinished(rowId, perFrameRecords(1475));
    QCOMPARE(chartX()->count(), 59);
    QCOMPARE(chartX()->at(58).y(), double(float(1450) / 1000));
    QCOMPARE(axisX->max(), 59.0);

    // Fewer: every record in order.
    window->onAllGpsDataParserFinished(rowId, perFrameRecords(1474));
    QCOMPARE(chartX()->count(), 1474);
    QCOMPARE(chartX()->at(1473), QPointF(1473, double(float(1473) / 1000)));
    QCOMPARE(axisX->max(), 1473.0);
}

void TestPlaybackFlow::instrumentsFollowOnlyThePlayingRow()
{
    int rowId = -1;
    openMinuteRecording(&rowId);
    if (QTest::currentTestFailed())
        return;
    // The simulated file carries no playable video; the panel is told it plays, as the
    // play area would tell it.
    window->findChild<ControlPanel *>("wgt_PlayCtrl")->setState(QMediaPlayer::PlayingState);

    // A late whole track of another row leaves the chart alone.
    const int samples = chartX()->count();
    window->onAllGpsDataParserFinished(rowId + 1, perFrameRecords(10));
    QCOMPARE(chartX()->count(), samples);

    const QList<GpsData> records = perFrameRecords(100);
    window->onGpsDataChanged(rowId, records[95]);
    QCOMPARE(speedGauge()->shownValue(), 95);
    QCOMPARE(compass()->direction(), 95);
    auto *cursor = qobject_cast<QtCharts::QLineSeries *>(chart()->chart()->series().at(3));
    QCOMPARE(cursor->at(0).x(), 95.0);

    // A course that is not a number leaves the compass at north instead of undefined.
    GpsData lost = records[96];
    lost.course = std::nan("");
    window->onGpsDataChanged(rowId, lost);
    QCOMPARE(compass()->direction(), 0);
    window->onGpsDataChanged(rowId, records[95]);

    // A record of another row moves nothing.
    window->onGpsDataChanged(rowId + 1, records[40]);
    QCOMPARE(speedGauge()->shownValue(), 95);
    QCOMPARE(compass()->direction(), 95);
    QCOMPARE(cursor->at(0).x(), 95.0);

    // Stop resets the speed and empties the chart; a record that arrives afterwards is late.
    window->onStop();
    QCOMPARE(speedGauge()->shownValue(), 0);
    QCOMPARE(chartX()->count(), 0);
    QCOMPARE(cursor->count(), 0);
    window->onGpsDataChanged(rowId, records[40]);
    QCOMPARE(speedGauge()->shownValue(), 0);
    QCOMPARE(compass()->direction(), 95);
}


void TestPlaybackFlow::anOpenThatFindsNothingSaysSo()
{
    const QString missing = card->path() + "/nonexistent folder";
    window->openFolder(missing);
    QCOMPARE(playArea()->notice(), QString("The folder \"%1\" does not exist.").arg(missing));
    const QString empty = card->path() + "/empty";
    QVERIFY(QDir().mkpath(empty + "/sub"));
    window->openFolder(empty);
    QCOMPARE(playArea()->notice(), QString("No recordings found in \"%1\".").arg(empty));
    QCOMPARE(model()->rowCount(), 0);
    // A recording that starts takes the line away.
    window->openFolder(folder);
    QTRY_VERIFY(playArea()->notice().isEmpty());
    QCOMPARE(model()->rowCount(), 2);
}

QTEST_MAIN(TestPlaybackFlow)
#include "tst_playbackflow.moc"
