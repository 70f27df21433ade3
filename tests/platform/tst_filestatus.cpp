#include "platform/filestatus.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestFileStatus : public QObject
{
    Q_OBJECT

private slots:
    // The same instant and size as Qt reports, kept in UTC; nothing for a missing file.
    void agreesWithQt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8("行车 #1.MP4"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1234, 'x'));
        file.close();

        const FileStatus status = fileStatus(path);
        QVERIFY(status.exists);
        QCOMPARE(status.size, qint64(1234));
        QCOMPARE(status.changed.timeSpec(), Qt::UTC);
        QCOMPARE(status.changed, QFileInfo(path).metadataChangeTime());

        const FileStatus missing = fileStatus(dir.filePath(QStringLiteral("gone.MP4")));
        QVERIFY(!missing.exists);
        QVERIFY(!missing.changed.isValid());
    }
};

QTEST_GUILESS_MAIN(TestFileStatus)
#include "tst_filestatus.moc"
