#include "fixtures.h"
#include "messagelog.h"
#include "parser/mp4parser.h"
#include "parser/payloadfields.h"
#include "parser/recordingscan.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cstdio>

using namespace Fixture;

class TestGpsDecode : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    int mFiles = 0;

    QList<GpsData> decodeGps0(const QList<QByteArray> &records)
    {
        const QString path = write(mDir, QString("gps0-%1.mp4").arg(mFiles++), gps0File(records));
        Mp4Parser parser(path);
        return decodeTrack(parser);
    }

    QList<GpsData> decodeFixes(const QList<Fix> &fixes)
    {
        QList<QByteArray> records;
        for (const Fix &fix : fixes)
            records << record(fix);
        records << record(fixes.last()); // the table's last slot yields no record
        return decodeGps0(records);
    }

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        QVERIFY(mDir.isValid());
    }

    void fieldsOfOneRecord()
    {
        Fix fix;
        const QList<GpsData> track = decodeFixes({fix});
        QCOMPARE(track.size(), 1);
        const GpsData &d = track.first();
        QCOMPARE(d.index, 0);
        QCOMPARE(QByteArray(d.dateTime), QByteArray("20240517083000"));
        QCOMPARE(d.extraChar1, 'A');
        QCOMPARE(QByteArray(d.extraText), QByteArray("EXTRA-TEXT-14c"));
        QCOMPARE(d.extraChar2, 'B');
        QCOMPARE(d.latHemisphere, 'N');
        QCOMPARE(d.latDegrees, 22);
        QCOMPARE(d.latMinutes, 323520);
        QVERIFY(qAbs(d.latitude - 22.5392) < 1e-9);
        QCOMPARE(d.lonHemisphere, 'E');
        QCOMPARE(d.lonDegrees, 113);
        QCOMPARE(d.lonMinutes, 561234);
        QCOMPARE(d.extraNumber, 42);
        QCOMPARE(d.speed, 57);
        QCOMPARE(d.gsensorX, 0.12f);
        QCOMPARE(d.gsensorY, -1.05f);
        QCOMPARE(d.gsensorZ, 0.98f);
        QCOMPARE(d.course, 0.0);
    }

    void hemispheresSignTheCoordinates()
    {
        Fix south;
        south.latHemisphere = 'S';
        south.lonHemisphere = 'W';
        const GpsData d = decodeFixes({south}).value(0);
        QVERIFY(qAbs(d.latitude + 22.5392) < 1e-9);
        QVERIFY(qAbs(d.longitude + (113 + 56.1234 / 60)) < 1e-9);
        // Anything but 'S' / 'W' leaves the value positive.
        Fix odd;
        odd.latHemisphere = 'X';
        odd.lonHemisphere = '\0';
        const GpsData e = decodeFixes({odd}).value(0);
        QVERIFY(e.latitude > 0 && e.longitude > 0);
    }

    void gsensorSignsAndErrors()
    {
        MessageLog log;
        Fix fix;
        fix.gsensor = "+012 105+098";
        const GpsData d = decodeFixes({fix}).value(0);
        QCOMPARE(d.gsensorX, 0.12f);
        QCOMPARE(d.gsensorY, 0.0f);
        QCOMPARE(d.gsensorZ, 0.98f);
        QCOMPARE(log.count("gsensor data error"), 1);

        fix.gsensor = "-9x9+ab -999";
        const GpsData e = decodeFixes({fix}).value(0);
        QCOMPARE(e.gsensorX, -9.0f); // "%1d%2d" reads 9, then fails on 'x'
        QCOMPARE(e.gsensorY, 0.0f);
        QCOMPARE(e.gsensorZ, -9.99f);
    }

    void unreadableNumbersStayZero()
    {
        Fix fix;
        fix.latDigits = "2x323520"; // degrees read 2, minutes fail
        fix.lonDigits = "abc561234";
        fix.speed = "  7";
        fix.extraNumber = "-0012";
        const GpsData d = decodeFixes({fix}).value(0);
        QCOMPARE(d.latDegrees, 2);
        QCOMPARE(d.latMinutes, 0);
        QCOMPARE(d.lonDegrees, 0);
        QCOMPARE(d.lonMinutes, 0);
        QCOMPARE(d.longitude, 0.0);
        QCOMPARE(d.speed, 7);
        QCOMPARE(d.extraNumber, -12);
    }

    void tableOfNEntriesYieldsNMinusOne()
    {
        QCOMPARE(decodeGps0({record(Fix())}).size(), 0);
        QList<QByteArray> ten;
        for (int i = 0; i < 10; ++i)
            ten << record(Fix());
        const QList<GpsData> track = decodeGps0(ten);
        QCOMPARE(track.size(), 9);
        QCOMPARE(track.last().index, 8);
    }

    // A real movement in each direction gives a course in that direction's quadrant, in
    // every hemisphere pair (the stored magnitudes run the other way south and west).
    void courseInEveryHemisphere_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("dLat");
        QTest::addColumn<double>("dLon");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        const struct
        {
            const char *name;
            double lat, lon;
        } places[] = {
            {"NE", 22.5, 113.9}, {"NW", 40.7, -74.0}, {"SE", -33.9, 151.2}, {"SW", -34.6, -58.4}};
        const struct
        {
            const char *name;
            double dLat, dLon, low, high;
        } moves[] = {{"north-east", 1, 1, 0, 90},
                     {"south-east", -1, 1, 90, 180},
                     {"south-west", -1, -1, 180, 270},
                     {"north-west", 1, -1, 270, 360}};
        for (const auto &p : places)
            for (const auto &m : moves)
                QTest::newRow(QByteArray(p.name).append(' ').append(m.name).constData())
                    << p.lat << p.lon << m.dLat << m.dLon << m.low << m.high;
    }

    void courseInEveryHemisphere()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, dLat);
        QFETCH(double, dLon);
        QFETCH(double, low);
        QFETCH(double, high);
        QList<Fix> fixes;
        for (int i = 0; i < 4; ++i)
            fixes << fixAt(lat + i * dLat * 0.001, lon + i * dLon * 0.001);
        // Standing still afterwards keeps the last course.
        fixes << fixes.last() << fixes.last();
        const QList<GpsData> track = decodeFixes(fixes);
        QCOMPARE(track.size(), 6);
        QCOMPARE(track[0].course, 0.0);
        QCOMPARE(track[1].course, 0.0);
        for (int i = 2; i < 4; ++i) {
            QVERIFY2(track[i].course > low && track[i].course < high,
                     qPrintable(QString::number(track[i].course)));
        }
        QCOMPARE(track[4].course, track[3].course);
        QCOMPARE(track[5].course, track[3].course);
    }

    // Exact rhumb-line courses, the expected values worked out apart from the reader (Python:
    // atan2 of the longitude difference over the difference of ln tan(45 deg + lat / 2), on
    // signed coordinates). Record 1 repeats record 0; record 2 is the move.
    void exactCourses_data()
    {
        QTest::addColumn<char>("lat");
        QTest::addColumn<char>("lon");
        QTest::addColumn<QByteArray>("latFrom");
        QTest::addColumn<QByteArray>("lonFrom");
        QTest::addColumn<QByteArray>("latTo");
        QTest::addColumn<QByteArray>("lonTo");
        QTest::addColumn<double>("course");
        const auto row = [](const char *name, char lat, char lon, const char *latFrom,
                            const char *lonFrom, const char *latTo, const char *lonTo,
                            double course) {
            QTest::newRow(name) << lat << lon << QByteArray(latFrom) << QByteArray(lonFrom)
                                << QByteArray(latTo) << QByteArray(lonTo) << course;
        };
        row("NE north-east", 'N', 'E', "22323520", "113561234", "23100000", "114300000",
            39.66508491360875);
        row("NE south-west", 'N', 'E', "48050000", "002200000", "45450000", "001010000",
            201.07437811305363);
        row("NW north-east", 'N', 'W', "40420000", "074060000", "42210000", "071030000",
            54.14585234388506);
        row("NW south-east", 'N', 'W', "64090000", "021560000", "60010000", "019100000",
            162.62873926959023);
        row("SE south-west", 'S', 'E', "33520000", "151120000", "37480000", "144580000",
            232.09390833587173);
        row("SE north-west", 'S', 'E', "06120000", "106480000", "01170000", "103500000",
            328.95553685978695);
        row("SW north-east", 'S', 'W', "34360000", "058220000", "30020000", "051130000",
            52.90645492930457);
        row("SW north-west", 'S', 'W', "12030000", "077020000", "02100000", "079530000",
            344.0510268871781);
        // A damaged latitude of 90 degrees or more has no Mercator course: the last one stays.
        row("latitude past the pole", 'N', 'E', "22323520", "113561234", "95000000", "114300000",
            0.0);
    }

    void exactCourses()
    {
        QFETCH(char, lat);
        QFETCH(char, lon);
        QFETCH(QByteArray, latFrom);
        QFETCH(QByteArray, lonFrom);
        QFETCH(QByteArray, latTo);
        QFETCH(QByteArray, lonTo);
        QFETCH(double, course);
        Fix from;
        from.latHemisphere = lat;
        from.lonHemisphere = lon;
        from.latDigits = latFrom;
        from.lonDigits = lonFrom;
        Fix to = from;
        to.latDigits = latTo;
        to.lonDigits = lonTo;
        const QList<GpsData> track = decodeFixes({from, from, to});
        QCOMPARE(track.size(), 3);
        QVERIFY2(qAbs(track[2].course - course) < 1e-6,
                 qPrintable(QString::number(track[2].course, 'f', 9)));
    }

    void travelAlongAMeridianKeepsTheCourse()
    {
        const QList<GpsData> track = decodeFixes({fixAt(22.5, 113.9), fixAt(22.501, 113.901),
                                                  fixAt(22.502, 113.902), fixAt(22.503, 113.902)});
        QVERIFY(track[2].course > 0 && track[2].course < 90);
        QCOMPARE(track[3].course, track[2].course);
    }

    // The field reader must agree with the C library's scanf on every short input.
    void scanAgreesWithScanf()
    {
        QRandomGenerator random(7);
        const char alphabet[] = " +-0123456789a\t";
        for (int round = 0; round < 20000; ++round) {
            const int length = int(random.bounded(10));
            char text[16] = {};
            for (int i = 0; i < length; ++i)
                text[i] = alphabet[random.bounded(int(sizeof alphabet) - 1)];
            const int w1 = 1 + int(random.bounded(6));
            const int w2 = 1 + int(random.bounded(6));
            int expected[2] = {0, 0};
            char format[16];
            std::snprintf(format, sizeof format, "%%%dd%%%dd", w1, w2);
            int expectedCount = std::sscanf(text, format, &expected[0], &expected[1]);
            expectedCount = qMax(expectedCount, 0);
            int got[2] = {0, 0};
            const int widths[] = {w1, w2};
            int *targets[] = {&got[0], &got[1]};
            const int gotCount = scanDecimals(text, text + length, widths, targets, 2);
            QVERIFY2(gotCount == expectedCount && got[0] == expected[0] && got[1] == expected[1],
                     qPrintable(QString("'%1' %2").arg(text, format)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGpsDecode)
#include "tst_gpsdecode.moc"
