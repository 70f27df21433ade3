#include "library/folderscheme.h"
#include "library/namepattern.h"
#include "library/recordinggroups.h"

#include <QRandomGenerator>
#include <QTest>

// The grouping rule as written: walk to the first row containing the key.
static int literalGroupOf(const QStringList &rows, const QString &name, FolderScheme scheme)
{
    const QString key = RecordingGroups::recordingKey(name, scheme);
    for (int r = 0; r < rows.size(); ++r) {
        if (rows.at(r).contains(key, Qt::CaseInsensitive))
            return RecordingGroups::recordingKey(rows.at(r), scheme) == key ? r : -1;
    }
    return -1;
}

class TestRecordingGroups : public QObject
{
    Q_OBJECT

private slots:
    void folderSchemes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("scheme");
        const int letters = 0, frontRear = 1, prefix = 2, suffix = 3, numbered = 4;
        QTest::newRow("no slash") << "Front" << letters;
        QTest::newRow("Front_2") << "/card/Front_2" << frontRear;
        QTest::newRow("Rear") << "/card/Rear" << frontRear;
        QTest::newRow("RO") << "/card/RO" << letters;
        QTest::newRow("EMR") << "/card/EMR" << letters;
        QTest::newRow("ROAD") << "/card/ROAD" << prefix;
        QTest::newRow("REAR_X") << "/card/REAR_X" << prefix;
        QTest::newRow("F") << "/card/F" << prefix;
        QTest::newRow("NORMR") << "/card/NORMR" << suffix;
        QTest::newRow("NORMF") << "/card/NORMF" << suffix;
        QTest::newRow("lower case is letters") << "/card/front" << letters;
        QTest::newRow("/1/ anywhere") << "/D/1/trips" << numbered;
        QTest::newRow("ends /2") << "/cam/2" << numbered;
        QTest::newRow("10 is not 1") << "/cam/10" << letters;
        QTest::newRow("url form") << "file:///media/card/Rear%20cam" << frontRear;
        QTest::newRow("trailing slash") << "/media/card/Front/" << frontRear;
        QTest::newRow("root") << "/" << letters;
        QTest::newRow("empty") << "" << letters;
    }
    void folderSchemes()
    {
        QFETCH(QString, path);
        QFETCH(int, scheme);
        QCOMPARE(int(folderScheme(path)), scheme);
    }

    void runningNumberPattern()
    {
        // 7 characters before the number are not compared: another clock second matches.
        const QString rear = "20230101_120000_0000124B.MP4";
        const NamePattern p = NamePattern::forName(rear, -1);
        QVERIFY(p.isValid());
        QVERIFY(p.matches("20230101_115958_0000123A.MP4"));
        QVERIFY(p.matches("20230101_115958_0000123a.mp4"));
        QVERIFY(!p.matches("20230101_115958_0000122A.MP4"));
        QVERIFY(!p.matches("20230102_115958_0000123A.MP4"));
        // Non-digits where the number belongs, short names, and the top of the range.
        QVERIFY(!NamePattern::forName("20230101_120000_00x0124B.MP4", 1).isValid());
        QCOMPARE(NamePattern::runningNumber("20230101_120000_+000124B.MP4"), -1);
        QVERIFY(!NamePattern::forName("20230101_120000_0000000B.MP4", -1).isValid());
        const NamePattern top = NamePattern::forName("20230101_120000_9999999F.MP4", 3);
        QVERIFY(top.isValid());
        QVERIFY(top.matches("20230101_120000_10000002R.MP4"));
        const NamePattern shortName = NamePattern::forName("clip.mp4", 1);
        QVERIFY(shortName.matches("xCLIP.MP4y"));
        QVERIFY(!shortName.matches("clip.mov"));
        QCOMPARE(NamePattern::runningNumber(""), -1);
    }

    void keys()
    {
        QCOMPARE(
            RecordingGroups::recordingKey("20230101_120000_NF.mp4", FolderScheme::SchemeFrontRear),
            QString("20230101_120000"));
        QCOMPARE(RecordingGroups::recordingKey("x_A.MP4", FolderScheme::SchemeNumbered),
                 QString("x_"));
        QCOMPARE(RecordingGroups::recordingKey("a.mp4", FolderScheme::SchemeLetters),
                 QString("a.mp4"));
        QCOMPARE(RecordingGroups::recordingKey("", FolderScheme::SchemeLetters), QString());
    }

    void sameResultAsLiteralWalk_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("scheme");
        QTest::newRow("NF/NR") << QStringList{"20230101_120000_NF.mp4", "20230101_120000_NR.mp4",
                                              "20230101_120100_NF.mp4", "20230101_120100_NR.MP4"}
                               << 1;
        // An earlier row holding the key inside its name stops the walk before the row
        // with the same key: the file gets a row of its own.
        QTest::newRow("earlier containing row")
            << QStringList{"xx20230101_1200.mp4", "20230101_1200_NF.mp4", "20230101_1200_NR.mp4"}
            << 2;
        QTest::newRow("case differs") << QStringList{"ABCDEFGH_NF.mp4", "abcdefgh_NF.mp4",
                                                     "abcdefgh_NR.mp4", "ABCDEFGH_NR.mp4"}
                                      << 2;
        QTest::newRow("non-ASCII") << QStringList{QString::fromUtf8("前摄像头ÄÖ_NF.mp4"),
                                                  QString::fromUtf8("前摄像头äö_NR.mp4"),
                                                  QString::fromUtf8("x𐐀前摄像头ÄÖ_.mp4"),
                                                  QString::fromUtf8("前摄像头ÄÖ_NR.mp4")}
                                   << 1;
        QTest::newRow("numbered") << QStringList{"x_A.MP4", "x_B.MP4", "y_A.MP4", "ax_B.MP4"} << 4;
    }
    void sameResultAsLiteralWalk()
    {
        QFETCH(QStringList, names);
        QFETCH(int, scheme);
        checkAgainstLiteral(names, FolderScheme(scheme));
    }

    void randomNamesSameResultAsLiteralWalk()
    {
        QRandomGenerator rng(7);
        const QString alphabet = QString::fromUtf8("aAbB_01.ß𐐀");
        for (int round = 0; round < 200; ++round) {
            QStringList names;
            const int count = 2 + rng.bounded(12);
            for (int i = 0; i < count; ++i) {
                QString n;
                const int len = 3 + rng.bounded(10);
                for (int c = 0; c < len; ++c)
                    n += alphabet.at(rng.bounded(alphabet.size()));
                names << n;
            }
            checkAgainstLiteral(names, FolderScheme(rng.bounded(5)));
        }
    }

private:
    void checkAgainstLiteral(const QStringList &names, FolderScheme scheme)
    {
        RecordingGroups groups;
        QStringList rows;
        for (const QString &name : names) {
            int expected = rows.indexOf(name);
            if (expected < 0)
                expected = literalGroupOf(rows, name, scheme);
            int actual = groups.rowOfName(name);
            if (actual < 0)
                actual = groups.groupOf(name, scheme);
            QVERIFY2(actual == expected, qPrintable(name + " in " + rows.join(',')));
            if (actual < 0) {
                rows << name;
                groups.append(name);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordingGroups)
#include "tst_recordinggroups.moc"
