#include "app/mainwindows.h"
#include "controls/controlpanel.h"
#include "library/playlistmodel.h"
#include "parser/videoparser.h"
#include "platform/fileurl.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QSignalSpy>
#include <QSlider>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
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

QTEST_MAIN(TestPlaybackFlow)
#include "tst_playbackflow.moc"
