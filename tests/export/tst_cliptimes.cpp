// Where a recording's camera clock comes from, and the forms the export writes it in.

#include "export/cliptimes.h"

#include <QtTest>
#include <cstring>

namespace {

GpsData fix(const char *stamp)
{
    GpsData d;
    std::memcpy(d.dateTime, stamp, qMin(std::strlen(stamp), sizeof d.dateTime - 1));
    d.latitude = 47.6;
    d.longitude = 9.3;
    return d;
}

} // namespace

class TestClipTimes : public QObject
{
    Q_OBJECT

private slots:
    void startFromTrackNameOrContainer();
    void parsesAndFormats();
};

void TestClipTimes::startFromTrackNameOrContainer()
{
    const QDateTime expected(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
    // The first two seconds had no fix yet: the clock counts back from the first that has.
    const QList<GpsData> track{GpsData(), GpsData(), fix("20240517083002")};
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("X.MP4"), track, QDateTime()), expected);
    // No fix: the name, with or without the underscore.
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("20240517_083000_0000001F.MP4"), {},
                                       QDateTime()),
             expected);
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("FILE20240517083000.MOV"), {}, QDateTime()),
             expected);
    // Neither: the container's instant, shown as the wall clock it was in.
    const QDateTime local(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::LocalTime);
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("clip.mp4"), {}, local), expected);
    QVERIFY(!ClipTimes::recordingStart(QStringLiteral("clip.mp4"), {}, QDateTime()).isValid());
}

void TestClipTimes::parsesAndFormats()
{
    const QDateTime t = ClipTimes::parse(QStringLiteral("2024-05-17 08:30:10"));
    QVERIFY(t.isValid());
    QCOMPARE(ClipTimes::parse(QStringLiteral("2024-05-17T08:30:10")), t);
    QCOMPARE(ClipTimes::text(t), QStringLiteral("2024-05-17 08:30:10"));
    QCOMPARE(ClipTimes::fileStamp(t), QStringLiteral("20240517_083010"));
    QCOMPARE(ClipTimes::isoText(t.addMSecs(250)), QStringLiteral("2024-05-17T08:30:10.250"));
    QVERIFY(!ClipTimes::parse(QStringLiteral("17.05.2024 08:30")).isValid());
    QVERIFY(!ClipTimes::parse(QString()).isValid());
}

QTEST_GUILESS_MAIN(TestClipTimes)
#include "tst_cliptimes.moc"
