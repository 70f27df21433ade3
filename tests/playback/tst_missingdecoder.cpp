#include "library/playlistitem.h"
#include "parser/gpsdata.h"
#include "playback/playareamanager.h"
#include "playback/playerwidget.h"
#include "tools/simulator/recordingsimulator.h"

#include <QTemporaryDir>
#include <QTest>
#include <gst/gst.h>

// A recording whose codec GStreamer cannot decode says so in the play area; the format
// error that the camera's GPS track raises beside playable video does not.
class TestMissingDecoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        path = dir.filePath(QStringLiteral("20240517083000_000001F.MP4"));
        Simulator::Recording recording;
        recording.arrangement = Simulator::Arrangement::GpsMetaTrack;
        recording.track = Simulator::makeTrack(3);
        recording.width = 320;
        recording.height = 180;
        recording.realVideo = true;
        QString error;
        QVERIFY2(Simulator::write(recording, path, &error), qPrintable(error));
        gst_init(nullptr, nullptr);
    }

    void playableVideoBesideAGpsTrackShowsNoProblem()
    {
        PlayAreaManager area;
        area.resize(400, 300);
        area.show();
        PlaylistItem item = itemFor(path);
        PlayerWidget *player = start(area, item);
        QTRY_COMPARE(player->mediaPlayer()->mediaStatus(), QMediaPlayer::EndOfMedia);
        QCOMPARE(player->problem(), QString());
    }

    // GStreamer has no decoder for GoPro's gpmd stream nor for subtitle text and reports a
    // format error for it ("No decoder available for type 'meta/x-gst-fourcc-gpmd'"); the
    // picture plays to its end all the same, with no problem shown.
    void telemetryStreamsBesideTheVideoDoNotStopPlayback_data()
    {
        QTest::addColumn<int>("arrangement");
        QTest::newRow("GoPro GPMF") << int(Simulator::Arrangement::GoProGpmf);
        QTest::newRow("NMEA subtitles") << int(Simulator::Arrangement::NmeaTextTrack);
    }

    void telemetryStreamsBesideTheVideoDoNotStopPlayback()
    {
        QFETCH(int, arrangement);
        const QString file = dir.filePath(QStringLiteral("telemetry%1.MP4").arg(arrangement));
        Simulator::Recording recording;
        recording.arrangement = Simulator::Arrangement(arrangement);
        recording.track = Simulator::makeTrack(3);
        recording.width = 320;
        recording.height = 180;
        recording.realVideo = true;
        QString error;
        QVERIFY2(Simulator::write(recording, file, &error), qPrintable(error));

        PlayAreaManager area;
        area.resize(400, 300);
        area.show();
        PlaylistItem item = itemFor(file);
        PlayerWidget *player = start(area, item);
        QTRY_COMPARE_WITH_TIMEOUT(player->mediaPlayer()->mediaStatus(), QMediaPlayer::EndOfMedia,
                                  20000);
        QVERIFY(player->mediaPlayer()->duration() > 0);
        QCOMPARE(player->problem(), QString());
    }

    void missingDecoderIsNamed()
    {
        // Every H.264 decoder out of playback's reach, as on a system without them.
        GList *decoders = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER,
                                                                GST_RANK_NONE);
        GstCaps *h264 = gst_caps_from_string("video/x-h264");
        GList *matching = gst_element_factory_list_filter(decoders, h264, GST_PAD_SINK, FALSE);
        for (GList *l = matching; l; l = l->next)
            gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(l->data), GST_RANK_NONE);

        PlayAreaManager area;
        area.resize(400, 300);
        area.show();
        PlaylistItem item = itemFor(path);
        PlayerWidget *player = start(area, item);
        QTRY_VERIFY(player->problem().contains(QStringLiteral("H.264 (AVC)")));
        QVERIFY(player->problem().contains(QStringLiteral("gstreamer1.0-libav")));
        QVERIFY(player->findChild<QWidget *>(QStringLiteral("lbl_Problem"))->isVisible());

        // The next recording starts without the old words.
        area.loadMedia();
        QCOMPARE(player->problem(), QString());

        gst_plugin_feature_list_free(matching);
        gst_plugin_feature_list_free(decoders);
        gst_caps_unref(h264);
    }

private:
    static PlaylistItem itemFor(const QString &file)
    {
        PlaylistItem item;
        item.rowId = 0;
        item.url = QUrl::fromLocalFile(file);
        // Not parsed yet, as when a scan starts the first row at once.
        item.codec = CodecUnknown;
        return item;
    }

    static PlayerWidget *start(PlayAreaManager &area, PlaylistItem &item)
    {
        area.setChannelPresence(true, false, false, false);
        area.setSources(&item, QString(), QString(), QString());
        area.setChannelCount(1);
        area.loadMedia();
        area.play();
        return area.playerFor(ShowFront);
    }

    QTemporaryDir dir;
    QString path;
};

QTEST_MAIN(TestMissingDecoder)
#include "tst_missingdecoder.moc"
