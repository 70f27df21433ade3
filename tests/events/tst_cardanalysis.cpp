// The background reading of a card: results arrive on the window's thread, newest only.

#include "events/cardanalysis.h"
#include "tools/simulator/recordingsimulator.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestCardAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void findsDrivesAndEventsOfTheRows();
};

void TestCardAnalysis::findsDrivesAndEventsOfTheRows()
{
    QTemporaryDir dir;
    QList<PlaylistItem> rows;
    const QDateTime t0(QDate(2024, 6, 2), QTime(14, 0, 0));
    for (int i = 0; i < 3; ++i) {
        Simulator::TrackShape shape;
        shape.start = t0.addSecs(60 * i + (i == 2 ? 600 : 0));
        Simulator::Recording r;
        r.track = Simulator::makeTrack(60, shape);
        for (Simulator::Fix &fix : r.track) {
            fix.gsensorX = fix.gsensorY = 0.01f;
            fix.gsensorZ = 1.0f;
        }
        if (i == 1)
            r.track[30].gsensorX = 2.5f;
        r.duration = 60;
        r.creationTime = shape.start;
        const QString path = dir.filePath(QString("%1.mp4").arg(i));
        QVERIFY(Simulator::write(r, path));
        PlaylistItem item;
        item.url = QUrl::fromLocalFile(path);
        rows.append(item);
    }
    CardAnalysis analysis;
    QSignalSpy spy(&analysis, &CardAnalysis::finished);
    // Superseded at once: only the newest card's summary is delivered.
    analysis.start(rows.mid(0, 1), 5, {});
    analysis.start(rows, 5, {});
    QVERIFY(spy.wait(20000));
    QTest::qWait(100);
    QCOMPARE(spy.count(), 1);
    const CardSummary summary = spy.at(0).at(0).value<CardSummary>();
    QCOMPARE(summary.drives.size(), 2);
    QCOMPARE(summary.drives.at(0).range.count, 2);
    QCOMPARE(summary.events.size(), 1);
    QCOMPARE(summary.events.at(0).kind, DriveEvents::Kind::Impact);
    QCOMPARE(summary.events.at(0).recording, 1);
    QCOMPARE(summary.fileNames.at(2), QString("2.mp4"));
}

QTEST_MAIN(TestCardAnalysis)
#include "tst_cardanalysis.moc"
