#include "parser/parserobject.h"

#include "parser/cgpsutils.h"

#include <QDebug>
#include <atomic>
#include <cstring>

namespace {
std::atomic<int> parseDelay{5};
constexpr qint64 BlockSize = 4096;
} // namespace

ParserObject::ParserObject(const QString &path, QObject *parent) : QObject(parent)
{
    mFile.setFileName(path);
    // Unbuffered: the readers keep their own small block and seek a lot.
    if (!mFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qDebug() << "Mp4Parser open file error, file:" << path;
        return;
    }
    mFileSize = qMax<qint64>(mFile.size(), 0);
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

qint64 ParserObject::readAt(qint64 offset, char *dst, qint64 length)
{
    if (length <= 0)
        return 0;
    std::memset(dst, 0, size_t(length));
    if (offset < 0 || offset >= mFileSize || !mFile.isOpen())
        return 0;
    const qint64 available = qMin(length, mFileSize - offset);
    if (available > BlockSize) {
        if (!mFile.seek(offset))
            return 0;
        return qMax<qint64>(mFile.read(dst, available), 0);
    }
    if (mBlockStart < 0 || offset < mBlockStart ||
        offset + available > mBlockStart + mBlock.size()) {
        mBlock.resize(int(BlockSize));
        mBlockStart = offset;
        qint64 got = -1;
        if (mFile.seek(offset))
            got = mFile.read(mBlock.data(), BlockSize);
        if (got < 0) {
            mBlock.clear();
            mBlockStart = -1;
            return 0;
        }
        mBlock.resize(int(got));
    }
    const qint64 inBlock = qMin(available, mBlockStart + mBlock.size() - offset);
    if (inBlock <= 0)
        return 0;
    std::memcpy(dst, mBlock.constData() + (offset - mBlockStart), size_t(inBlock));
    return inBlock;
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
