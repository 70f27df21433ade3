// makeseeds OUTDIR RECORDING...: the fuzz targets' starting inputs from simulated recordings,
// in the format of fuzzinput.h, one per recording and target (OUTDIR/mp4, avi, records).
#include "parser/aviparser.h"
#include "parser/mp4parser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// The recording without its zero runs: runs of 16 zero bytes or more separate segments.
QByteArray sparse(const QByteArray &file)
{
    constexpr int Gap = 16;
    constexpr int MaxSegment = 0xFFFF;
    QByteArray out = le32(quint32(file.size()));
    int i = 0;
    while (i < file.size()) {
        if (file.at(i) == 0) {
            ++i;
            continue;
        }
        int end = i;
        int zeros = 0;
        while (end < file.size() && end - i < MaxSegment && zeros < Gap) {
            zeros = file.at(end) == 0 ? zeros + 1 : 0;
            ++end;
        }
        end -= zeros;
        out += le32(quint32(i)) + le16(quint16(end - i)) + file.mid(i, end - i);
        i = end;
    }
    return out;
}

class AviLocator : public AVIParser
{
public:
    using AVIParser::AVIParser;
    QVector<qint64> audioChunkOffsets() const { return mAudioChunkOffsets; }
};

// The locator header of the records target, as the player's reader finds it.
QByteArray locator(const QString &path)
{
    std::unique_ptr<ParserObject> reader;
    QVector<qint64> chunks;
    if (path.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive)) {
        auto avi = std::make_unique<AviLocator>(path);
        chunks = avi->audioChunkOffsets().mid(0, 255);
        reader = std::move(avi);
    } else {
        reader = std::make_unique<Mp4Parser>(path);
    }
    const GpsSourceKind kinds[] = {
        GpsSourceKind::GpsNone,        GpsSourceKind::AmbarellaTrack, GpsSourceKind::GpsBoxTable,
        GpsSourceKind::FreeGpsAudio,   GpsSourceKind::Gps0Box,        GpsSourceKind::SStarTrack,
        GpsSourceKind::GpsMetaTrack,   GpsSourceKind::AviGpslBlock,   GpsSourceKind::AviAudioChunks,
        GpsSourceKind::JldvAudio};
    // Telemetry kinds have no record table: they are not inputs of the records target.
    quint8 kind = 0;
    while (kind < sizeof kinds / sizeof kinds[0] && kinds[kind] != reader->kind())
        ++kind;
    if (kind == sizeof kinds / sizeof kinds[0])
        return QByteArray();
    const quint8 flags = reader->handlerName() == QLatin1String("SS GPS") ? 1 : 0;
    QByteArray out;
    out += char(kind);
    out += char(flags);
    out += le16(quint16(reader->duration() * 16)) + le32(quint32(reader->recordCount())) +
           le32(quint32(reader->tableOffset())) + le32(quint32(reader->markerOffset()));
    out += char(chunks.size());
    for (const qint64 offset : chunks)
        out += le32(quint32(offset));
    return out;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ParserObject::setParseDelayMs(0);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: makeseeds OUTDIR RECORDING...\n");
        return 2;
    }
    const QDir out(args.first());
    for (const char *target : {"mp4", "avi", "records"})
        out.mkpath(QLatin1String(target));
    for (const QString &path : args.mid(1)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray input = sparse(file.readAll());
        const QFileInfo info(path);
        const QString reader = info.suffix().compare(QLatin1String("avi"), Qt::CaseInsensitive) == 0
                                   ? QStringLiteral("avi")
                                   : QStringLiteral("mp4");
        const QByteArray header = locator(path);
        if (!write(out.filePath(reader + QLatin1Char('/') + info.fileName()), input) ||
            (!header.isEmpty() &&
             !write(out.filePath(QLatin1String("records/") + info.fileName()), header + input))) {
            std::fprintf(stderr, "cannot write the inputs of %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
