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

private:
    // Two recordings of a front + rear camera that names channels by letter.
    void writeCard();
    PlayAreaManager *playArea() const
    {
        return window->findChild<PlayAreaManager *>("wgt_PlayArea");
    }
    QTableView *table() const { return window->findChild<QTableView *>("tbl_PlayListView"); }
    PlaylistModel *model() const { return qobject_cast<PlaylistModel *>(table()->model()); }

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

QTEST_MAIN(TestPlaybackFlow)
#include "tst_playbackflow.moc"
