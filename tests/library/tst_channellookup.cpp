#include "cardtree.h"
#include "library/channellookup.h"
#include "library/channelsetup.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace ChannelLookup;

class TestChannelLookup : public QObject
{
    Q_OBJECT

    PlaylistItem row(const QString &relPath) const
    {
        PlaylistItem item;
        item.rowId = 0;
        item.fileName = QFileInfo(relPath).fileName();
        item.url = localUrl(root + '/' + relPath);
        return item;
    }
    QString related(const QString &relPath, int kind) const
    {
        const PlaylistItem item = row(relPath);
        const FolderScheme scheme = folderScheme(QFileInfo(root + '/' + relPath).absolutePath());
        const QUrl url = relatedUrl(item, scheme, kind);
        return url.isEmpty() ? QString() : url.toLocalFile().mid(root.size() + 1);
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        root = tmp->path();
    }

    void lettersWithRunningNumbers()
    {
        QVERIFY(makeTree(root,
                         {"four/20230101_120000_0000100F.MP4", "four/20230101_120001_0000101R.MP4",
                          "four/20230101_120000_0000102R.MP4", "four/20230101_120000_0000103R.MP4",
                          "infra/20230101_120000_0000100F.MP4",
                          "infra/20230101_120000_0000101I.MP4", "ab/20230101_120000_0000200a.mp4",
                          "ab/20230101_120000_0000201b.mp4", "ab/20230101_120000_0000202C.mp4"}));
        // Any clock second in front of the number.
        QCOMPARE(related("four/20230101_120000_0000100F.MP4", KindRear),
                 QString("four/20230101_120001_0000101R.MP4"));
        QCOMPARE(related("four/20230101_120000_0000100F.MP4", KindThird),
                 QString("four/20230101_120000_0000102R.MP4"));
        QCOMPARE(related("four/20230101_120000_0000100F.MP4", KindFourth),
                 QString("four/20230101_120000_0000103R.MP4"));
        QCOMPARE(related("infra/20230101_120000_0000100F.MP4", KindRear),
                 QString("infra/20230101_120000_0000101I.MP4"));
        QCOMPARE(related("infra/20230101_120000_0000100F.MP4", KindThird), QString());
        // Mixed case letters; "A." rows look for "B." then "C." (rear), "C." then "B." (third).
        QCOMPARE(related("ab/20230101_120000_0000200a.mp4", KindRear),
                 QString("ab/20230101_120000_0000201b.mp4"));
        QCOMPARE(related("ab/20230101_120000_0000200a.mp4", KindThird),
                 QString("ab/20230101_120000_0000202C.mp4"));
        // Brackets and stars in a name are text, not a name-filter pattern.
        QVERIFY(
            makeTree(root, {"w/cam[1]*_20230101_0000100F.MP4", "w/cam[1]*_20230101_0000101R.MP4",
                            "w/cam1x_20230101_0000101R.MP4"}));
        QCOMPARE(related("w/cam[1]*_20230101_0000100F.MP4", KindRear),
                 QString("w/cam[1]*_20230101_0000101R.MP4"));
        // A secondary file as a row has no related files.
        QCOMPARE(related("ab/20230101_120000_0000201b.mp4", KindRear), QString());

        const ChannelSetup s = channelSetupFor(row("four/20230101_120000_0000100F.MP4"));
        QVERIFY(s.front && s.rear && s.third && s.fourth);
        QCOMPARE(s.count, 4);
        // The kind-2 file goes to the rear player, the kind-1 file to the third.
        QCOMPARE(s.rearUrl.fileName(), QString("20230101_120000_0000102R.MP4"));
        QCOMPARE(s.thirdUrl.fileName(), QString("20230101_120001_0000101R.MP4"));
    }

    void kindTwoWithoutKindOneStillFillsTheRearPlayer()
    {
        QVERIFY(
            makeTree(root, {"d/20230101_120000_0000100F.MP4", "d/20230101_120000_0000102R.MP4"}));
        const ChannelSetup s = channelSetupFor(row("d/20230101_120000_0000100F.MP4"));
        QVERIFY(s.front && s.rear && !s.third);
        QCOMPARE(s.rearUrl.fileName(), QString("20230101_120000_0000102R.MP4"));
        QVERIFY(s.thirdUrl.isEmpty());
        QCOMPARE(s.count, 2);
    }

