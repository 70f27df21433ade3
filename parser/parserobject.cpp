#include "parser/parserobject.h"

#include "parser/cgpsutils.h"

#include <QDebug>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
std::atomic<int> parseDelay{5};
constexpr qint64 BlockSize = 4096;
} // namespace

ParserObject::ParserObject(const QString &path, QObject *parent) : QObject(parent)
{
    mFile.setFileName(path);
    // Opening a named pipe or a device named like a video would block the parse job
    // (and everything that waits for it) until a writer appears; only plain files are read.
    if (!QFileInfo(path).isFile()) {
        qDebug() << "Mp4Parser open file error, file:" << path;
        return;
    }
    // Unbuffered: the readers keep their own small block and seek a lot.
    if (!mFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qDebug() << "Mp4Parser open file error, file:" << path;
        return;
    }
    mFileSize = qMax<qint64>(mFile.size(), 0);
    mFindings.opened = true;
}

ParserObject::~ParserObject()
{
    if (mFile.isOpen())
        mFile.close();
}

void ParserObject::setParseDelayMs(int ms)
{
    parseDelay.store(qMax(ms, 0));
}

int ParserObject::parseDelayMs()
{
    return parseDelay.load();
}

void ParserObject::pause()
{
    const int ms = parseDelayMs();
    if (ms > 0)
        CGPSUtils::instance()->wait(ms);
}

qint64 ParserObject::readFile(qint64 offset, char *dst, qint64 length)
{
#ifdef Q_OS_UNIX
    // One positioned read instead of a seek and a read: a track is a few thousand of them.
    qint64 done = 0;
    while (done < length) {
        const ssize_t got =
            ::pread(mFile.handle(), dst + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
#else
    if (!mFile.seek(offset))
        return 0;
    return qMax<qint64>(mFile.read(dst, length), 0);
#endif
}

qint64 ParserObject::readAt(qint64 offset, char *dst, qint64 length)
{
    if (length <= 0)
        return 0;
    std::memset(dst, 0, size_t(length));
    if (offset < 0 || offset >= mFileSize || !mFile.isOpen())
        return 0;
    const qint64 available = qMin(length, mFileSize - offset);
    for (const Block &block : mBlocks) {
        if (block.start >= 0 && offset >= block.start &&
            offset + available <= block.start + block.data.size()) {
            std::memcpy(dst, block.data.constData() + (offset - block.start), size_t(available));
            return available;
        }
    }
    if (available > BlockSize)
        return readFile(offset, dst, available);
    // Small reads (headers, table entries) and records keep a block each, so that walking a
    // table and reading the records it points to do not evict each other.
    Block &block = mBlocks[available >= RecordSize ? 1 : 0];
    block.data.resize(int(BlockSize));
    block.start = offset;
    block.data.resize(int(readFile(offset, block.data.data(), BlockSize)));
    const qint64 got = qMin<qint64>(available, block.data.size());
    std::memcpy(dst, block.data.constData(), size_t(got));
    return got;
}

quint16 ParserObject::readU16BE(qint64 offset)
{
    unsigned char b[2];
    readAt(offset, reinterpret_cast<char *>(b), 2);
    return quint16((b[0] << 8) | b[1]);
}

quint32 ParserObject::readU32BE(qint64 offset)
{
    unsigned char b[4];
    readAt(offset, reinterpret_cast<char *>(b), 4);
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

quint64 ParserObject::readU64BE(qint64 offset)
{
    return (quint64(readU32BE(offset)) << 32) | readU32BE(offset + 4);
}

quint32 ParserObject::readU32LE(qint64 offset)
{
    unsigned char b[4];
    readAt(offset, reinterpret_cast<char *>(b), 4);
    return (quint32(b[3]) << 24) | (quint32(b[2]) << 16) | (quint32(b[1]) << 8) | quint32(b[0]);
}
