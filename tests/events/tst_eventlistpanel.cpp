// The event list: drives with their moments, and where a click asks playback to go.

#include "events/eventlistpanel.h"

#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

DriveEvents::Event event(DriveEvents::Kind kind, int row, double second, double strength)
{
    DriveEvents::Event e;
    e.kind = kind;
    e.recording = row;
    e.second = second;
    e.strength = strength;
    e.time = QDateTime(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC).addSecs(row * 60 + qint64(second));
    return e;
}

CardSummary summary()
{
    CardSummary s;
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC);
    const auto drive = [](int first, int count, const QDateTime &start, const QDateTime &end) {
        DriveReport::DriveSummary d;
        d.range = {first, count};
        d.start = start;
        d.end = end;
        return d;
    };
    DriveReport::DriveSummary a = drive(0, 2, t0, t0.addSecs(120));
    a.figures.distanceMetres = 1850;
    a.figures.topKmh = 64;
    DriveReport::DriveSummary b = drive(2, 1, t0.addSecs(900), t0.addSecs(960));
    s.drives = {a, b};
    s.events = {event(DriveEvents::Kind::HardBraking, 1, 33, 0.71),
                event(DriveEvents::Kind::Impact, 2, 3, 2.2),
                event(DriveEvents::Kind::Speeding, 2, 40, 131)};
    s.fileNames = QStringList{"a.mp4", "b.mp4", "c.mp4"};
    return s;
}

} // namespace

class TestEventListPanel : public QObject
{
    Q_OBJECT
private slots:
    void drivesHoldTheirEvents();
    void clickSeeksALittleBefore();
    void timesFollowTheCardsClock();
};

void TestEventListPanel::drivesHoldTheirEvents()
{
    EventListPanel panel;
    panel.setSummary(summary());
    auto *tree = panel.findChild<QTreeWidget *>("tree_Events");
    QVERIFY(tree);
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 2);
    QVERIFY(tree->topLevelItem(0)->text(1).contains("1.9 km"));
    QVERIFY(tree->topLevelItem(0)->text(1).contains("64"));
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("08:01:33"));
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(2), QString("0.71 g"));
    QVERIFY(tree->topLevelItem(1)->child(1)->text(2).startsWith("131 km/h"));
    // The speed unit setting: every speed and the distance in miles, the list filled anew.
    panel.setMph(true);
    QVERIFY(tree->topLevelItem(0)->text(1).contains("1.1 mi"));
    QVERIFY(tree->topLevelItem(0)->text(1).contains("top 40 MPH"));
    QVERIFY(tree->topLevelItem(1)->child(1)->text(2).startsWith("81 MPH"));
    QVERIFY(!tree->topLevelItem(0)->text(2).contains("km/h"));
    panel.setMph(false);
    QVERIFY(tree->topLevelItem(1)->child(1)->text(2).startsWith("131 km/h"));
    // A new card empties the list until its summary arrives.
    panel.setAnalysing();
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TestEventListPanel::clickSeeksALittleBefore()
{
    EventListPanel panel;
    panel.setSummary(summary());
    auto *tree = panel.findChild<QTreeWidget *>("tree_Events");
    panel.resize(640, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy spy(&panel, &EventListPanel::seekRequested);
    const auto click = [tree](QTreeWidgetItem *item) {
        const QRect rect = tree->visualItemRect(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    };
    click(tree->topLevelItem(0)->child(0));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 33 - EventListPanel::LeadSeconds);
    click(tree->topLevelItem(1)->child(0)); // 3 s in: from the start
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QCOMPARE(spy.at(1).at(1).toInt(), 0);
    click(tree->topLevelItem(0)); // a drive row asks for nothing
    QCOMPARE(spy.count(), 2);
}

// A camera running 2 h 00 min 14 s ahead of GPS, whose clock jumped back an hour before the
// third recording: each recording's own offset corrects its times.
void TestEventListPanel::timesFollowTheCardsClock()
{
    CardSummary s = summary();
    const QDateTime camera0 = CardClock::cameraTime(QDate(2024, 5, 17), QTime(10, 0, 14));
    for (int row = 0; row < 3; ++row) {
        RecordingClock clock;
        clock.cameraStart = camera0.addSecs(row * 60 - (row == 2 ? 3600 : 0));
        clock.offset = ClockOffset::known(row == 2 ? 7214 - 3600 : 7214);
        s.clocks.append(clock);
    }
    s.drives[0].cameraStart = camera0;
    s.drives[0].cameraEnd = camera0.addSecs(120);
    s.drives[0].startOffset = s.drives[0].endOffset = ClockOffset::known(7214);
    EventListPanel panel;
    panel.setSummary(s);
    auto *tree = panel.findChild<QTreeWidget *>("tree_Events");
    ClockChoice utc;
    utc.display = ClockChoice::Display::Utc;
    panel.setClockChoice(utc);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("2024/05/17 08:00:00 UTC - 08:02:00"));
    QVERIFY(tree->topLevelItem(0)->toolTip(0).contains("2024/05/17 10:00:14"));
    // Row 1, 33 s in: camera 10:01:47, less 2 h 00 min 14 s: 08:01:33 UTC.
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("08:01:33"));
    QVERIFY(tree->topLevelItem(0)->child(0)->toolTip(0).contains("10:01:47"));
    // Row 2 after the jump: camera 09:02:17, offset 1 h 00 min 14 s, UTC 08:02:03.
    QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QString("08:02:03"));
    // Local time from the offset drops the drift alone; the camera's own time keeps it.
    panel.setClockChoice(ClockChoice());
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("10:01:33"));
    QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QString("09:02:03"));
    ClockChoice camera;
    camera.display = ClockChoice::Display::Camera;
    panel.setClockChoice(camera);
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("10:01:47"));
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("2024/05/17 10:00:14 - 10:02:14"));
}

QTEST_MAIN(TestEventListPanel)
#include "tst_eventlistpanel.moc"
