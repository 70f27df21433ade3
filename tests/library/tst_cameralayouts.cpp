#include "cardtree.h"
#include "library/cameralayouts.h"
#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "library/probereport.h"
#include "tools/simulator/cardwriter.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Cards of the camera layouts, opened as "Open Folder" does: which rows, which file plays in
// which channel, in what order, and what the camera marked.
class TestCameraLayouts : public QObject
{
    Q_OBJECT

    struct Row
    {
        QString name;
        QString layout;
        QStringList marks;
        QStringList channels; // rear, third, fourth file names ("" when absent)
        int count = 0;
        PlaylistItem item;
    };

    struct Opened
    {
        QVector<Row> rows;
        RecordingHost host;
        QStringList names() const
        {
            QStringList n;
            for (const Row &r : rows)
                n << r.name;
            return n;
        }
    };

    static std::unique_ptr<Opened> open(const QString &folder)
    {
        auto o = std::make_unique<Opened>();
        PlaylistModel model;
        model.setParsingSuspended(true);
        RecordingDiscovery discovery(&model, &o->host);
        discovery.openUrls(QList<QUrl>{QUrl::fromLocalFile(folder)}, false);
        for (int i = 0; i < model.rowCount(); ++i) {
            Row r;
            model.itemAt(i, &r.item);
            r.name = r.item.fileName;
            r.layout = r.item.layout;
            r.marks = r.item.marks;
            const ChannelSetup s = channelSetupFor(r.item);
            for (const QUrl &u : {s.rearUrl, s.thirdUrl, s.fourthUrl})
                r.channels << (u.isEmpty() ? QString() : u.fileName());
            r.count = s.count;
            o->rows << r;
        }
        return o;
    }

    QString card(const QString &layout, int recordings)
    {
        const QString root = tmp->path() + "/" + layout;
        Simulator::CardOptions options;
        options.recordings = recordings;
        QString error;
        if (!Simulator::writeCard(layout, root, options, nullptr, &error))
            qFatal("%s", qPrintable(error));
        return root;
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
    }

    void tesla()
    {
        const auto o = open(card("tesla", 3));
        QCOMPARE(o->names(), QStringList({"2024-05-17_08-00-00-front.mp4", "2024-05-17_08-01-00-front.mp4",
                                          "2024-05-17_08-02-00-front.mp4", "2024-05-17_08-13-00-front.mp4",
                                          "2024-05-17_08-23-00-front.mp4"}));
        for (const Row &r : o->rows) {
            QCOMPARE(r.layout, QString("tesla"));
            const QString t = r.name.left(20);
            QCOMPARE(r.channels, QStringList({t + "back.mp4", t + "left_repeater.mp4",
                                              t + "right_repeater.mp4"}));
            QCOMPARE(r.count, 4);
        }
        QVERIFY(o->rows[0].marks.isEmpty());
        const Row &saved = o->rows[3];
        QCOMPARE(saved.marks, QStringList{"saved"});
        QCOMPARE(saved.item.extraFiles.size(), 2);
        QVERIFY(saved.item.extraFiles[0].endsWith("/2024-05-17_08-13-00-left_pillar.mp4"));
        QCOMPARE(saved.item.cameraEvent.reason, QString("user_interaction_dashcam_icon_tapped"));
        QVERIFY(PlaylistModel::toolTipText(saved.item).contains("right_pillar"));
        const Row &sentry = o->rows[4];
        QCOMPARE(sentry.marks, QStringList{"sentry"});
        QCOMPARE(sentry.item.cameraEvent.city, QString("Palo Alto"));
        QVERIFY(sentry.item.cameraEvent.hasPosition);
        QCOMPARE(sentry.item.cameraEvent.latitude, 37.3950);
        QCOMPARE(sentry.item.cameraEvent.time, QDateTime(QDate(2024, 5, 17), QTime(8, 23, 30)));
        QVERIFY(o->rows[0].item.extraFiles.isEmpty());
    }

    void teslaDailyFoldersAndMissingCameras()
    {
        // Newer firmware keeps RecentClips in a folder per day. The front of one clip was
        // deleted: its back file carries the row, the repeaters move up one place.
        const QString root = tmp->path() + "/TeslaCam";
        QVERIFY(makeTree(root, {"RecentClips/2024-05-18/2024-05-18_09-00-00-back.mp4",
                                "RecentClips/2024-05-18/2024-05-18_09-00-00-left_repeater.mp4",
                                "RecentClips/2024-05-17/2024-05-17_23-59-00-front.mp4",
                                "RecentClips/2024-05-17/2024-05-17_23-59-00-right_repeater.mp4",
                                "RecentClips/2024-05-17/thumb.png"}));
        const auto o = open(root);
        QCOMPARE(o->names(), QStringList({"2024-05-17_23-59-00-front.mp4", "2024-05-18_09-00-00-back.mp4"}));
        QCOMPARE(o->rows[0].channels, QStringList({"2024-05-17_23-59-00-right_repeater.mp4", "", ""}));
        QCOMPARE(o->rows[0].count, 2);
        QCOMPARE(o->rows[1].channels, QStringList({"2024-05-18_09-00-00-left_repeater.mp4", "", ""}));
        QCOMPARE(o->rows[1].count, 2);
    }

