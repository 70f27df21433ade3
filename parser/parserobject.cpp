#include "parser/parserobject.h"

#include "parser/cgpsutils.h"

#include "platform/filebytesource.h"

#include <QDebug>
#include <atomic>
#include <cstring>

namespace {
std::atomic<int> parseDelay{0};
constexpr qint64 BlockSize = 4096;
thread_local const std::atomic<bool> *pauseHurry = nullptr;
} // namespace

ParserObject::ParserObject(std::unique_ptr<ByteSource> source, QObject *parent)
    : QObject(parent), mSource(std::move(source))
{
    if (!mSource)
        mSource = std::make_unique<MemoryByteSource>(QByteArray());
    mFileSize = mSource->isOpen() ? qMax<qint64>(mSource->size(), 0) : 0;
    mFindings.opened = mSource->isOpen();
}

ParserObject::~ParserObject() = default;

std::unique_ptr<ByteSource> ParserObject::openFile(const QString &path)
{
    auto file = std::make_unique<FileByteSource>(path);
    if (!file->isOpen())
        qDebug() << "Mp4Parser open file error, file:" << path;
    return file;
}

void ParserObject::setParseDelayMs(int ms)
{
    parseDelay.store(qMax(ms, 0));
}

int ParserObject::parseDelayMs()
{
    return parseDelay.load();
}

ParserObject::PauseScope::PauseScope(const std::atomic<bool> *hurry) : outer(pauseHurry)
{
    pauseHurry = hurry;
}

ParserObject::PauseScope::~PauseScope()
{
    pauseHurry = outer;
}

void ParserObject::pause(int delays)
{
    if (pauseHurry && pauseHurry->load())
        return;
    const int ms = parseDelayMs();
    if (ms > 0)
        CGPSUtils::instance()->wait(delays * ms);
}

qint64 ParserObject::readAt(qint64 offset, char *dst, qint64 length)
{
    if (length <= 0)
        return 0;
    std::memset(dst, 0, size_t(length));
    if (offset < 0 || offset >= mFileSize)
        return 0;
    const qint64 available = qMin(length, mFileSize - offset);
    if (!mSource->readsAreCostly())
        return mSource->read(offset, dst, available);
    for (const Block &block : mBlocks) {
        if (block.start >= 0 && offset >= block.start &&
            offset + available <= block.start + block.data.size()) {
            std::memcpy(dst, block.data.constData() + (offset - block.start), size_t(available));
            return available;
        }
    }
    if (available > BlockSize)
        return mSource->read(offset, dst, available);
    // Small reads (headers, table entries) and records keep a block each, so that walking a
    // table and reading the records it points to do not evict each other.
    Block &block = mBlocks[available >= RecordSize ? 1 : 0];
    block.data.resize(int(BlockSize));
    block.start = offset;
    block.data.resize(int(mSource->read(offset, block.data.data(), BlockSize)));
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
