// The window's part in events, with real decoding under a real X server: the card's events
// reach the list, a click plays that recording from 5 s before on every channel, and the
// playing recording's moments are marked on the seek bar and the chart.
#include "app/mainwindows.h"
#include "controls/controlpanel.h"
#include "controls/seekmarks.h"
#include "events/eventlistpanel.h"
#include "instruments/gyrochartview.h"
#include "parser/videoparser.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestEventFlow : public QObject
{
    Q_OBJECT

private slots:
    void clickOnAnEventPlaysItsLeadUpOnEveryChannel();
};

void TestEventFlow::clickOnAnEventPlaysItsLeadUpOnEveryChannel()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        QSKIP("ffmpeg is needed to encode the recordings");
    VideoParser::setParseDelayMs(0);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir root;
    const QString card = root.filePath("card");
    QVERIFY(QDir().mkpath(card));
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 30, 0));
    for (int r = 0; r < 2; ++r) {
        Simulator::TrackShape shape;
        shape.start = t0.addSecs(12 * r);
        Simulator::Recording recording;
        recording.track = Simulator::makeTrack(12, shape);
        for (Simulator::Fix &fix : recording.track) {
            fix.gsensorX = fix.gsensorY = 0.01f;
            fix.gsensorZ = 1.0f;
        }
        if (r == 1)
            recording.track[9].gsensorY = -2.2f;
        recording.duration = 12;
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
    }
    MainWindows window(nullptr);
    window.show();
    auto *area = window.findChild<PlayAreaManager *>("wgt_PlayArea");
    auto *panel = window.findChild<EventListPanel *>("wgt_EventList");
    QVERIFY(area && panel);
    window.openFolder(card);
    QTRY_VERIFY_WITH_TIMEOUT(window.mediaState() == QMediaPlayer::PlayingState, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(panel->summary().events.size(), 1, 20000);
    QCOMPARE(panel->summary().events.at(0).kind, DriveEvents::Kind::Impact);
    QCOMPARE(panel->summary().drives.size(), 1);

    // Shown on the tab, as the user would click it.
    auto *tabs = window.findChild<QTabWidget *>("tab_Lists");
    tabs->setCurrentWidget(window.findChild<QWidget *>("tab_Events"));
    auto *tree = panel->findChild<QTreeWidget *>("tree_Events");
    QTreeWidgetItem *item = tree->topLevelItem(0)->child(0);
    QTRY_VERIFY(!tree->visualItemRect(item).isEmpty());
    QSignalSpy positions(area, &PlayAreaManager::positionChanged);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());

    const auto atFour = [](QMediaPlayer *p) {
        return p->position() >= 4000 && p->position() < 7000;
    };
    QTRY_VERIFY_WITH_TIMEOUT(area->currentItem() && area->currentItem()->rowId == 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(atFour(area->playerFor(ShowFront)->mediaPlayer()) &&
                                 atFour(area->playerFor(ShowRear)->mediaPlayer()),
                             15000);
    // Apart from the reset to 0 of the new media, row 1 goes straight to the lead-up.
    for (const QList<QVariant> &p : positions)
        QVERIFY2(p.at(1).toInt() != 1 || p.at(0).toLongLong() == 0 || p.at(0).toLongLong() >= 4,
                 qPrintable(QString("row %1 at %2").arg(p.at(1).toInt()).arg(p.at(0).toLongLong())));
    const auto *panelMarks =
        window.findChild<ControlPanel *>("wgt_PlayCtrl")->eventMarks();
    QTRY_COMPARE(panelMarks->seconds(), QVector<int>{9});
    QCOMPARE(window.findChild<GyroChartView *>("gView_GyroChart")->eventMarks(),
             QVector<int>{9});
}

QTEST_MAIN(TestEventFlow)
#include "tst_eventflow.moc"