    void lastLetterOrderAndNumberedFallback()
    {
        QVERIFY(makeTree(root, {"d/clip_0042F.mp4", "d/clip_0043B.mp4"}));
        const PlaylistItem item = row("d/clip_0042F.mp4");
        const QString d = root + "/d";
        QCOMPARE(lastLetterSearch(item, d, KindRear).fileName(), QString("clip_0043B.mp4"));
        QVERIFY(makeTree(root, {"d/clip_0042B.mp4"}));
        QCOMPARE(lastLetterSearch(item, d, KindRear).fileName(), QString("clip_0042B.mp4"));
        QVERIFY(makeTree(root, {"d/clip_0042R.mp4"}));
        QCOMPARE(lastLetterSearch(item, d, KindRear).fileName(), QString("clip_0042R.mp4"));
        // With "R" present the third looks for M, I, A, C.
        QVERIFY(makeTree(root, {"d/clip_0042C.mp4"}));
        QCOMPARE(lastLetterSearch(item, d, KindThird).fileName(), QString("clip_0042C.mp4"));
        QVERIFY(makeTree(root, {"d/clip_0042M.mp4"}));
        QCOMPARE(lastLetterSearch(item, d, KindThird).fileName(), QString("clip_0042M.mp4"));
        // The URL form of the folder works the same.
        QCOMPARE(lastLetterSearch(item, localUrl(d).toString(), KindRear).fileName(),
                 QString("clip_0042R.mp4"));
        // Carry into a wider number keeps the width of the digits it had ("99" -> "101").
        QVERIFY(makeTree(root, {"e/x_99F.mp4", "e/x_101C.mp4"}));
        QCOMPARE(lastLetterSearch(row("e/x_99F.mp4"), root + "/e", KindThird).fileName(),
                 QString("x_101C.mp4"));
        // Odd names: no underscore, no dot, no digits, huge numbers; nothing found, no crash.
        for (const char *odd : {"", "F", ".", "_F", "noscore.mp4", "a_F", "a_xyF.mp4",
                                "a_99999999999999999999999F.mp4", "a.b.c_1F.d.mp4"}) {
            for (int kind : {KindRear, KindThird, KindFourth}) {
                PlaylistItem i = row(QString("e/") + odd);
                i.fileName = odd;
                QVERIFY(lastLetterSearch(i, root + "/e", kind).isEmpty());
                relatedUrl(i, FolderScheme::SchemeLetters, kind);
            }
        }
    }

    void shortNamesMatchOnlyNamesContainingThem()
    {
        QVERIFY(makeTree(root, {"s/clipF.mp4", "s/clipF.mp4.R.mp4", "s/clipR.mp4"}));
        const PlaylistItem item = row("s/clipF.mp4");
        QCOMPARE(numberSearch(item, FolderScheme::SchemeLetters, KindRear, root + "/s").fileName(),
                 QString("clipF.mp4.R.mp4"));
        QVERIFY(numberSearch(item, FolderScheme::SchemeFrontRear, KindRear, root + "/s").isEmpty());
        QVERIFY(
            numberSearch(item, FolderScheme::SchemeLetters, KindRear, root + "/none").isEmpty());
    }

    void numberedFoldersDeriveTheRearWithoutLooking()
    {
        QVERIFY(makeTree(root, {"cam/1/x_A.MP4", "10trips/1/y_A.MP4"}));
        QCOMPARE(related("cam/1/x_A.MP4", KindRear), QString("cam/2/x_B.MP4"));
        QCOMPARE(related("cam/1/x_A.MP4", KindThird), QString());
        QCOMPARE(related("cam/1/x_A.MP4", KindFourth), QString());
        // Only a folder named exactly "1" is the front channel's.
        QCOMPARE(related("10trips/1/y_A.MP4", KindRear), QString("10trips/2/y_B.MP4"));
        QVERIFY(makeTree(root, {"cam/2/x_B.MP4"}));
        QCOMPARE(related("cam/2/x_B.MP4", KindRear), QString());
        const ChannelSetup s = channelSetupFor(row("cam/1/x_A.MP4"));
        QVERIFY(s.front && s.rear && !s.third && !s.fourth);
        QCOMPARE(s.count, 2);
    }

