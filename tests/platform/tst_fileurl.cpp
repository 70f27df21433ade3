#include "platform/fileurl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class TestFileUrl : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "/media/card/DCIM/20190712_101010F.MP4";
        QTest::newRow("space") << "/media/my card/a b.mp4";
        QTest::newRow("hash and percent") << "/tmp/100% #1/clip#2%41.mp4";
        QTest::newRow("chinese") << QString::fromUtf8("/home/用户/行车记录/前摄像头 01.MP4");
        QTest::newRow("question mark") << "/tmp/what?.avi";
    }

    void roundTrip()
    {
        QFETCH(QString, path);
        const QString url = FileUrl::fromLocalPath(path);
        QVERIFY(url.startsWith("file:///"));
        QCOMPARE(FileUrl::toLocalPath(url), path);
        // Qt's own URL handling must agree with ours, since QUrl values travel too.
        QCOMPARE(QUrl(url).toLocalFile(), path);
        QCOMPARE(QUrl::fromLocalFile(path), QUrl(url));
        QCOMPARE(FileUrl::urlFromLocalPath(path), QUrl(url));
    }

    void foundOnDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QString::fromUtf8("/前 #1 100%.mp4");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(QFile::exists(FileUrl::toLocalPath(FileUrl::fromLocalPath(path))));
    }

    void edges()
    {
        QCOMPARE(FileUrl::fromLocalPath(QString()), QString());
        QVERIFY(FileUrl::urlFromLocalPath(QString()).isEmpty());
        QCOMPARE(FileUrl::toLocalPath(QString()), QString());
        // A bare path passes through unchanged.
        QCOMPARE(FileUrl::toLocalPath("/a/b c.mp4"), QString("/a/b c.mp4"));
        QCOMPARE(FileUrl::toLocalPath("FILE:///a/b"), QString("/a/b"));
    }
};

QTEST_GUILESS_MAIN(TestFileUrl)
#include "tst_fileurl.moc"
