// The playlist grouped by drives: where recording rows go, what folding a drive does, and
// that the playlist's own rows, data and row numbers come through unchanged.

#include "library/driveplaylist.h"
#include "library/playlistmodel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

DriveReport::DriveSummary drive(int first, int count, int startSecond, int seconds)
{
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC);
    DriveReport::DriveSummary d;
    d.range = {first, count};
    d.start = t0.addSecs(startSecond);
    d.end = t0.addSecs(startSecond + seconds);
    d.figures.distanceMetres = 12345;
    d.figures.topKmh = 97;
    return d;
}

void fill(PlaylistModel &playlist, int rows)
{
    playlist.setParsingSuspended(true);
    for (int i = 0; i < rows; ++i)
        playlist.addRow(QFileInfo(QStringLiteral("/nowhere/%1_F.MP4").arg(i)));
}

} // namespace

class TestDrivePlaylist : public QObject
{
    Q_OBJECT
private slots:
    void groupsRowsUnderTheirDrives();
    void foldingHidesTheRecordings();
    void listingBeforeTheDrivesAreKnown();
};

void TestDrivePlaylist::groupsRowsUnderTheirDrives()
{
    PlaylistModel playlist;
    fill(playlist, 5);
    DrivePlaylist grouped;
    grouped.setSourceModel(&playlist);
    QCOMPARE(grouped.rowCount(), 5);
    QCOMPARE(grouped.sourceRowOf(3), 3);

    // Rows 0-1 one drive, row 2 alone (no drive: a summary of a vanished row is dropped),
    // rows 3-4 another.
    grouped.setDrives({drive(0, 2, 0, 125), drive(3, 2, 900, 3600 + 61), drive(4, 3, 0, 1)});
    QCOMPARE(grouped.drives().size(), 2);
    QCOMPARE(grouped.rowCount(), 7);
    const QVector<int> sources{-1, 0, 1, 2, -1, 3, 4};
    for (int row = 0; row < sources.size(); ++row) {
        QCOMPARE(grouped.sourceRowOf(row), sources[row]);
        QCOMPARE(grouped.isDriveRow(row), sources[row] < 0);
        if (sources[row] >= 0)
            QCOMPARE(grouped.rowOfSource(sources[row]), row);
    }
    QCOMPARE(grouped.driveOfRow(2), 0);
    QCOMPARE(grouped.driveOfRow(3), -1);
    QCOMPARE(grouped.driveOfRow(6), 1);
    QCOMPARE(grouped.rowOfDrive(1), 4);

    // Recording rows are the playlist's, column by column.
    for (int c = 0; c < PlaylistModel::columnTotal; ++c)
        QCOMPARE(grouped.index(5, c).data(), playlist.index(3, c).data());
    QCOMPARE(grouped.mapToSource(grouped.index(6, 2)), playlist.index(4, 2));
    QVERIFY(!grouped.mapToSource(grouped.index(0, 0)).isValid());
    QVERIFY(!(grouped.flags(grouped.index(0, 0)) & Qt::ItemIsSelectable));

    // The drive row: date and times, duration, distance, top speed, how many recordings.
    QCOMPARE(grouped.index(4, 0).data().toString(),
             QString::fromUtf8("\u25BE 2024/05/17 08:15:00 - 09:16:01"));
    QCOMPARE(grouped.index(4, 1).data().toString(), QString("01:01:01"));
    QCOMPARE(grouped.index(4, 2).data().toString(), QString("12.3 km"));
    QCOMPARE(grouped.index(4, 3).data().toString(), QString("top 97 km/h"));
    QCOMPARE(grouped.index(4, 4).data().toString(), QString("Recordings: 2"));
    QVERIFY(grouped.index(4, 0).data(DrivePlaylist::DriveRowRole).toBool());
    grouped.setMph(true);
    QCOMPARE(grouped.index(4, 2).data().toString(), QString("7.7 mi"));
    QCOMPARE(grouped.index(4, 3).data().toString(), QString("top 60 MPH"));
}

void TestDrivePlaylist::foldingHidesTheRecordings()
{
    PlaylistModel playlist;
    fill(playlist, 4);
    DrivePlaylist grouped;
    grouped.setSourceModel(&playlist);
    grouped.setDrives({drive(0, 3, 0, 180)});
    QCOMPARE(grouped.rowCount(), 5);
    QSignalSpy removed(&grouped, &QAbstractItemModel::rowsRemoved);
    grouped.setExpanded(0, false);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][1].toInt(), 1);
    QCOMPARE(removed[0][2].toInt(), 3);
    QCOMPARE(grouped.rowCount(), 2);
    QCOMPARE(grouped.rowOfSource(1), -1);
    QCOMPARE(grouped.rowOfSource(3), 1);
    QVERIFY(grouped.index(0, 0).data().toString().startsWith(QChar(0x25B8)));
    grouped.setExpanded(0, true);
    QCOMPARE(grouped.rowCount(), 5);
    QCOMPARE(grouped.rowOfSource(1), 2);
    // Out of range: nothing happens.
    grouped.setExpanded(7, false);
    QCOMPARE(grouped.rowCount(), 5);
}

void TestDrivePlaylist::listingBeforeTheDrivesAreKnown()
{
    PlaylistModel playlist;
    DrivePlaylist grouped;
    grouped.setSourceModel(&playlist);
    QSignalSpy inserted(&grouped, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&grouped, &QAbstractItemModel::modelReset);
    fill(playlist, 3);
    // Appends come through as appends, so the view keeps its current row while scanning.
    QCOMPARE(inserted.size(), 3);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(grouped.rowCount(), 3);

    // With drives shown, a new row makes the old summary stale: the plain list until the
    // next analysis.
    grouped.setDrives({drive(0, 3, 0, 180)});
    QCOMPARE(grouped.rowCount(), 4);
    playlist.addRow(QFileInfo("/nowhere/9_F.MP4"));
    QCOMPARE(grouped.rowCount(), 4);
    QVERIFY(grouped.drives().isEmpty());
    QCOMPARE(grouped.sourceRowOf(3), 3);
}

QTEST_GUILESS_MAIN(TestDrivePlaylist)
#include "tst_driveplaylist.moc"
