#include "cardtree.h"
#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "library/probereport.h"
#include "platform/fileurl.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#include <utility>

class TestRecordingDiscovery : public QObject
{
    Q_OBJECT

    struct Opened
    {
        QStringList names;
        QList<int> played;
        int resets = 0;
        QStringList stored;
    };

    // Opens `folder` like "Open Folder" does and reports the rows and the host's calls.
    static Opened open(const QString &folder, bool stopped = true, bool remember = true)
    {
        PlaylistModel model;
        model.setParsingSuspended(true);
        RecordingHost host;
        host.stopped = stopped;
        RecordingDiscovery discovery(&model, &host);
        discovery.openUrls(QList<QUrl>{QUrl::fromLocalFile(folder)}, remember);
        Opened o;
        for (int r = 0; r < model.rowCount(); ++r)
            o.names << model.itemAt(r)->fileName;
        o.played = host.played;
        o.resets = host.resets;
        o.stored = host.stored;
        return o;
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        // A fixed name: the temporary directory's random one ends in "F" or "R" now and then,
        // which makes it a folder of another naming scheme.
        root = tmp->path() + "/sd";
        QVERIFY(QDir().mkpath(root));
    }

    void lettersSchemeFiltersByChannelLetter()
    {
        QVERIFY(makeTree(root, {"clip.mp4", "clip_0000100A.MP4", "clip_0000101B.MP4",
                                "dir.mp4/inner_0000200A.mp4", "notes.txt", "clip.f.mov", "x.f.mov",
                                "y.R.avi"}));
        const Opened o = open(root);
        // The folder named like a video is entered and gives no row of its own; "x.f.mov"
        // carries "X." as well as "F." and the secondary letter wins. "clip_0000101B.MP4"
        // plays as the rear of "clip_0000100A.MP4"; the files that are no front and that no
        // row plays are listed in their place, single-channel.
        QCOMPARE(o.names, QStringList({"clip.f.mov", "clip.mp4", "clip_0000100A.MP4",
                                       "inner_0000200A.mp4", "x.f.mov", "y.R.avi"}));
        QCOMPARE(o.played, QList<int>{0});
        QCOMPARE(o.stored, QStringList{QFileInfo(root).absoluteFilePath()});
        QCOMPARE(o.resets, 0);
    }

    void playbackStartsOnlyWithinFirstTwoEntries()
    {
        QVERIFY(makeTree(root, {"one/a_F.mp4", "two/a.txt", "two/b_F.mp4", "three/a.txt",
                                "three/b.txt", "three/c_F.mp4"}));
        QCOMPARE(open(root + "/one").played, QList<int>{0});
        QCOMPARE(open(root + "/two").played, QList<int>{0});
        const Opened third = open(root + "/three");
        QCOMPARE(third.names, QStringList{"c_F.mp4"});
        QVERIFY(third.played.isEmpty());
        QCOMPARE(third.resets, 0);
        // A playing player is left alone and the folder is not remembered.
        const Opened busy = open(root + "/one", false);
        QVERIFY(busy.played.isEmpty());
        QVERIFY(busy.stored.isEmpty());
        QVERIFY(open(root + "/one", true, false).stored.isEmpty());
    }

    void emptyResultResets()
    {
        QVERIFY(makeTree(root, {"empty/", "novideo/clip.THM", "novideo/notes.txt",
                                "nofront/clip.mp4", "nofront/clip_0000101B.MP4"}));
        QCOMPARE(open(root + "/empty").resets, 1);
        QCOMPARE(open(root + "/novideo").resets, 1);
        QCOMPARE(open(root + "/missing").resets, 1);
        // Without a front file the videos are still listed, each as its own row.
        const Opened nofront = open(root + "/nofront");
        QCOMPARE(nofront.resets, 0);
        QCOMPARE(nofront.names, QStringList({"clip.mp4", "clip_0000101B.MP4"}));
    }

