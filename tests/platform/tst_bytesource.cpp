#include "platform/bytesource.h"
#include "platform/filebytesource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

// The file and memory sources keep one contract, since the readers must not tell them apart.
class TestByteSource : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QByteArray mBytes;
    QString mPath;

    std::unique_ptr<ByteSource> open(const QString &kind)
    {
        if (kind == QLatin1String("file"))
            return std::make_unique<FileByteSource>(mPath);
        return std::make_unique<MemoryByteSource>(mBytes);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        for (int i = 0; i < 10000; ++i)
            mBytes += char(i * 7 + i / 256);
        mPath = mDir.filePath("recording.mp4");
        QFile file(mPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(mBytes), qint64(mBytes.size()));
    }

    void readsByOffset_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file") << "file";
        QTest::newRow("memory") << "memory";
    }

    void readsByOffset()
    {
        QFETCH(QString, kind);
        const std::unique_ptr<ByteSource> source = open(kind);
        QVERIFY(source->isOpen());
        QCOMPARE(source->size(), qint64(mBytes.size()));
        // Out of order, across the end, at it, past it and before the start.
        const struct
        {
            qint64 offset;
            qint64 length;
            qint64 expected;
        } reads[] = {{9000, 500, 500}, {0, 16, 16},   {9990, 64, 10}, {10000, 8, 0},
                     {123456, 8, 0},   {-4, 8, 0},    {5, 0, 0},      {0, 10000, 10000}};
        for (const auto &r : reads) {
            QByteArray buffer(int(r.length) + 1, '\x55');
            QCOMPARE(source->read(r.offset, buffer.data(), r.length), r.expected);
            if (r.expected > 0)
                QCOMPARE(buffer.left(int(r.expected)), mBytes.mid(int(r.offset), int(r.expected)));
            QCOMPARE(buffer.at(int(r.expected)), '\x55'); // nothing written beyond what came
        }
    }

    // A pipe named like a recording would block a plain open until a writer appears; folders
    // and missing files must not look like empty recordings that opened.
    void refusesWhatIsNoPlainFile()
    {
        const QString pipe = mDir.filePath("pipe.mp4");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString &path : {pipe, mDir.path(), mDir.filePath("missing.mp4"), QString()}) {
            FileByteSource source(path);
            QVERIFY2(!source.isOpen(), qPrintable(path));
            QCOMPARE(source.size(), qint64(0));
            char byte = 'x';
            QCOMPARE(source.read(0, &byte, 1), qint64(0));
        }
    }
};

QTEST_GUILESS_MAIN(TestByteSource)
#include "tst_bytesource.moc"
