// The window's clock for the playing card: the offset a recording's track gives, the date
// label's text in the chosen time, and the choice remembered per card.

#include "app/clockcoordinator.h"
#include "controls/clockbar.h"
#include "library/playlistitem.h"
#include "settings/configuration.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

GpsData fix(int index, const char *stamp)
{
    GpsData r;
    r.index = index;
    qstrncpy(r.dateTime, stamp, sizeof r.dateTime);
    r.latitude = 47.66;
    r.longitude = 9.31;
    return r;
}

PlaylistItem row(const QString &path)
{
    PlaylistItem item;
    item.url = QUrl::fromLocalFile(path);
    item.gps.kind = GpsSourceKind::GpsMetaTrack;
    return item;
}

} // namespace

class TestClockCoordinator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("Waylume clock test"));
        QCoreApplication::setOrganizationName(QStringLiteral("Quorvix"));
        QFile::remove(Configuration::instance()->fileName());
    }

    void choiceIsShownAndRememberedPerCard()
    {
        QTemporaryDir cardA, cardB;
        ClockBar bar;
        ClockCoordinator clock(&bar, nullptr);
        QSignalSpy changed(&clock, &ClockCoordinator::choiceChanged);
        // The camera's name says 08:30:14 where GPS said 07:30:00: an hour and 14 s ahead.
        const QList<GpsData> track{fix(0, "20240517073000"), fix(1, "20240517073001")};
        clock.recordingStarted(row(cardA.filePath("Normal/20240517_083014_0000001F.MP4")), track);
        QCOMPARE(clock.recordingClock().offset.seconds, qint64(3614));
        QCOMPARE(bar.offsetText(),
                 QString("The camera's clock runs 1 h 00 min 14 s ahead of GPS time (UTC)"));
        QCOMPARE(clock.shownText(track.at(1)), QString("2024/05/17 08:30:01 UTC+01:00"));
        QVERIFY(clock.cameraTip(track.at(1)).startsWith("Camera's clock: 2024/05/17 08:30:15"));

        auto *show = bar.findChild<QComboBox *>("cBox_ClockShow");
        QVERIFY(show);
        show->setCurrentIndex(show->findData(int(ClockChoice::Display::Utc)));
        emit show->activated(show->currentIndex());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(clock.shownText(track.at(1)), QString("2024/05/17 07:30:01 UTC"));

        // Another card starts with the default; coming back finds UTC again. The card's
        // subfolder (Normal/Event) does not make it another card.
        clock.recordingStarted(row(cardB.filePath("20240517_083014_F.MP4")), track);
        QCOMPARE(clock.choice(), ClockChoice());
        clock.recordingStarted(row(cardA.filePath("Event/20240517_083014_0000002F.MP4")), track);
        QCOMPARE(clock.choice().display, ClockChoice::Display::Utc);
        QCOMPARE(show->currentData().toInt(), int(ClockChoice::Display::Utc));
    }

    void recordingWithoutItsOwnOffsetTakesTheCards()
    {
        QTemporaryDir card;
        ClockBar bar;
        ClockCoordinator clock(&bar, nullptr);
        clock.recordingStarted(row(card.filePath("20240517_083014_F.MP4")),
                               {fix(0, "20240517073000")});
        // No fix with a time in the next recording: the card's offset carries its seconds.
        GpsData blank = fix(5, "");
        clock.recordingStarted(row(card.filePath("20240517_084014_F.MP4")), {blank});
        QCOMPARE(clock.recordingClock().offset.seconds, qint64(3614));
        QCOMPARE(clock.shownText(blank), QString("2024/05/17 08:40:05 UTC+01:00"));
        QVERIFY(clock.cameraTip(blank).startsWith("Camera's clock: 2024/05/17 08:40:19"));
    }

    // The clock was set back an hour between two recordings of the card: the bar says so for
    // that card only, and each recording keeps its own offset.
    void barSaysWhenTheCardsRecordingsDisagree()
    {
        QTemporaryDir card, other;
        ClockBar bar;
        ClockCoordinator clock(&bar, nullptr);
        auto *label = bar.findChild<QLabel *>("lbl_ClockOffset");
        QVERIFY(label);
        const QString first = card.filePath("20240517_083014_F.MP4");
        clock.recordingStarted(row(first), {fix(0, "20240517063000")});
        QVERIFY(!bar.offsetText().contains("jumped"));
        QHash<QString, QList<ClockOffset>> offsets;
        offsets.insert(CardClock::cardFolderOf(first),
                       {ClockOffset::known(7214), ClockOffset::known(7230),
                        ClockOffset::unknown(ClockOffset::Status::NoFix),
                        ClockOffset::known(3614)});
        offsets.insert(CardClock::cardFolderOf(other.filePath("x.MP4")),
                       {ClockOffset::known(7214), ClockOffset::known(7240)});
        clock.setRecordingOffsets(offsets);
        QVERIFY2(bar.offsetText().contains("from +01:00:14 to +02:00:30"),
                 qPrintable(bar.offsetText()));
        QVERIFY(label->toolTip().contains("own offset"));
        clock.recordingStarted(row(card.filePath("20240517_093014_F.MP4")),
                               {fix(0, "20240517083000")});
        QCOMPARE(clock.recordingClock().offset.seconds, qint64(3614));
        QVERIFY(bar.offsetText().contains("jumped"));
        // Another card whose offsets stay within a minute of each other: one clock.
        clock.recordingStarted(row(other.filePath("20240517_083014_F.MP4")),
                               {fix(0, "20240517063000")});
        QVERIFY(!bar.offsetText().contains("jumped"));
    }
};

QTEST_MAIN(TestClockCoordinator)
#include "tst_clockcoordinator.moc"
