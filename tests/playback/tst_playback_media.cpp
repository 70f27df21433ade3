#include "fakeffmpeg.h"
#include "library/playlistitem.h"
#include "platform/fileurl.h"
#include "playback/channelsync.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "settings/configuration.h"

#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QWheelEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>
#include <signal.h>

namespace {

const char *const kChannels[] = {"F", "R", "T", "S"};

// Short clips with a moving picture and a sound track, cached in the build tree. A key
// frame each second, as dash cameras write them, so that seeks land where asked.
bool makeClip(const QString &path, const QString &codec)
{
    if (QFileInfo(path).size() > 0)
        return true;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v",
                                            "error",
                                            "-y",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "testsrc2=size=320x180:rate=15",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "sine=frequency=440",
                                            "-t",
                                            "8",
                                            "-c:v",
                                            codec,
                                            "-g",
                                            "15",
                                            "-pix_fmt",
                                            "yuv420p",
                                            "-c:a",
                                            "aac",
                                            "-shortest",
                                            path + QStringLiteral(".part.mp4")});
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
        return false;
    return QFile::rename(path + QStringLiteral(".part.mp4"), path);
}

bool allPlayers(PlayAreaManager &area, const std::function<bool(QMediaPlayer *)> &test)
{
    for (ShowMode channel : {ShowFront, ShowRear, ShowThird, ShowFourth}) {
        if (PlayerWidget *player = area.playerFor(channel); player && !test(player->mediaPlayer()))
            return false;
    }
    return true;
}

bool playing(QMediaPlayer *player)
{
    return player->state() == QMediaPlayer::PlayingState && player->position() > 0;
}

} // namespace