    void blackvue()
    {
        const QString root = card("blackvue", 5);
        const auto o = open(root);
        QCOMPARE(o->names(), QStringList({"20240517_080000_NF.mp4", "20240517_080100_NF.mp4",
                                          "20240517_080200_NF.mp4", "20240517_080300_NF.mp4",
                                          "20240517_080400_PF.mp4"}));
        QCOMPARE(o->rows[0].channels, QStringList({"20240517_080000_NR.mp4", "", ""}));
        QCOMPARE(o->rows[0].count, 2);
        QVERIFY(o->rows[0].marks.isEmpty());
        QCOMPARE(o->rows[4].marks, QStringList{"parking"});
        QCOMPARE(o->rows[4].count, 1);
        QCOMPARE(o->rows[0].layout, QString("blackvue"));

        // An impact while driving, three cameras; the same second in another mode is another
        // recording; a rear whose front was deleted still plays.
        QVERIFY(makeTree(root, {"Record/20240518_100000_EF.mp4", "Record/20240518_100000_ER.mp4",
                                "Record/20240518_100000_EI.mp4", "Record/20240518_100000_NF.mp4",
                                "Record/20240519_070000_IR.mp4"}));
        const auto more = open(root);
        QCOMPARE(more->rows.size(), 8);
        const Row &impact = more->rows[5];
        QCOMPARE(impact.name, QString("20240518_100000_EF.mp4"));
        QCOMPARE(impact.marks, QStringList({"event", "impact"}));
        QCOMPARE(impact.channels, QStringList({"20240518_100000_ER.mp4", "20240518_100000_EI.mp4", ""}));
        QCOMPARE(more->rows[6].name, QString("20240518_100000_NF.mp4"));
        QCOMPARE(more->rows[6].count, 1);
        const Row &orphan = more->rows[7];
        QCOMPARE(orphan.name, QString("20240519_070000_IR.mp4"));
        QCOMPARE(orphan.marks, QStringList({"parking", "impact"}));
        QCOMPARE(orphan.channels, QStringList({"", "", ""}));
        QCOMPARE(orphan.count, 1);
    }

    void gopro()
    {
        // Chapters of one file number play one after the other, before the next number,
        // whatever the name order says; low-resolution copies and thumbnails are not rows.
        const QString root = tmp->path() + "/DCIM/100GOPRO";
        QVERIFY(makeTree(root, {"GH010002.MP4", "GH020001.MP4", "GH010001.MP4", "GL010001.LRV",
                                "GH010001.THM", "GOPR0003.MP4", "GP010003.MP4", "GX010004.MP4"}));
        const auto o = open(tmp->path());
        QCOMPARE(o->names(), QStringList({"GH010001.MP4", "GH020001.MP4", "GH010002.MP4",
                                          "GOPR0003.MP4", "GP010003.MP4", "GX010004.MP4"}));
        for (const Row &r : o->rows) {
            QCOMPARE(r.layout, QString("gopro"));
            QCOMPARE(r.channels, QStringList({"", "", ""}));
            QCOMPARE(r.count, 1);
        }
        QCOMPARE(o->host.played, QList<int>{0});
    }

    void thinkware()
    {
        const auto o = open(card("thinkware", 2));
        QCOMPARE(o->names(), QStringList({"REC_2024_05_17_08_00_00_F.MP4", "REC_2024_05_17_08_01_00_F.MP4",
                                          "REC_2024_05_17_08_01_30_F.MP4", "REC_2024_05_17_09_02_00_F.MP4"}));
        QCOMPARE(o->rows[0].channels, QStringList({"REC_2024_05_17_08_00_00_R.MP4", "", ""}));
        QVERIFY(o->rows[0].marks.isEmpty());
        QCOMPARE(o->rows[2].marks, QStringList{"event"});
        QCOMPARE(o->rows[3].marks, QStringList({"parking", "impact"}));
        QCOMPARE(o->rows[3].layout, QString("thinkware"));
    }

    void garmin()
    {
        const QString root = card("garmin", 2);
        // A built-in scheme's lettered file in such a folder stays the built-in scheme's.
        QVERIFY(makeTree(root, {"Video/clip_0000100A.MP4"}));
        const auto o = open(root);
        QCOMPARE(o->names(), QStringList({"GRMN0004.MP4", "GRMN0003.MP4", "GRMN0001.MP4",
                                          "GRMN0002.MP4", "clip_0000100A.MP4"}));
        QCOMPARE(o->rows[0].marks, QStringList{"parking"});
        QCOMPARE(o->rows[1].marks, QStringList{"saved"});
        QCOMPARE(o->rows[2].layout, QString("garmin"));
        QVERIFY(o->rows[2].marks.isEmpty());
        QCOMPARE(o->rows[4].layout, QString());
    }

