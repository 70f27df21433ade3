#pragma once

#include "platform/bytesource.h"

#include <QString>

// A plain file opened read-only, read by offset without a shared file position, so the
// readers seek freely. Named pipes, devices and folders are refused: opening one would block
// or read something that is not a recording. One implementation per operating system.
class FileByteSource final : public ByteSource
{
public:
    explicit FileByteSource(const QString &path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource &) = delete;
    FileByteSource &operator=(const FileByteSource &) = delete;

    bool isOpen() const override { return mHandle != InvalidHandle; }
    qint64 size() const override { return mSize; }
    qint64 read(qint64 offset, char *dst, qint64 length) override;
    bool readsAreCostly() const override { return true; }

private:
    static constexpr qintptr InvalidHandle = -1;
    qintptr mHandle = InvalidHandle;
    qint64 mSize = 0;
};
