#include "parser/aviparser.h"

#include <cstring>

namespace {
constexpr int MainHeaderSize = 56;
constexpr qint64 ScanWindow = 64 * 1024;

// The first "LIST" in the window that starts a multiple of step bytes into it and satisfies
// accept, or -1. A substring search finds the candidates: most windows have none, and
// comparing at every step costs a call per position.
template <typename Accept> qint64 findList(const QByteArray &window, qint64 step, Accept accept)
{
    for (int at = window.indexOf("LIST"); at >= 0; at = window.indexOf("LIST", at + 1)) {
        if (at % step == 0 && accept(at))
            return at;
    }
    return -1;
}
} // namespace

AVIParser::AVIParser(const QString &path, QObject *parent) : AVIParser(openFile(path), parent) {}

AVIParser::AVIParser(std::unique_ptr<ByteSource> source, QObject *parent)
    : ParserObject(std::move(source), parent)
{
    char riff[4];
    char form[4];
    readAt(0, riff, 4);
    const quint32 size = readU32LE(4);
    readAt(8, form, 4);
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(form, "AVI ", 4) != 0 || size == 0)
        return;
    mFindings.container = true;
    readMainHeader();
    if (!findGpslBlock())
        findAudioChunks();
}

void AVIParser::readMainHeader()
{
    // Scans 12-byte groups rather than walking chunks: that is how these files were always
    // read, and the header list sits at offset 12 in every camera's files. The groups are
    // checked a window at a time, so a damaged multi-gigabyte file is scanned in seconds.
    QByteArray window;
    qint64 position = 12;
    while (fileSize() - position >= 12) {
        const qint64 length = qMin(ScanWindow, fileSize() - position);
        window.resize(int(length));
        readAt(position, window.data(), length);
        const qint64 k = findList(window, 12, [&](qint64 at) {
            return at + 12 <= length &&
                   std::memcmp(window.constData() + at + 8, "hdrl", 4) == 0 &&
                   readU32LE(position + at + 4) != 0;
        });
        if (k < 0) {
            // On to the first whole group that did not fit in this window.
            position += length / 12 * 12;
            continue;
        }
        position += k + 12;
        char chunkId[4];
        readAt(position, chunkId, 4);
        const quint32 chunkSize = readU32LE(position + 4);
        position += 8;
        if (std::memcmp(chunkId, "avih", 4) != 0 || chunkSize == 0)
            continue;
        unsigned char header[MainHeaderSize];
        readAt(position, reinterpret_cast<char *>(header),
               qMin<quint32>(chunkSize, MainHeaderSize));
        if (chunkSize < MainHeaderSize)
            std::memset(header + chunkSize, 0, MainHeaderSize - chunkSize);
        const auto field = [&header](int at) {
            return quint32(header[at]) | (quint32(header[at + 1]) << 8) |
                   (quint32(header[at + 2]) << 16) | (quint32(header[at + 3]) << 24);
        };
        mDuration = clampToInt32(quint64(field(0)) * field(16) / 1000000u);
        mWidth = clampToInt32(field(32));
        mHeight = clampToInt32(field(36));
        return;
    }
}

bool AVIParser::findGpslBlock()
{
    if (fileSize() < 4)
        return false;
    const qint64 block = readU32BE(fileSize() - 4);
    if (block >= fileSize())
        return false;
    char tag[4];
    readAt(block, tag, 4);
    if (std::memcmp(tag, "GPSL", 4) != 0)
        return false;
    mKind = GpsSourceKind::AviGpslBlock;
    mRecordCount = clampToInt32(readU32BE(block + 4));
    mTableOffset = block + 8;
    return true;
}

qint64 AVIParser::findMovieList(quint32 &listSize)
{
    // RIFF chunks are only 2-byte aligned (ffmpeg's files put "movi" 2 bytes off a multiple
    // of 4), so every even offset is tried. Lists are entered, not skipped.
    QByteArray window;
    qint64 position = 12;
    while (position + 4 <= fileSize()) {
        const qint64 length = qMin(ScanWindow, fileSize() - position);
        window.resize(int(length));
        readAt(position, window.data(), length);
        const qint64 k = findList(window, 2, [](qint64) { return true; });
        if (k < 0) {
            // On to the first even offset whose four bytes did not fit in this window.
            position += (length - 4) / 2 * 2 + 2;
            continue;
        }
        const qint64 hit = position + k;
        char type[4];
        readAt(hit + 8, type, 4);
        if (std::memcmp(type, "movi", 4) == 0) {
            listSize = readU32LE(hit + 4);
            return hit + 12;
        }
        position = hit + 12;
    }
    return -1;
}

void AVIParser::findAudioChunks()
{
    quint32 listSize = 0;
    const qint64 first = findMovieList(listSize);
    if (first < 0 || listSize <= 4)
        return;
    qint64 position = first;
    qint64 total = 4;
    quint64 count = 0;
    // 64-bit totals: the camera's 32-bit ones wrap on damaged sizes and never end.
    while (total < qint64(listSize) && position + 8 <= fileSize()) {
        char id[4];
        readAt(position, id, 4);
        const qint64 size = readU32LE(position + 4);
        qint64 step = 8 + size;
        if (std::memcmp(id, "01wb", 4) == 0) {
            ++count;
            if (mAudioChunkOffsets.size() < MaxRecords)
                mAudioChunkOffsets.append(position);
        } else {
            step += size & 1;
        }
        position += step;
        total += step;
    }
    mFindings.soundChunks = clampToInt32(count);
    if (count == 0)
        return;
    mKind = GpsSourceKind::AviAudioChunks;
    mRecordCount = clampToInt32(count);
    mTableOffset = first;
}
