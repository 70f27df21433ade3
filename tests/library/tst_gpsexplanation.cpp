// Why a recording has no track: one simulated recording per reason the readers can see, read
// as the probe and the playlist's tooltip read them.

#include "library/gpsexplanation.h"
#include "library/playlistmodel.h"
#include "library/trip.h"
#include "parser/parserobject.h"
#include "tools/simulator/recordingsimulator.h"

#include <QTemporaryDir>
#include <QtTest>

using Simulator::Arrangement;

Q_DECLARE_METATYPE(GpsVerdict)

class TestGpsExplanation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void reasons_data();
    void reasons();
    void rowTooltipSaysWhatTheReaderFound();

private:
    QTemporaryDir dir;
};

void TestGpsExplanation::reasons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<GpsVerdict>("verdict");
    QTest::addColumn<QString>("text");

    const auto make = [this](const char *name, Simulator::Recording recording) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (!Simulator::write(recording, path))
            qWarning() << "cannot write" << path;
        return path;
    };
    Simulator::Recording meta;
    meta.track = Simulator::makeTrack(11);
    QTest::newRow("found") << make("found.mp4", meta) << GpsVerdict::Found
                           << "GPS metadata track, 10 fixes, 00:00:09";

    QTest::newRow("missing file") << dir.filePath("missing.mp4") << GpsVerdict::Unreadable
                                  << "No GPS: the file cannot be read.";
    const QString text = dir.filePath("notes.mp4");
    QFile notes(text);
    notes.open(QIODevice::WriteOnly);
    notes.write("not a recording\n");
    notes.close();
    QTest::newRow("no container") << text << GpsVerdict::NotRecording << "no movie box";

    Simulator::Recording plain;
    plain.arrangement = Arrangement::None;
    plain.duration = 5;
    QTest::newRow("no metadata track") << make("plain.mp4", plain) << GpsVerdict::NoGpsSource
                                       << "no metadata track and no GPS box";
    plain.soundTrack = true;
    QTest::newRow("no freeGPS marker") << make("sound.mp4", plain) << GpsVerdict::NoFreeGpsMarker
                                       << "no freeGPS marker in the sound chunks";
    plain.soundTrack = false;
    plain.container = Simulator::Container::Avi;
    QTest::newRow("avi without gps") << make("plain.avi", plain) << GpsVerdict::NoAviGps
                                     << "no GPSL block and no sound chunks";

    Simulator::Recording other = meta;
    other.handlerName = QStringLiteral("CameraInfo");
    QTest::newRow("metadata not gps") << make("other.mp4", other) << GpsVerdict::MetadataNotGps
                                      << "\"CameraInfo\"";

    Simulator::Recording empty = meta;
    empty.track = Simulator::makeTrack(1);
    QTest::newRow("table empty") << make("empty.mp4", empty) << GpsVerdict::TableEmpty
                                 << "No GPS: GPS metadata track found, but its table is empty.";

    Simulator::Recording noFix = meta;
    for (Simulator::Fix &fix : noFix.track)
        fix.latitude = fix.longitude = 0;
    QTest::newRow("no fix") << make("nofix.mp4", noFix) << GpsVerdict::NoFix
                            << "with 10 records, none with a position";

    // Cut inside the gps0 box, which the camera writes before the movie box: the duration
    // is gone with the movie box, the box's declared size still tells how long it was.
    Simulator::Recording box;
    box.arrangement = Arrangement::Gps0Box;
    box.track = Simulator::makeTrack(181);
    const QString cut = make("cut.mp4", box);
    QFile file(cut);
    file.open(QIODevice::ReadOnly);
    const qint64 records = file.readAll().indexOf("gps0") + 4;
    file.close();
    QFile::resize(cut, records + 73 * 311); // records 0..72
    QTest::newRow("cut short") << cut << GpsVerdict::CutShort
                               << "gps0 box, 73 fixes; file cut short: fixes up to 00:01:12 of 00:02:59.";
}

void TestGpsExplanation::reasons()
{
    QFETCH(QString, path);
    QFETCH(GpsVerdict, verdict);
    QFETCH(QString, text);
    ParserObject::setParseDelayMs(0);
    const GpsDiagnosis diagnosis = Trip::read(path).diagnosis;
    const QString said = GpsExplanation::text(diagnosis);
    QVERIFY2(said.contains(text), qPrintable(said));
    QCOMPARE(int(diagnosis.verdict), int(verdict));
}

void TestGpsExplanation::rowTooltipSaysWhatTheReaderFound()
{
    ParserObject::setParseDelayMs(0);
    PlaylistModel model;
    const int row = model.addRow(QFileInfo(dir.filePath("found.mp4")));
    QCOMPARE(model.data(model.index(row, 0), Qt::ToolTipRole), QVariant()); // not read yet
    QTRY_COMPARE(model.data(model.index(row, 2), Qt::ToolTipRole).toString(),
                 QString("GPS metadata track, 10 fixes, 00:00:09"));
}

QTEST_GUILESS_MAIN(TestGpsExplanation)
#include "tst_gpsexplanation.moc"
