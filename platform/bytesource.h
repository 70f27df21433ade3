#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstring>
#include <utility>

// Positioned reads from the bytes of a recording, wherever they are kept: a file on disk for
// the player, memory for the fuzz targets and tests. The readers see nothing else.
class ByteSource
{
public:
    virtual ~ByteSource() = default;

    virtual bool isOpen() const = 0;
    // Length in bytes, fixed when the source was opened; 0 when it could not be opened.
    virtual qint64 size() const = 0;
    // Copies up to length bytes from offset into dst and returns how many it copied: fewer
    // near the end, none past it, on a negative offset or on an error.
    virtual qint64 read(qint64 offset, char *dst, qint64 length) = 0;
    // True when every read costs a system call, so that callers fetch whole blocks and keep
    // them instead of asking for a few bytes at a time.
    virtual bool readsAreCostly() const = 0;
};

// Bytes in memory. Built with QByteArray::fromRawData() it reads the caller's buffer in place,
// which must then outlive the source.
class MemoryByteSource final : public ByteSource
{
public:
    explicit MemoryByteSource(QByteArray bytes) : mBytes(std::move(bytes)) {}

    bool isOpen() const override { return true; }
    qint64 size() const override { return mBytes.size(); }
    qint64 read(qint64 offset, char *dst, qint64 length) override
    {
        if (offset < 0 || length <= 0 || offset >= mBytes.size())
            return 0;
        const qint64 count = qMin(length, qint64(mBytes.size()) - offset);
        std::memcpy(dst, mBytes.constData() + offset, size_t(count));
        return count;
    }
    bool readsAreCostly() const override { return false; }

private:
    QByteArray mBytes;
};