    void scanStartedDuringPlaybackStopsTheOuterOne()
    {
        QVERIFY(
            makeTree(root, {"outer/a_F.mp4", "outer/b_F.mp4", "outer/c_F.mp4", "inner/x_F.mp4"}));
        // The window's playback runs a local event loop in which the user opens a folder.
        struct NestingHost : RecordingHost
        {
            void playRecording(PlaylistItem *item) override
            {
                RecordingHost::playRecording(item);
                if (discovery && !nestedFolder.isEmpty())
                    discovery->openUrls(QStringList{std::exchange(nestedFolder, QString())}, true);
            }
            RecordingDiscovery *discovery = nullptr;
            QString nestedFolder;
        };
        PlaylistModel model;
        model.setParsingSuspended(true);
        NestingHost host;
        RecordingDiscovery discovery(&model, &host);
        host.discovery = &discovery;
        host.nestedFolder = FileUrl::fromLocalPath(root + "/inner");
        discovery.openUrls(QStringList{FileUrl::fromLocalPath(root + "/outer")}, true);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.itemAt(2)->fileName, QString("x_F.mp4"));
        QCOMPARE(host.played, QList<int>{0});
        // The inner scan found the player busy: it neither plays nor remembers its folder.
        QCOMPARE(host.stored, QStringList{root + "/outer"});
        // The next top-level scan runs in full again.
        host.stopped = true;
        discovery.openUrls(QStringList{FileUrl::fromLocalPath(root + "/outer")}, true);
        QCOMPARE(model.rowCount(), 4);
    }

    void channelFoldersGiveOneRowPerRecording()
    {
        QVERIFY(makeTree(
            root, {"Front/2023_1201_0001_00.MP4", "Front/2023_1201_0002_00.MP4",
                   "Rear/2023_1201_0001_01_b.MP4", "Rear/2023_1201_0002_01_b.MP4",
                   "Middle/2023_1201_0001_01_b.MP4", "Front_2/20230101_120000_NF.mp4",
                   "Rear_2/20230101_120000_NR.mp4", "F_cam/20230102_120000_0000100F.MP4",
                   "R_cam/20230102_120000_0000101R.MP4", "NORMF/20230103_120000_0000300F.MP4",
                   "NORMR/20230103_120000_0000301R.MP4", "cam/1/x_A.MP4", "cam/2/x_B.MP4"}));
        const Opened o = open(root);
        QCOMPARE(o.names, QStringList({"20230102_120000_0000100F.MP4", "2023_1201_0001_00.MP4",
                                       "2023_1201_0002_00.MP4", "20230101_120000_NF.mp4",
                                       "20230103_120000_0000300F.MP4", "x_A.MP4"}));
    }

    void symbolicLinkLoopsAreEnteredOnce()
    {
        QVERIFY(makeTree(root, {"card/DCIM/a_0000100F.MP4", "card/DCIM/deeper/"}));
        QVERIFY(QFile::link(root + "/card", root + "/card/DCIM/deeper/up"));
        QVERIFY(QFile::link(root + "/card/DCIM", root + "/card/again"));
        QVERIFY(QFile::link(root + "/card/DCIM/deeper", root + "/card/self"));
        const Opened o = open(root + "/card");
        QCOMPARE(o.names, QStringList{"a_0000100F.MP4"});
    }

    void namesSurviveUrlRoundTrips()
    {
        const QString folder = root + QString::fromUtf8("/卡 #1 100%");
        QVERIFY(makeTree(folder, {QString::fromUtf8("行车 #2 %41_0000100F.MP4"),
                                  QString::fromUtf8("行车 #2 %41_0000101R.MP4")}));
        PlaylistModel model;
        model.setParsingSuspended(true);
        RecordingHost host;
        RecordingDiscovery discovery(&model, &host);
        discovery.openUrls(QStringList{FileUrl::fromLocalPath(folder)}, true);
        QCOMPARE(model.rowCount(), 1);
        const PlaylistItem *item = model.itemAt(0);
        QVERIFY(QFileInfo::exists(item->url.toLocalFile()));
        QCOMPARE(host.stored, QStringList{folder});
        const ChannelSetup s = channelSetupFor(*item);
        QCOMPARE(s.rearUrl.toLocalFile(), folder + QString::fromUtf8("/行车 #2 %41_0000101R.MP4"));
        QCOMPARE(s.count, 2);
        // A drop of the rear file finds the front through the same URLs.
        const QString front = discovery.frontFileFor(FileUrl::fromLocalPath(folder),
                                                     QString::fromUtf8("行车 #2 %41_0000101R.MP4"));
        QCOMPARE(FileUrl::toLocalPath(front), item->url.toLocalFile());
    }

    void frontFolderRewrites_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("Front") << "/c/Front_2" << 1 << "/c/Front_2";
        QTest::newRow("Rear_2") << "/c/Rear_2" << 2 << "/c/Front_2";
        QTest::newRow("F") << "/c/F1" << 3 << "/c/F1";
        QTest::newRow("R") << "/c/R1" << 4 << "/c/F1";
        QTest::newRow("NORMF") << "/c/NORMF" << 5 << "/c/NORMF";
        QTest::newRow("NORMR") << "/c/NORMR" << 6 << "/c/NORMF";
        QTest::newRow("other") << "/c/DCIM" << 0 << "/c/DCIM";
        QTest::newRow("no slash") << "R" << 4 << "F";
    }
    void frontFolderRewrites()
    {
        QFETCH(QString, folder);
        QFETCH(int, code);
        QFETCH(QString, rewritten);
        QCOMPARE(RecordingDiscovery::frontFolder(folder), code);
        QCOMPARE(folder, rewritten);
    }

    void frontFileForDroppedSecondaries()
    {
        QVERIFY(makeTree(root,
                         {"Front_2/2023_1201_0001_00.MP4", "DCIM/20230101_115958_0000123A.MP4",
                          "DCIM/20230101_120000_0000124B.MP4", "DCIM/20230101_120000_0000200F.MP4",
                          "DCIM/20230101_120000_0000201R.MP4", "DCIM/clip_0042F.mp4",
                          "DCIM/clip_0042R.mp4", "NORMF/20230101_120000_0000300F.MP4",
                          "NORMR/20230101_120000_0000301R.MP4"}));
        PlaylistModel model;
        RecordingHost host;
        RecordingDiscovery d(&model, &host);
        auto front = [&](const QString &folder, const QString &name) {
            return FileUrl::toLocalPath(
                d.frontFileFor(FileUrl::fromLocalPath(root + folder), name));
        };
        QCOMPARE(front("/Rear_2", "2023_1201_0001_01_b.MP4"),
                 root + "/Front_2/2023_1201_0001_00.MP4");
        QCOMPARE(front("/DCIM", "20230101_120000_0000124B.MP4"),
                 root + "/DCIM/20230101_115958_0000123A.MP4");
        // An "R." file is the rear of the front one number below.
        QCOMPARE(front("/DCIM", "20230101_120000_0000201R.MP4"),
                 root + "/DCIM/20230101_120000_0000200F.MP4");
        // Short names miss the number rule and fall through to the last letter.
        QCOMPARE(front("/DCIM", "clip_0042R.mp4"), root + "/DCIM/clip_0042F.mp4");
        QCOMPARE(front("/NORMR", "20230101_120000_0000301R.MP4"),
                 root + "/NORMF/20230101_120000_0000300F.MP4");
        QCOMPARE(front("/DCIM", "clip_0042F.mp4"), root + "/DCIM/clip_0042F.mp4");
        QCOMPARE(front("/cam/1", "x_B.MP4"), QString());
        // Names too short, without a dot, with several dots or a non-digit number.
        for (const char *odd : {"", "R.", "a.b.R.c", "20230101_120000_00x0124B.MP4",
                                "20230101_120000_0000000B.MP4", "_01_b.MP"}) {
            QCOMPARE(front("/DCIM", QString(odd)), QString());
            front("/Rear_2", QString(odd));
        }
        QCOMPARE(d.frontName(root, "01_b", 2), QString());
        // A name without a channel marker is its own front file.
        QCOMPARE(front("/DCIM", "b"), root + "/DCIM/b");
    }

    void probeReports()
    {
        QVERIFY(makeTree(root, {"card/DCIM/20230101_120000_0000100F.MP4",
                                "card/DCIM/20230101_120000_0000101R.MP4",
                                "card/DCIM/20230101_120100_0000102F.MP4"}));
        const QJsonObject scan = ProbeReport::scan(root + "/card");
        QCOMPARE(scan.value("play").toInt(), 0);
        const QJsonArray rows = scan.value("rows").toArray();
        QCOMPARE(rows.size(), 2);
        const QJsonObject first = rows.at(0).toObject();
        QCOMPARE(first.value("row").toInt(), 0);
        QCOMPARE(first.value("fileName").toString(), QString("20230101_120000_0000100F.MP4"));
        QCOMPARE(first.value("url").toString(),
                 FileUrl::fromLocalPath(root + "/card/DCIM/20230101_120000_0000100F.MP4"));
        const QJsonObject ch = first.value("channels").toObject();
        QCOMPARE(ch.value("front").toBool(), true);
        QCOMPARE(ch.value("rear").toBool(), true);
        QCOMPARE(ch.value("third").toBool(), false);
        QCOMPARE(ch.value("count").toInt(), 2);
        QCOMPARE(ch.value("rearUrl").toString(),
                 FileUrl::fromLocalPath(root + "/card/DCIM/20230101_120000_0000101R.MP4"));
        QCOMPARE(ch.value("thirdUrl").toString(), QString());
        QVERIFY(ch.contains("fourthUrl"));

        QCOMPARE(ProbeReport::scan(root + "/nothing").value("play").toInt(), -1);
        // A folder given with "." and ".." is classified by its real name.
        QVERIFY(makeTree(root, {"Front/2023_1201_0001_00.MP4", "Rear/2023_1201_0001_01_b.MP4"}));
        const QJsonObject dotted = ProbeReport::scan(root + "/card/../Front/.");
        QCOMPARE(dotted.value("rows")
                     .toArray()
                     .at(0)
                     .toObject()
                     .value("channels")
                     .toObject()
                     .value("rearUrl"),
                 FileUrl::fromLocalPath(root + "/Rear/2023_1201_0001_01_b.MP4"));

        const QString rear = root + "/card/DCIM/20230101_120000_0000101R.MP4";
        const QJsonObject front = ProbeReport::front(rear);
        QCOMPARE(front.value("file").toString(), FileUrl::fromLocalPath(rear));
        QCOMPARE(front.value("front").toString(), first.value("url").toString());
        const QString lonely = root + "/card/DCIM/20230101_120100_0000105R.MP4";
        QCOMPARE(ProbeReport::front(lonely).value("front").toString(),
                 FileUrl::fromLocalPath(lonely));
    }

private:
    std::unique_ptr<QTemporaryDir> tmp;
    QString root;
};

QTEST_GUILESS_MAIN(TestRecordingDiscovery)
#include "tst_recordingdiscovery.moc"
