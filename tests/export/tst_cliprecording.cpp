// Which recordings a range takes and how much of each: the joins between consecutive
// recordings of a drive, a gap that ends the drive, overlapping files, ranges outside.

#include "export/cliprecording.h"

#include <QtTest>

namespace {

const QDateTime kStart(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);

ClipRecording recording(int startSecond, double duration)
{
    ClipRecording r;
    r.channels[0] = QStringLiteral("/card/%1_F.MP4").arg(startSecond);
    r.start = kStart.addSecs(startSecond);
    r.duration = duration;
    return r;
}

QDateTime at(double second)
{
    return kStart.addMSecs(qint64(second * 1000));
}

} // namespace

class TestClipRecording : public QObject
{
    Q_OBJECT

private slots:
    void joinsConsecutiveRecordings();
    void gapEndsTheDrive();
    void agreesWithTheDriveList();
    void overlapIsTakenOnce();
    void rangesThatCannotBeCut();
    void aroundAPosition();
};

void TestClipRecording::joinsConsecutiveRecordings()
{
    const QList<ClipRecording> card{recording(0, 30), recording(30, 30), recording(60, 30)};
    QString error;
    bool cut = true;
    const QList<ClipPiece> pieces = ClipRange::resolve(card, at(10), at(40), &error, &cut);
    QCOMPARE(pieces.size(), 2);
    QVERIFY(!cut);
    QCOMPARE(pieces[0].recording, 0);
    QCOMPARE(pieces[0].from, 10.0);
    QCOMPARE(pieces[0].length, 20.0);
    QCOMPARE(pieces[1].recording, 1);
    QCOMPARE(pieces[1].from, 0.0);
    QCOMPARE(pieces[1].length, 10.0);
    QCOMPARE(ClipRange::totalLength(pieces), 30.0);

    // All three, ending exactly at a recording's end.
    const QList<ClipPiece> whole = ClipRange::resolve(card, at(5), at(90), &error, &cut);
    QCOMPARE(whole.size(), 3);
    QVERIFY(!cut);
    QCOMPARE(ClipRange::totalLength(whole), 85.0);

    // Camera files start a second or so late: still one drive.
    QVERIFY(ClipRange::continuesPrevious(recording(0, 30), recording(31, 30)));
    QVERIFY(!ClipRange::continuesPrevious(recording(0, 30), recording(40, 30)));
    ClipRecording noClock = recording(30, 30);
    noClock.start = QDateTime();
    QVERIFY(!ClipRange::continuesPrevious(recording(0, 30), noClock));
}

namespace {

// One fix a second from `gpsSecond` on (GPS time counted from kStart).
void addTrack(ClipRecording &r, int gpsSecond)
{
    for (int i = 0; i < int(r.duration); ++i) {
        GpsData fix{};
        fix.latitude = 48.1;
        fix.longitude = 11.5;
        fix.speed = 50;
        const QByteArray text =
            kStart.addSecs(gpsSecond + i).toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1();
        qstrncpy(fix.dateTime, text.constData(), sizeof fix.dateTime);
        r.track.append(fix);
    }
}

Drives::RecordingSpan spanOf(const ClipRecording &r)
{
    return {r.start, Drives::gpsStartOf(r.track, r.duration), r.duration};
}

} // namespace

void TestClipRecording::agreesWithTheDriveList()
{
    // Gaps around the tolerance, either way: the clip joins exactly what the drive list joins.
    for (int next : {26, 31, 34, 35, 36, 40, 630}) {
        const ClipRecording a = recording(0, 30), b = recording(next, 30);
        QCOMPARE(ClipRange::continuesPrevious(a, b), Drives::follows(spanOf(a), spanOf(b)));
    }
    QVERIFY(ClipRange::continuesPrevious(recording(0, 30), recording(34, 30)));
    QVERIFY(!ClipRange::continuesPrevious(recording(0, 30), recording(36, 30)));

    // The camera's clock was set between two files (a 20 s jump) but the GPS times join:
    // one drive, as the drive list says, and a clip runs across the join.
    ClipRecording a = recording(0, 30), b = recording(50, 30);
    addTrack(a, 0);
    addTrack(b, 30);
    QVERIFY(ClipRange::continuesPrevious(a, b));
    QCOMPARE(ClipRange::continuesPrevious(a, b), Drives::follows(spanOf(a), spanOf(b)));
    // The same camera times without GPS: two drives.
    QVERIFY(!ClipRange::continuesPrevious(recording(0, 30), recording(50, 30)));
}

void TestClipRecording::gapEndsTheDrive()
{
    // A parked car: the next recording starts ten minutes later.
    const QList<ClipRecording> card{recording(0, 30), recording(630, 30)};
    QString error;
    bool cut = false;
    const QList<ClipPiece> pieces = ClipRange::resolve(card, at(20), at(640), &error, &cut);
    QCOMPARE(pieces.size(), 1);
    QVERIFY(cut);
    QCOMPARE(pieces[0].length, 10.0);
}

void TestClipRecording::overlapIsTakenOnce()
{
    // The second file starts a second before the first ends.
    const QList<ClipRecording> card{recording(0, 30), recording(29, 30)};
    QString error;
    const QList<ClipPiece> pieces = ClipRange::resolve(card, at(25), at(35), &error);
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces[1].from, 1.0);
    QCOMPARE(ClipRange::totalLength(pieces), 10.0);
}

void TestClipRecording::rangesThatCannotBeCut()
{
    const QList<ClipRecording> card{recording(0, 30), recording(30, 30)};
    QString error;
    QVERIFY(ClipRange::resolve(card, at(100), at(110), &error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(ClipRange::resolve(card, at(20), at(20), &error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(ClipRange::resolve(card, at(-5), at(5), &error).isEmpty());
    QVERIFY(ClipRange::resolve({}, at(0), at(5), &error).isEmpty());
}

void TestClipRecording::aroundAPosition()
{
    // A parked gap before the drive of the last two recordings.
    const QList<ClipRecording> card{recording(0, 30), recording(600, 30), recording(630, 30)};
    QString error;
    // 30 s before 5 s into the third recording reaches back into the second.
    QList<ClipPiece> pieces = ClipRange::around(card, at(635), 30, 10, &error);
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces[0].recording, 1);
    QCOMPARE(pieces[0].from, 5.0);
    QCOMPARE(ClipRange::totalLength(pieces), 40.0);
    // Near the drive's start there is less before, not the recording ten minutes earlier.
    pieces = ClipRange::around(card, at(610), 30, 10, &error);
    QCOMPARE(pieces.first().recording, 1);
    QCOMPARE(pieces.first().from, 0.0);
    QCOMPARE(ClipRange::totalLength(pieces), 20.0);
    // A position no recording holds.
    QVERIFY(ClipRange::around(card, at(300), 30, 10, &error).isEmpty());
}

QTEST_GUILESS_MAIN(TestClipRecording)
#include "tst_cliprecording.moc"