class TestPlaybackMedia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(shots.isValid());
        Configuration::instance()->setScreenshotSavePath(shots.filePath(QStringLiteral("shots")));
        media = QStringLiteral(WAYLUME_BIN_DIR "/../playback-media");
        QVERIFY(QDir().mkpath(media));
        for (const char *channel : kChannels)
            QVERIFY(makeClip(clip(channel), QStringLiteral("libx264")));
        hevc =
            makeClip(media + QStringLiteral("/20230101_130000_F.MP4"), QStringLiteral("libx265"));
        item.rowId = 7;
    }

    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(640, 360);
        area = new PlayAreaManager(window.get());
        area->resize(640, 360);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        area = nullptr;
        window.reset();
        PlayerWidget::capturePending = false;
    }

    void channelsPlay_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("four") << 4;
    }
    void channelsPlay()
    {
        QFETCH(int, count);
        QSignalSpy positions(area, &PlayAreaManager::positionChanged);
        load(count);
        // No pipeline is set playing while any is still loading: GStreamer can hang the GUI
        // thread when told to play during the preroll of media it has just opened.
        QVERIFY(anyLoading());
        bool playedWhileLoading = false;
        watchPlayWhileLoading(playedWhileLoading);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        QVERIFY(!playedWhileLoading);
        QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty() && positions.last().at(0).toLongLong() >= 1,
                                 10000);
        for (const QList<QVariant> &signal : positions)
            QCOMPARE(signal.at(1).toInt(), 7);
        QCOMPARE(area->state(), QMediaPlayer::PlayingState);
        QVERIFY(allPlayers(*area, [&](QMediaPlayer *p) { return p == main() || p->isMuted(); }));
    }

    void transportActsOnAll()
    {
        load(4);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);

        area->pause();
        QTRY_VERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::PausedState; }));
        area->seek(5);
        QTRY_VERIFY2(
            allPlayers(*area, [](QMediaPlayer *p) { return qAbs(p->position() - 5000) < 100; }),
            qPrintable(positionsText()));

        area->setPlaybackRate(2.0);
        QVERIFY(allPlayers(*area,
                           [](QMediaPlayer *p) { return qFuzzyCompare(p->playbackRate(), 2.0); }));
        QSignalSpy muted(area, &PlayAreaManager::mutedChanged);
        area->setMuted(true);
        QTRY_COMPARE(muted.size(), 1);
        QVERIFY(main()->isMuted());
        area->setMuted(false);
        QVERIFY(!main()->isMuted());
        QVERIFY(allPlayers(*area, [&](QMediaPlayer *p) { return p == main() || p->isMuted(); }));

        area->stop();
        QTRY_VERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::StoppedState; }));
    }

    // Releasing the slider brings every player to that second; one already there is not
    // sent back to its start.
    void sliderReleaseResyncs()
    {
        load(4);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->onSliderStatusChanged(true, 0);
        QTRY_VERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::PausedState; }));
        area->playerFor(ShowRear)->mediaPlayer()->setPosition(6000);
        main()->setPosition(2400);
        QTRY_VERIFY(qAbs(main()->position() - 2400) < 100);
        area->onSliderStatusChanged(false, 2);
        QTRY_VERIFY2(allPlayers(*area,
                                [](QMediaPlayer *p) {
                                    return p->state() == QMediaPlayer::PlayingState &&
                                           p->position() >= 2000 && p->position() < 3300;
                                }),
                     qPrintable(positionsText()));
        // The main player kept its 2.4 s rather than jumping back to 2.0 s.
        QVERIFY(main()->position() >= 2400);
    }

    // The seek bar let go right after a recording was loaded: the players start together
    // once they have loaded, at the second chosen, not during their preroll.
    void sliderReleaseWhileLoadingWaits()
    {
        load(4);
        QVERIFY(anyLoading());
        bool playedWhileLoading = false;
        watchPlayWhileLoading(playedWhileLoading);
        area->onSliderStatusChanged(true, 0);
        area->onSliderStatusChanged(false, 3);
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area,
                                            [](QMediaPlayer *p) {
                                                return p->state() == QMediaPlayer::PlayingState &&
                                                       p->position() >= 3000;
                                            }),
                                 10000);
        QVERIFY(!playedWhileLoading);
    }

    // Stopped, the players still hold the last recording; a click on the seek bar (press
    // and release) must not start it.
    void sliderDoesNothingWhileStopped()
    {
        load(2);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->stop();
        area->onSliderStatusChanged(true, 0);
        area->seek(3);
        area->onSliderStatusChanged(false, 3);
        QTest::qWait(500);
        QVERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::StoppedState; }));
    }

    // "." and "," while paused: every channel one frame (1/15 s here) on, and back.
    void frameStepMovesAllChannels()
    {
        item.frameRate = 15.0f;
        load(2);
        area->stepFrame(1); // stopped: nothing
        QCOMPARE(main()->position(), qint64(0));
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->pause();
        QTRY_VERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::PausedState; }));
        area->seek(3);
        QTRY_VERIFY(allPlayers(*area, [](QMediaPlayer *p) { return qAbs(p->position() - 3000) < 100; }));
        const qint64 start = main()->position();
        const qint64 one = PlayAreaManager::frameStepTarget(start, 15.0f, 1, 0);
        const qint64 two = PlayAreaManager::frameStepTarget(one, 15.0f, 1, 0);
        QVERIFY(qAbs(two - start - 133) <= 1);
        QSignalSpy positions(area, &PlayAreaManager::positionChanged);
        area->stepFrame(1);
        area->stepFrame(1);
        QTRY_VERIFY2(allPlayers(*area, [&](QMediaPlayer *p) { return p->position() == two; }),
                     qPrintable(positionsText()));
        area->stepFrame(-1);
        QTRY_VERIFY2(allPlayers(*area, [&](QMediaPlayer *p) { return p->position() == one; }),
                     qPrintable(positionsText()));
        QVERIFY(!positions.isEmpty());
        QCOMPARE(positions.last().at(0).toLongLong(), qint64(3)); // the time label's second
        item.frameRate = 0;
    }

    // 4x at the top-left corner: what the player shows is the frame's top-left quarter of a
    // quarter, scaled up. Checked on the screen's pixels, whichever way the sink draws.
    void zoomMagnifiesThePicture()
    {
        load(1);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->pause();
        QTRY_COMPARE(main()->state(), QMediaPlayer::PausedState);
        area->seek(2);
        QTRY_VERIFY(qAbs(main()->position() - 2000) < 100);
        PlayerWidget *front = area->playerFor(ShowFront);
        const QRect place(front->mapToGlobal(QPoint(0, 0)), front->size());
        const auto grab = [&] {
            return QGuiApplication::primaryScreen()
                ->grabWindow(0, place.x(), place.y(), place.width(), place.height())
                .toImage();
        };
        QTest::qWait(500);
        const QImage plain = grab();
        QWheelEvent wheel(QPointF(0, 0), QPointF(place.topLeft()), QPoint(), QPoint(0, 120 * 8),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(front, &wheel);
        QCOMPARE(front->zoom().factor(), 4.0);
        const auto close = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                       qAbs(qBlue(a) - qBlue(b)) < 90;
        };
        const auto matching = [&](const QImage &zoomed, int scale) {
            int hits = 0, total = 0;
            for (int y = 20; y < zoomed.height() - 20; y += 23) {
                for (int x = 20; x < zoomed.width() - 20; x += 29, ++total)
                    hits += close(zoomed.pixel(x, y), plain.pixel(x / scale, y / scale));
            }
            return 100 * hits / qMax(total, 1);
        };
        QImage zoomed;
        QTRY_VERIFY_WITH_TIMEOUT((zoomed = grab(), matching(zoomed, 4) > 80), 5000);
        QVERIFY2(matching(zoomed, 1) < 60, "the picture did not change");
        front->resetZoom();
        QTRY_VERIFY_WITH_TIMEOUT(matching(grab(), 1) > 80, 5000);
    }

    // A secondary player put out of step while playing, ahead and then behind, is brought
    // back; pausing in the middle of a correction leaves no player paused for good.
    void secondaryBroughtBackInStep()
    {
        load(2);
        area->play();
        QMediaPlayer *rear = area->playerFor(ShowRear)->mediaPlayer();
        const auto inStep = [&] {
            return playing(main()) && rear->state() == QMediaPlayer::PlayingState &&
                   qAbs(rear->position() - main()->position()) < 100;
        };
        QTRY_VERIFY_WITH_TIMEOUT(inStep(), 15000);
        const int before = area->channelSync()->corrections();
        rear->setPosition(main()->position() + 700);
        QTRY_VERIFY_WITH_TIMEOUT(area->channelSync()->corrections() > before, 10000);
        QTRY_VERIFY2_WITH_TIMEOUT(inStep(), qPrintable(positionsText()), 10000);

        area->seek(0);
        QTRY_VERIFY_WITH_TIMEOUT(inStep(), 15000);
        rear->setPosition(main()->position() + 1200);
        QTest::qWait(100);
        rear->setPosition(qMax<qint64>(0, main()->position() - 1000));
        QTRY_VERIFY_WITH_TIMEOUT(area->channelSync()->corrections() > before + 1, 10000);
        area->pause();
        QTRY_VERIFY(allPlayers(
            *area, [](QMediaPlayer *p) { return p->state() == QMediaPlayer::PausedState; }));
        area->play();
        QTRY_VERIFY2_WITH_TIMEOUT(inStep(), qPrintable(positionsText()), 15000);
    }

    // Zoomed in, a screenshot still holds the whole frame at the video's own size.
    void realScreenshot()
    {
        load(1);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->pause();
        PlayerWidget *front = area->playerFor(ShowFront);
        const QPointF centre(front->width() / 2.0, front->height() / 2.0);
        QWheelEvent wheel(centre, QPointF(front->mapToGlobal(centre.toPoint())), QPoint(), QPoint(0, 480),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(front, &wheel);
        QVERIFY(front->zoom().factor() > 2.4);
        QElapsedTimer timer;
        timer.start();
        area->screenshot();
        QVERIFY(PlayerWidget::capturePending);
        QTRY_VERIFY_WITH_TIMEOUT(!PlayerWidget::capturePending, 20000);
        qInfo() << "screenshot took" << timer.elapsed() << "ms";
        QCOMPARE(QToolTip::text(), QStringLiteral("Snapshot success"));
        const QFileInfoList jpegs =
            QDir(shots.filePath(QStringLiteral("shots")))
                .entryInfoList({QStringLiteral("ScreenShot_20230101_120000_F__*.jpeg")},
                               QDir::Files);
        QCOMPARE(jpegs.size(), 1);
        QVERIFY(jpegs.first().size() > 1000);
        QFile jpeg(jpegs.first().filePath());
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        QVERIFY(jpeg.read(2) == QByteArray("\xff\xd8"));
        QCOMPARE(QImage(jpegs.first().filePath()).size(), QSize(320, 180));
    }

    void missingSecondaryFailsAlone()
    {
        item.url = QUrl(FileUrl::fromLocalPath(clip("F")));
        area->setChannelPresence(true, true, true, false);
        area->setSources(&item, FileUrl::fromLocalPath(media + QStringLiteral("/missing_R.MP4")),
                         FileUrl::fromLocalPath(clip("T")), QString());
        area->setChannelCount(3);
        area->loadMedia();
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(
            playing(main()) && playing(area->playerFor(ShowThird)->mediaPlayer()), 10000);
        QMediaPlayer *rear = area->playerFor(ShowRear)->mediaPlayer();
        QTRY_VERIFY_WITH_TIMEOUT(rear->error() != QMediaPlayer::NoError, 10000);
        QCOMPARE(rear->state(), QMediaPlayer::StoppedState);
        QCOMPARE(area->state(), QMediaPlayer::PlayingState);
    }

    // A player dropped by the next recording while its ffmpeg still runs takes the
    // capture down with it instead of crashing or leaving the worker behind.
    void deletePlayerWhileCapturing()
    {
        FakeFfmpeg fake;
        QVERIFY(fake.install());
        fake.setMode(QString(), 30);
        load(2);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(allPlayers(*area, playing), 10000);
        area->setShowMode(ShowRear);
        area->screenshot();
        QTRY_VERIFY_WITH_TIMEOUT(fake.lastPid() > 0, 5000);
        const qint64 pid = fake.lastPid();
        QPointer<PlayerWidget> rear = area->playerFor(ShowRear);
        load(1);
        QTRY_VERIFY(rear.isNull());
        QVERIFY2(!fake.sleptThrough(), "the player waited for the whole capture");
        QCOMPARE(::kill(pid_t(pid), 0), -1);
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(playing(main()), 10000);
    }

    void hevcPlays()
    {
        if (!hevc)
            QSKIP("no H.265 encoder");
        item.url = QUrl(FileUrl::fromLocalPath(media + QStringLiteral("/20230101_130000_F.MP4")));
        area->setChannelPresence(true, false, false, false);
        area->setSources(&item, QString(), QString(), QString());
        area->setChannelCount(1);
        area->loadMedia();
        area->play();
        QTRY_VERIFY_WITH_TIMEOUT(main()->error() != QMediaPlayer::NoError || playing(main()),
                                 10000);
        if (main()->error() != QMediaPlayer::NoError)
            QSKIP("the installed GStreamer plugins do not decode H.265");
        QVERIFY(playing(main()));
    }

private:
    QString clip(const char *channel) const
    {
        return media + QStringLiteral("/20230101_120000_%1.MP4").arg(QLatin1String(channel));
    }
    QString positionsText() const
    {
        QStringList texts;
        allPlayers(*area, [&](QMediaPlayer *p) {
            texts << QString::number(p->position()) + QLatin1Char('/') +
                         QString::number(p->state());
            return true;
        });
        return texts.join(QLatin1Char(' '));
    }
    QMediaPlayer *main() const { return area->playerFor(ShowFront)->mediaPlayer(); }

    // The order the main window uses.
    bool anyLoading()
    {
        return !allPlayers(*area, [](QMediaPlayer *p) {
            return p->mediaStatus() != QMediaPlayer::LoadingMedia;
        });
    }

    void watchPlayWhileLoading(bool &playedWhileLoading)
    {
        allPlayers(*area, [&](QMediaPlayer *p) {
            connect(p, &QMediaPlayer::stateChanged, area, [&, this](QMediaPlayer::State state) {
                playedWhileLoading |= state == QMediaPlayer::PlayingState && anyLoading();
            });
            return true;
        });
    }

    void load(int count)
    {
        area->stop();
        item.url = QUrl(FileUrl::fromLocalPath(clip("F")));
        const auto url = [&](int channel) {
            return channel < count ? FileUrl::fromLocalPath(clip(kChannels[channel])) : QString();
        };
        area->setChannelPresence(true, count > 1, count > 2, count > 3);
        area->setSources(&item, url(1), url(2), url(3));
        area->setChannelCount(count);
        area->loadMedia();
    }

    QTemporaryDir shots;
    QString media;
    bool hevc = false;
    PlaylistItem item;
    std::unique_ptr<QWidget> window;
    PlayAreaManager *area = nullptr;
};

int main(int argc, char **argv)
{
    // fakesink renders sound as fast as it arrives, and the players then report the
    // sound's position, seconds ahead of the picture; fakeaudiosink keeps real time.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakeaudiosink");
    QApplication app(argc, argv);
    TestPlaybackMedia test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_playback_media.moc"