    void siblingFolders()
    {
        QVERIFY(makeTree(
            root, {"Front/2023_1201_0001_00.MP4", "Rear/2023_1201_0001_01_b.MP4",
                   "Middle/2023_1201_0001_01_b.MP4", "F_cam/20230101_120000_0000100F.MP4",
                   "R_cam/20230101_120000_0000101R.MP4", "R_cam/20230101_120000_0000102R.MP4",
                   "NORMF/20230101_120000_0000300F.MP4", "NORMI/20230101_120000_0000301I.MP4",
                   "NORMI/20230101_120000_0000302I.MP4", "DCIM/a_00.MP4"}));
        QCOMPARE(related("Front/2023_1201_0001_00.MP4", KindRear),
                 QString("Rear/2023_1201_0001_01_b.MP4"));
        QCOMPARE(related("Front/2023_1201_0001_00.MP4", KindThird),
                 QString("Middle/2023_1201_0001_01_b.MP4"));
        QCOMPARE(related("Front/2023_1201_0001_00.MP4", KindFourth), QString());
        const ChannelSetup fr = channelSetupFor(row("Front/2023_1201_0001_00.MP4"));
        QVERIFY(fr.front && fr.rear && fr.third && !fr.fourth);
        QCOMPARE(fr.count, 3);

        QCOMPARE(related("F_cam/20230101_120000_0000100F.MP4", KindRear),
                 QString("R_cam/20230101_120000_0000101R.MP4"));
        QCOMPARE(related("F_cam/20230101_120000_0000100F.MP4", KindThird),
                 QString("R_cam/20230101_120000_0000102R.MP4"));
        // A folder ending in "F" has a rear only; here found in the "I" sibling.
        QCOMPARE(related("NORMF/20230101_120000_0000300F.MP4", KindRear),
                 QString("NORMI/20230101_120000_0000301I.MP4"));
        QCOMPARE(related("NORMF/20230101_120000_0000300F.MP4", KindThird), QString());
        QCOMPARE(related("NORMF/20230101_120000_0000300F.MP4", KindFourth), QString());
        QCOMPARE(relatedUrl(row("DCIM/a_00.MP4"), FolderScheme::SchemeFrontRear, KindRear), QUrl());
        // A row without a folder in its URL.
        PlaylistItem bare;
        bare.fileName = "a_00.MP4";
        bare.url = QUrl("a_00.MP4");
        for (int scheme = 0; scheme < 5; ++scheme)
            QVERIFY(relatedUrl(bare, FolderScheme(scheme), KindRear).isEmpty());
    }

    // Random cards in every searched layout, with names made to trip a running-number index:
    // several "_<digits>" runs, eight-digit numbers, mixed case, short names, hidden files.
    // One cache shared by every row must give what a fresh listing per lookup gives, and list
    // each folder once.
    void sharedListingsAgreeWithTheUncachedWalk()
    {
        const QStringList folders{"DCIM", "F_cam", "R_cam", "NORMF", "NORMR", "NORMI"};
        const QStringList heads{"20230101_120000", "20230101_120001", "cam_0000103_x", "IMG"};
        const QString letters = "AaBbCcFfIiRrXxYyM";
        for (quint32 seed = 1; seed <= 6; ++seed) {
            QRandomGenerator rng(seed);
            const QString card = QString("card%1/").arg(seed);
            QStringList paths;
            for (const QString &folder : folders) {
                for (int i = 0; i < 60; ++i) {
                    const int pick = rng.bounded(10);
                    QString name;
                    if (pick == 0)
                        name = QString("clip%1.mp4").arg(letters.at(rng.bounded(letters.size())));
                    else if (pick == 1)
                        name = QString("._x_%1F.MP4").arg(100 + rng.bounded(6), 7, 10, QChar('0'));
                    else
                        name = heads.at(rng.bounded(heads.size())) +
                               QString("_%1").arg(pick == 2 ? 9999998 + rng.bounded(8)
                                                            : 100 + rng.bounded(8),
                                                  7, 10, QChar('0')) +
                               letters.at(rng.bounded(letters.size())) +
                               (rng.bounded(2) ? ".MP4" : ".mp4");
                    paths << card + folder + '/' + name;
                }
            }
            QVERIFY(makeTree(root, paths));
            FolderListings shared;
            for (const QString &path : paths) {
                const PlaylistItem item = row(path);
                const FolderScheme scheme = folderScheme(QFileInfo(root + '/' + path).absolutePath());
                for (int kind : {KindRear, KindThird, KindFourth}) {
                    FolderListings uncached(FolderListings::Mode::Uncached);
                    QCOMPARE(relatedUrl(item, scheme, kind, shared),
                             relatedUrl(item, scheme, kind, uncached));
                }
            }
            QVERIFY(shared.listedCount() <= folders.size());
        }
    }

private:
    std::unique_ptr<QTemporaryDir> tmp;
    QString root;
};

QTEST_GUILESS_MAIN(TestChannelLookup)
#include "tst_channellookup.moc"
