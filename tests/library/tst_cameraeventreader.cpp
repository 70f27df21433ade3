#include "library/cameraeventreader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Tesla's event.json as cars write it, and what damaged copies of it must not do.
class TestCameraEventReader : public QObject
{
    Q_OBJECT

    static QByteArray sample()
    {
        return R"({"timestamp":"2024-05-17T08:23:30","city":"Palo Alto","est_lat":"37.3950",)"
               R"("est_lon":"-122.1490","reason":"sentry_aware_object_detection","camera":"5"})";
    }

private slots:
    void readsTheCarsFields()
    {
        const CameraEvent e = CameraEventReader::fromJson(sample());
        QCOMPARE(e.time, QDateTime(QDate(2024, 5, 17), QTime(8, 23, 30)));
        QCOMPARE(e.reason, QString("sentry_aware_object_detection"));
        QCOMPARE(e.city, QString("Palo Alto"));
        QVERIFY(e.hasPosition);
        QCOMPARE(e.latitude, 37.395);
        QCOMPARE(e.longitude, -122.149);
    }

    void positionsThatAreNoPosition()
    {
        // Numbers are taken as well as strings; (0, 0), text and values off the globe are no
        // position, and the rest of the record is still kept.
        QVERIFY(CameraEventReader::fromJson(R"({"est_lat":37.5,"est_lon":-122})").hasPosition);
        for (const char *json : {R"({"reason":"x","est_lat":"0","est_lon":"0"})",
                                 R"({"reason":"x","est_lat":"north","est_lon":"1"})",
                                 R"({"reason":"x","est_lat":"91","est_lon":"1"})",
                                 R"({"reason":"x","est_lat":"1","est_lon":"-180.5"})",
                                 R"({"reason":"x","est_lat":"nan","est_lon":"1"})",
                                 R"({"reason":"x","est_lat":"1"})"}) {
            const CameraEvent e = CameraEventReader::fromJson(json);
            QVERIFY2(!e.hasPosition, json);
            QCOMPARE(e.reason, QString("x"));
        }
    }

    void nestedValuesAreNoEventRecord()
    {
        // The car writes plain values only; a nested object or array makes the text something
        // else, whatever it holds.
        for (const char *json : {R"({"reason":"x","city":{"name":"y"}})",
                                 R"({"est_lat":{"a":1},"est_lat":"4","reason":"x"})",
                                 R"({"reason":"x","camera":[1,2]})"})
            QVERIFY2(!CameraEventReader::fromJson(json).isValid(), json);
        // Brackets inside strings are text.
        QCOMPARE(CameraEventReader::fromJson("{\"reason\":\"a{b}[c]\\\"{\"}").reason,
                 QString("a{b}[c]\"{"));
    }

    void truncatedAndMutatedRecords()
    {
        const QByteArray good = sample();
        for (int n = 0; n < good.size(); ++n) {
            // A cut record is not a JSON object at all: nothing is taken from it.
            const CameraEvent e = CameraEventReader::fromJson(good.left(n));
            QVERIFY(!e.isValid());
        }
        quint32 seed = 7;
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes = good;
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1103515245u + 12345u;
                bytes[int(seed % quint32(bytes.size()))] = char(seed >> 16);
            }
            const CameraEvent e = CameraEventReader::fromJson(bytes);
            if (e.hasPosition) {
                QVERIFY(qAbs(e.latitude) <= 90.0);
                QVERIFY(qAbs(e.longitude) <= 180.0);
            }
        }
    }

    void filesTooLargeOrMissing()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QVERIFY(!CameraEventReader::fromFile(tmp.path() + "/none.json").isValid());
        QFile big(tmp.path() + "/event.json");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QByteArray padded = sample();
        padded.insert(1, QByteArray(int(CameraEventReader::maxEventFileSize), ' ') + "\"pad\":1,");
        big.write(padded);
        big.close();
        QVERIFY(!CameraEventReader::fromFile(big.fileName()).isValid());
        QVERIFY(big.open(QIODevice::WriteOnly | QIODevice::Truncate));
        big.write(sample());
        big.close();
        QCOMPARE(CameraEventReader::fromFile(big.fileName()).city, QString("Palo Alto"));
    }
};

QTEST_GUILESS_MAIN(TestCameraEventReader)
#include "tst_cameraeventreader.moc"
