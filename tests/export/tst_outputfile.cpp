// What an export may replace and what it leaves behind: the temporary goes unless committed,
// an earlier clip or pack is replaced, and a folder that is neither is never touched.

#include "export/outputfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void temporaryGoesUnlessCommitted();
    void replacesOnlyWhatAnExportWrote();
};

void TestOutputFile::temporaryGoesUnlessCommitted()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("new/clip.mp4"));
    QString error;
    {
        OutputFile out(clip, false);
        QVERIFY(out.prepare(&error));
        QVERIFY(QFileInfo(out.temporaryPath()).fileName().startsWith(QLatin1Char('.')));
        QVERIFY(writeFile(out.temporaryPath(), "half"));
    }
    QCOMPARE(QDir(dir.filePath(QStringLiteral("new")))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(writeFile(clip, "old"));
    {
        OutputFile out(clip, false);
        QVERIFY(out.prepare(&error));
        QVERIFY(writeFile(out.temporaryPath(), "new"));
        QVERIFY(out.commit(&error));
    }
    QCOMPARE(readFile(clip), QByteArray("new"));
}

void TestOutputFile::replacesOnlyWhatAnExportWrote()
{
    QTemporaryDir dir;
    QString error;
    // A folder where a clip should go.
    const QString documents = dir.filePath(QStringLiteral("Documents"));
    QVERIFY(writeFile(documents + QStringLiteral("/letter.txt"), "keep"));
    QVERIFY(!OutputFile(documents, false).prepare(&error));
    QVERIFY(error.contains(QLatin1String("Documents")));
    // A pack over a folder that is not one.
    QVERIFY(!OutputFile(documents, true).prepare(&error));
    QCOMPARE(readFile(documents + QStringLiteral("/letter.txt")), QByteArray("keep"));

    // An earlier pack is replaced whole.
    const QString pack = dir.filePath(QStringLiteral("Evidence"));
    QVERIFY(writeFile(pack + QStringLiteral("/manifest.json"), "{}"));
    QVERIFY(writeFile(pack + QStringLiteral("/originals/a.MP4"), "old"));
    {
        OutputFile out(pack, true);
        QVERIFY(out.prepare(&error));
        QVERIFY(writeFile(out.temporaryPath() + QStringLiteral("/manifest.json"), "{\"new\":1}"));
        QVERIFY(out.commit(&error));
    }
    QVERIFY(!QFile::exists(pack + QStringLiteral("/originals/a.MP4")));
    QCOMPARE(readFile(pack + QStringLiteral("/manifest.json")), QByteArray("{\"new\":1}"));
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