    void filesNoRuleAccountsForBecomeRows()
    {
        // A rear found by its front stays in its row; a rear whose front was deleted and a
        // file without any channel letter are listed in their place, single-channel.
        const QString root = tmp->path() + "/sd";
        QVERIFY(makeTree(root, {"20230101_120000_0000100F.MP4", "20230101_120000_0000101R.MP4",
                                "20230101_130000_0000201R.MP4", "plain.mp4", "notes.txt", "x.THM"}));
        const auto o = open(root);
        QCOMPARE(o->names(), QStringList({"20230101_120000_0000100F.MP4",
                                          "20230101_130000_0000201R.MP4", "plain.mp4"}));
        QCOMPARE(o->rows[0].channels, QStringList({"20230101_120000_0000101R.MP4", "", ""}));
        QCOMPARE(o->rows[1].channels, QStringList({"", "", ""}));
        QCOMPARE(o->rows[1].count, 1);
        QCOMPARE(o->rows[1].layout, QString());
        QCOMPARE(o->rows[2].count, 1);
        // A Front/Rear card's rows play files of the Middle folder and of the folder above;
        // what they leave there is listed once the whole card has been read.
        QVERIFY(makeTree(root + "/fr", {"Front/2023_1201_0001_00.MP4", "Middle/2023_1201_0001_01_b.MP4",
                                        "Middle/stray.MP4", "2023_1201_0001_01_b.MP4"}));
        const auto fr = open(root + "/fr");
        QCOMPARE(fr->names(), QStringList({"2023_1201_0001_00.MP4", "stray.MP4"}));
        QCOMPARE(fr->rows[0].count, 3);
        // The orphan is the second entry: it starts playing when it is the only row.
        QVERIFY(makeTree(root + "/only", {"a.txt", "b_0000301R.MP4"}));
        QCOMPARE(open(root + "/only")->host.played, QList<int>{0});
    }

    void emptyOpensSayWhy()
    {
        const QString missing = tmp->path() + "/nonexistent folder";
        const auto none = open(missing);
        QCOMPARE(none->host.emptyOpens.size(), 1);
        QCOMPARE(none->host.emptyOpens[0].first, missing);
        QCOMPARE(none->host.emptyOpens[0].second, DiscoveryHost::EmptyOpen::NoFolder);
        QCOMPARE(none->host.resets, 1);

        QVERIFY(makeTree(tmp->path() + "/empty", {"readme.txt", "sub/clip.THM"}));
        const auto empty = open(tmp->path() + "/empty");
        QCOMPARE(empty->host.emptyOpens.size(), 1);
        QCOMPARE(empty->host.emptyOpens[0].second, DiscoveryHost::EmptyOpen::NoRecordings);

        QVERIFY(makeTree(tmp->path() + "/one", {"plain.mp4"}));
        QVERIFY(open(tmp->path() + "/one")->host.emptyOpens.isEmpty());
    }

    void builtInChannelFoldersKeepTheirChannels()
    {
        // BlackVue-style names in the Front/Rear scheme's folders: one row, the rear found in
        // the sibling folder as before there were layouts.
        const QString root = tmp->path() + "/sd";
        QVERIFY(makeTree(root, {"Front_2/20230101_120000_NF.mp4", "Rear_2/20230101_120000_NR.mp4"}));
        const auto o = open(root);
        QCOMPARE(o->names(), QStringList{"20230101_120000_NF.mp4"});
        QCOMPARE(o->rows[0].channels, QStringList({"20230101_120000_NR.mp4", "", ""}));
        QCOMPARE(o->rows[0].count, 2);
    }

    void dropAndProbeKnowTheLayout()
    {
        const QString root = card("tesla", 1);
        const QString folder = root + "/TeslaCam/RecentClips";
        PlaylistModel model;
        model.setParsingSuspended(true);
        RecordingHost host;
        RecordingDiscovery discovery(&model, &host);
        QCOMPARE(QUrl(discovery.frontFileFor(folder, "2024-05-17_08-00-00-left_repeater.mp4")).fileName(),
                 QString("2024-05-17_08-00-00-front.mp4"));
        const int row = model.addUrl(QUrl::fromLocalFile(folder + "/2024-05-17_08-00-00-front.mp4"));
        QCOMPARE(model.itemAt(row)->layout, QString("tesla"));
        QCOMPARE(channelSetupFor(*model.itemAt(row)).count, 4);

        const QJsonArray rows = ProbeReport::scan(root).value("rows").toArray();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].toObject().value("layout").toString(), QString("tesla"));
        QCOMPARE(rows[2].toObject().value("marks").toArray(), QJsonArray{"sentry"});
        QCOMPARE(rows[0].toObject().value("channels").toObject().value("count").toInt(), 4);
        QVERIFY(rows[0].toObject().contains("fileName"));
    }

private:
    std::unique_ptr<QTemporaryDir> tmp;
};

QTEST_GUILESS_MAIN(TestCameraLayouts)
#include "tst_cameralayouts.moc"
