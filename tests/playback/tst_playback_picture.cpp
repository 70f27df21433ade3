#include "library/playlistitem.h"
#include "platform/fileurl.h"
#include "playback/channelsync.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// What a person sees of the video: the play area is read back from the X server, so a
// picture drawn by the widget and one drawn by a GStreamer overlay window count alike.

namespace {

enum class VideoPath
{
    Painted, // Qt paints each frame in the widget's paint handler
    Overlay  // a GStreamer sink draws into a native window of its own
};

void chooseVideoPath(VideoPath path)
{
    // Qt's GStreamer back end reads these when a player is created. A sink it cannot make
    // leaves it without overlay controls, so it falls back to painting frames.
    for (const char *name : {"QT_GSTREAMER_WIDGET_VIDEOSINK", "QT_GSTREAMER_WINDOW_VIDEOSINK"}) {
        if (path == VideoPath::Painted)
            qputenv(name, "waylume-no-overlay");
        else
            qunsetenv(name);
    }
}

bool drawsThroughOverlay(PlayerWidget *player)
{
    const QList<QWidget *> children = player->findChildren<QWidget *>();
    return std::any_of(children.begin(), children.end(),
                       [](QWidget *child) { return child->testAttribute(Qt::WA_NativeWindow); });
}

QImage onScreen(QWidget *widget)
{
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Coarse colours of a sparse grid: the test pattern has dozens, a fill has one.
int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 2; y < image.height(); y += 4) {
        for (int x = 2; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y) & 0xE0E0E0);
    }
    return colours.size();
}

double changedShare(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    int changed = 0;
    int total = 0;
    for (int y = 0; y < a.height(); y += 2) {
        for (int x = 0; x < a.width(); x += 2) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            ++total;
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) >
                48)
                ++changed;
        }
    }
    return double(changed) / total;
}

QString describe(const QImage &image)
{
    return QStringLiteral("%1 colours in %2x%3")
        .arg(colourCount(image))
        .arg(image.width())
        .arg(image.height());
}

} // namespace

Q_DECLARE_METATYPE(VideoPath)
Q_DECLARE_METATYPE(Simulator::Arrangement)

class TestPlaybackPicture : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg is needed to encode the recordings");
        QVERIFY(folder.isValid());
        for (Simulator::Arrangement kind :
             {Simulator::Arrangement::GpsBoxTable, Simulator::Arrangement::GpsMetaTrack}) {
            Simulator::Recording recording;
            recording.arrangement = kind;
            recording.track = Simulator::makeTrack(8);
            recording.realVideo = true;
            recording.width = 320;
            recording.height = 180;
            recording.frameRate = 15;
            QString error;
            QVERIFY2(Simulator::write(recording, clip(kind), &error), qPrintable(error));
        }
    }

    void cleanup() { chooseVideoPath(VideoPath::Overlay); }

    void pictureShown_data()
    {
        QTest::addColumn<VideoPath>("path");
        QTest::addColumn<int>("count");
        QTest::addColumn<Simulator::Arrangement>("kind");
        for (VideoPath path : {VideoPath::Painted, VideoPath::Overlay}) {
            for (int count : {1, 2, 4}) {
                for (Simulator::Arrangement kind :
                     {Simulator::Arrangement::GpsBoxTable, Simulator::Arrangement::GpsMetaTrack}) {
                    QTest::addRow("%s %d channels %s",
                                  path == VideoPath::Painted ? "painted" : "overlay", count,
                                  kind == Simulator::Arrangement::GpsMetaTrack ? "metadata track"
                                                                               : "no metadata")
                        << path << count << kind;
                }
            }
        }
    }

    // Every visible player shows the moving test pattern while playing, keeps its frame
    // when paused, repainted and resized, and no fill flickers over it while it plays.
    void pictureShown()
    {
        QFETCH(VideoPath, path);
        QFETCH(int, count);
        QFETCH(Simulator::Arrangement, kind);
        chooseVideoPath(path);

        QWidget window;
        window.resize(640, 360);
        auto *area = new PlayAreaManager(&window);
        area->resize(window.size());
        // A player held to bring it into step shows one frame for a while; this is about
        // drawing, so the players are left to themselves.
        area->channelSync()->setEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        PlaylistItem item;
        item.rowId = 1;
        item.url = QUrl(FileUrl::fromLocalPath(clip(kind)));
        const QString same = FileUrl::fromLocalPath(clip(kind));
        area->setChannelPresence(true, count > 1, count > 2, count > 3);
        area->setSources(&item, count > 1 ? same : QString(), count > 2 ? same : QString(),
                         count > 3 ? same : QString());
        area->setChannelCount(count);
        area->loadMedia();
        area->play();

        QList<PlayerWidget *> players;
        for (ShowMode channel : {ShowFront, ShowRear, ShowThird, ShowFourth}) {
            if (PlayerWidget *player = area->playerFor(channel))
                players.append(player);
        }
        QCOMPARE(players.size(), count);
        const auto allAt = [&](QMediaPlayer::State state, qint64 after) {
            return std::all_of(players.begin(), players.end(), [&](PlayerWidget *p) {
                return p->mediaPlayer()->state() == state && p->mediaPlayer()->position() > after;
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allAt(QMediaPlayer::PlayingState, 800), 15000);
        if (path == VideoPath::Overlay && !drawsThroughOverlay(players.first()))
            QSKIP("no GStreamer sink can draw into an X window here (gstreamer1.0-x)");
        for (PlayerWidget *player : players)
            QCOMPARE(drawsThroughOverlay(player), path == VideoPath::Overlay);

        // Several looks while it plays: a fill painted over the frames would show in one.
        QList<QImage> looks;
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(150);
            looks.append(onScreen(area));
        }
        for (PlayerWidget *player : players) {
            const QRect cell(player->mapTo(area, QPoint(0, 0)), player->size());
            for (const QImage &look : looks) {
                const QImage picture = look.copy(cell);
                QVERIFY2(colourCount(picture) >= 12, qPrintable(describe(picture)));
            }
            // A loaded machine may drop frames for a moment: the picture must move on within
            // a few seconds, not necessarily within the four looks.
            const QImage first = looks.first().copy(cell);
            QTRY_VERIFY_WITH_TIMEOUT(changedShare(first, onScreen(area).copy(cell)) > 0.002, 5000);
        }

        area->pause();
        QTRY_VERIFY_WITH_TIMEOUT(allAt(QMediaPlayer::PausedState, 0), 5000);
        area->update();
        window.resize(560, 320);
        area->resize(window.size());
        QTest::qWait(300);
        for (PlayerWidget *player : players) {
            QTRY_VERIFY2_WITH_TIMEOUT(colourCount(onScreen(player)) >= 12,
                                      qPrintable(describe(onScreen(player))), 5000);
        }
        area->stop();
    }

private:
    QString clip(Simulator::Arrangement kind) const
    {
        return folder.filePath(
            QStringLiteral("20240517_083000_%1.MP4").arg(Simulator::arrangementName(kind)));
    }

    QTemporaryDir folder;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestPlaybackPicture test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_playback_picture.moc"
