#include "library/playlistitem.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"

#include <QGridLayout>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "r,c" for a player in the grid and visible, "-" for one hidden or outside it, "x" for none.
QString where(PlayAreaManager &area, ShowMode channel)
{
    PlayerWidget *player = area.playerFor(channel);
    if (!player)
        return QStringLiteral("x");
    auto *grid = qobject_cast<QGridLayout *>(
        area.findChild<QWidget *>(QStringLiteral("wgtbackWidget"))->layout());
    const int index = grid->indexOf(player);
    if (index < 0 || player->isHidden())
        return QStringLiteral("-");
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return QStringLiteral("%1,%2").arg(row).arg(column);
}

QString layoutOf(PlayAreaManager &area)
{
    return QStringList{where(area, ShowFront), where(area, ShowRear), where(area, ShowThird),
                       where(area, ShowFourth)}
        .join(QLatin1Char(' '));
}

} // namespace

class TestPlayAreaManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        item.rowId = 7;
        item.url = QUrl::fromLocalFile(QStringLiteral("/rec/20230101_120000_F.MP4"));
    }

    // Which players exist and where they sit, for each channel count and set of files.
    void layouts_data()
    {
        QTest::addColumn<QString>("channels"); // present secondary channels: r, t, f
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected"); // front rear third fourth
        QTest::newRow("front only") << "" << 1 << "0,0 x x x";
        QTest::newRow("front+rear") << "r" << 2 << "0,0 0,1 x x";
        QTest::newRow("front+third") << "t" << 2 << "0,0 x 0,1 x";
        QTest::newRow("front+fourth") << "f" << 2 << "0,0 x x 0,1";
        QTest::newRow("rear+third") << "rt" << 3 << "0,0 0,1 1,1 x";
        QTest::newRow("rear+fourth") << "rf" << 3 << "0,0 0,1 x 1,1";
        QTest::newRow("third+fourth") << "tf" << 3 << "0,0 x 0,1 1,1";
        QTest::newRow("all four") << "rtf" << 4 << "0,0 0,1 1,0 1,1";
    }
    void layouts()
    {
        QFETCH(QString, channels);
        QFETCH(int, count);
        QFETCH(QString, expected);
        PlayAreaManager area;
        // From a four-channel recording first, so stale players would show up.
        load(area, QStringLiteral("rtf"), 4);
        load(area, channels, count);
        QCOMPARE(layoutOf(area), expected);
        area.setShowMode(ShowAll);
        QCOMPARE(layoutOf(area), expected);
    }

    void singleViews()
    {
        PlayAreaManager area;
        load(area, QStringLiteral("rtf"), 4);
        QSignalSpy spy(&area, &PlayAreaManager::showModeChanged);
        area.setShowMode(ShowThird);
        QCOMPARE(layoutOf(area), QStringLiteral("- - 0,0 -"));
        area.setShowMode(ShowFront);
        QCOMPARE(layoutOf(area), QStringLiteral("0,0 - - -"));
        area.setShowMode(ShowAll);
        QCOMPARE(layoutOf(area), QStringLiteral("0,0 0,1 1,0 1,1"));
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.last().at(0).value<ShowMode>(), ShowAll);

        // A view of a channel the recording lacks keeps the front camera on screen.
        load(area, QStringLiteral("t"), 2);
        area.setShowMode(ShowRear);
        QCOMPARE(layoutOf(area), QStringLiteral("0,0 x - x"));
    }

    // With one channel, the main player stays visible and the reported view names the
    // channel the recording has.
    void singleChannelReportsPresence_data()
    {
        QTest::addColumn<bool>("front");
        QTest::addColumn<bool>("rear");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("reported");
        QTest::newRow("rear-only, rear view") << false << true << int(ShowRear) << int(ShowRear);
        QTest::newRow("rear-only, front view") << false << true << int(ShowFront) << int(ShowRear);
        QTest::newRow("front-only, rear view") << true << false << int(ShowRear) << int(ShowRear);
        QTest::newRow("front-only, third view")
            << true << false << int(ShowThird) << int(ShowThird);
        QTest::newRow("front-only, all") << true << false << int(ShowAll) << int(ShowAll);
    }
    void singleChannelReportsPresence()
    {
        QFETCH(bool, front);
        QFETCH(bool, rear);
        QFETCH(int, requested);
        QFETCH(int, reported);
        PlayAreaManager area;
        area.setChannelPresence(front, rear, false, false);
        load(area, QString(), 1);
        QSignalSpy spy(&area, &PlayAreaManager::showModeChanged);
        area.setShowMode(ShowMode(requested));
        QCOMPARE(where(area, ShowFront), QStringLiteral("0,0"));
        QCOMPARE(int(spy.last().at(0).value<ShowMode>()), reported);
        QCOMPARE(int(area.showMode()), reported);
    }

    void presence()
    {
        PlayAreaManager area;
        area.setChannelPresence(true, true, false, false);
        QCOMPARE(area.presence(), ShowRear);
        area.setChannelPresence(true, false, true, false);
        QCOMPARE(area.presence(), ShowThird);
        area.setChannelPresence(true, true, true, true);
        QCOMPARE(area.presence(), ShowAll);
        area.setChannelPresence(true, false, false, false);
        QCOMPARE(area.presence(), ShowFront);
    }

    void volumeAndMute()
    {
        PlayAreaManager area;
        load(area, QStringLiteral("rtf"), 4);
        Configuration *config = Configuration::instance();
        area.setVolume(40);
        QCOMPARE(config->volume(), 40);
        area.setVolume(0);
        QCOMPARE(config->volume(), 40);
        for (ShowMode channel : {ShowFront, ShowRear, ShowThird, ShowFourth})
            QCOMPARE(area.playerFor(channel)->mediaPlayer()->volume(), 0);

        area.setMuted(true);
        QVERIFY(config->isMute());
        area.setMuted(false);
        QVERIFY(!config->isMute());
        QVERIFY(!area.playerFor(ShowFront)->mediaPlayer()->isMuted());
    }

    // No media player (no GStreamer pipeline) until a recording loads; what the panel set
    // meanwhile reaches the players when they are made.
    void mediaPlayersMadeOnLoad()
    {
        PlayAreaManager area;
        QSignalSpy volumes(&area, &PlayAreaManager::volumeChanged);
        area.setVolume(30);
        area.setMuted(true);
        area.setPlaybackRate(2.0);
        area.pause();
        area.stop();
        area.seek(3);
        area.onSliderStatusChanged(false, 3);
        QCOMPARE(area.state(), QMediaPlayer::StoppedState);
        QCOMPARE(area.volume(), 30);
        QVERIFY(area.mainMedia().isNull());
        QCOMPARE(volumes.size(), 1);
        QVERIFY(!area.playerFor(ShowFront)->existingMediaPlayer());

        load(area, QStringLiteral("r"), 2);
        area.loadMedia();
        QMediaPlayer *main = area.playerFor(ShowFront)->existingMediaPlayer();
        QMediaPlayer *rear = area.playerFor(ShowRear)->existingMediaPlayer();
        QVERIFY(main && rear);
        for (QMediaPlayer *player : {main, rear}) {
            QCOMPARE(player->volume(), 30);
            QVERIFY(player->isMuted());
            QCOMPARE(player->playbackRate(), 2.0);
        }
        area.setVolume(50);
        QCOMPARE(volumes.size(), 2);
        QCOMPARE(volumes.last().at(0).toInt(), 50);
        area.setMuted(false);
        QVERIFY(!main->isMuted());
        QVERIFY(rear->isMuted());
    }

    void positionInWholeSeconds()
    {
        PlayAreaManager area;
        QSignalSpy spy(&area, &PlayAreaManager::positionChanged);
        QMetaObject::invokeMethod(&area, "onPositionChanged", Q_ARG(qint64, 2999));
        QCOMPARE(spy.size(), 0);
        load(area, QString(), 1);
        QMetaObject::invokeMethod(&area, "onPositionChanged", Q_ARG(qint64, 2999));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toLongLong(), 2);
        QCOMPARE(spy.at(0).at(1).toInt(), 7);
        area.stop();
        QVERIFY(!area.currentItem());
        QMetaObject::invokeMethod(&area, "onPositionChanged", Q_ARG(qint64, 4000));
        QCOMPARE(spy.size(), 1);
    }

    // Steps land on the frame grid: no drift over many steps, none past either end.
    void frameStepTargets()
    {
        QCOMPARE(PlayAreaManager::frameStepTarget(3000, 15.0f, 1, 8000), qint64(3067));
        QCOMPARE(PlayAreaManager::frameStepTarget(3067, 15.0f, -1, 8000), qint64(3000));
        qint64 position = 0;
        for (int i = 0; i < 300; ++i)
            position = PlayAreaManager::frameStepTarget(position, 29.97f, 1, 0);
        QCOMPARE(position, qint64(10010)); // 300 frames of 1/29.97 s
        QCOMPARE(PlayAreaManager::frameStepTarget(10, 25.0f, -1, 8000), qint64(0));
        QCOMPARE(PlayAreaManager::frameStepTarget(7990, 25.0f, 1, 8000), qint64(8000));
        QCOMPARE(PlayAreaManager::frameStepTarget(1000, 0.0f, 1, 0), qint64(1033)); // 30 unknown
    }

    void screenshotTargets()
    {
        PlayAreaManager area;
        QVERIFY(area.screenshotTargets().isEmpty());
        load(area, QString(), 1);
        area.setShowMode(ShowAll);
        // One camera, one picture, however many channels the view could hold.
        QCOMPARE(area.screenshotTargets(), QList<PlayerWidget *>{area.playerFor(ShowFront)});
        area.setShowMode(ShowFourth);
        QCOMPARE(area.screenshotTargets(), QList<PlayerWidget *>{area.playerFor(ShowFront)});

        load(area, QStringLiteral("rtf"), 4);
        area.setShowMode(ShowAll);
        QCOMPARE(area.screenshotTargets().size(), 4);
        area.setShowMode(ShowThird);
        QCOMPARE(area.screenshotTargets(), QList<PlayerWidget *>{area.playerFor(ShowThird)});

        // The third view carried over to a front+rear recording shows the front player, and
        // the screenshot takes what is shown.
        load(area, QStringLiteral("r"), 2);
        area.setShowMode(area.showMode());
        QCOMPARE(area.screenshotTargets(), QList<PlayerWidget *>{area.playerFor(ShowFront)});
        area.setShowMode(ShowAll);
        QCOMPARE(area.screenshotTargets(),
                 (QList<PlayerWidget *>{area.playerFor(ShowFront), area.playerFor(ShowRear)}));

        // Front+third with the rear view chosen: the front player stands in for the rear.
        load(area, QStringLiteral("t"), 2);
        area.setShowMode(ShowRear);
        QCOMPARE(area.screenshotTargets(), QList<PlayerWidget *>{area.playerFor(ShowFront)});

        area.stop();
        QVERIFY(area.screenshotTargets().isEmpty());
    }

    void drop()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.mp4")));
        const QUrl b = QUrl::fromLocalFile(dir.filePath(QStringLiteral("b.MP4")));
        const QUrl a = QUrl::fromLocalFile(dir.filePath(QStringLiteral("a # 1.mp4")));
        const QUrl notes = QUrl::fromLocalFile(dir.filePath(QStringLiteral("notes.txt")));
        const QUrl folder = QUrl::fromLocalFile(dir.filePath(QStringLiteral("folder.mp4")));

        PlayAreaManager area;
        QStringList order;
        connect(&area, &PlayAreaManager::dropStop, &area, [&] { order << QStringLiteral("stop"); });
        connect(&area, &PlayAreaManager::dropFile, &area, [&](const QString &url, int index) {
            order << QStringLiteral("%1 %2").arg(url).arg(index);
        });

        QMimeData textOnly;
        textOnly.setUrls({notes, folder});
        QDragEnterEvent rejected(QPoint(1, 1), Qt::CopyAction, &textOnly, Qt::LeftButton,
                                 Qt::NoModifier);
        QApplication::sendEvent(&area, &rejected);
        QVERIFY(!rejected.isAccepted());

        QMimeData mime;
        mime.setUrls({b, notes, a});
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&area, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&area, &dropped);
        QCOMPARE(order, (QStringList{QStringLiteral("stop"), FileUrl(a) + QStringLiteral(" 0"),
                                     FileUrl(b) + QStringLiteral(" 1")}));

        // Only accepted files are numbered (the window plays number 0), and only local files
        // are accepted: a web link cannot play.
        order.clear();
        const QUrl early = QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.txt")));
        const QUrl link(QStringLiteral("http://example.com/a.mp4"));
        QMimeData mixed;
        mixed.setUrls({b, early, link});
        QDragEnterEvent mixedEnter(QPoint(1, 1), Qt::CopyAction, &mixed, Qt::LeftButton,
                                   Qt::NoModifier);
        QApplication::sendEvent(&area, &mixedEnter);
        QDropEvent second(QPointF(1, 1), Qt::CopyAction, &mixed, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&area, &second);
        QCOMPARE(order, (QStringList{QStringLiteral("stop"), FileUrl(b) + QStringLiteral(" 0")}));
        QMimeData linkOnly;
        linkOnly.setUrls({link});
        QDragEnterEvent web(QPoint(1, 1), Qt::CopyAction, &linkOnly, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&area, &web);
        QVERIFY(!web.isAccepted());
    }

private:
    static QString FileUrl(const QUrl &url) { return QString::fromLatin1(url.toEncoded()); }

    void load(PlayAreaManager &area, const QString &channels, int count)
    {
        area.stop();
        const auto url = [&](QChar c, const char *name) {
            return channels.contains(c) ? QStringLiteral("file:///rec/20230101_120000_%1.MP4")
                                              .arg(QLatin1String(name))
                                        : QString();
        };
        area.setSources(&item, url(QLatin1Char('r'), "R"), url(QLatin1Char('t'), "T"),
                        url(QLatin1Char('f'), "S"));
        area.setChannelCount(count);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    PlaylistItem item;
};

QTEST_MAIN(TestPlayAreaManager)
#include "tst_playareamanager.moc"
