#pragma once

// Byte-level building blocks shared by the container writers.

#include <QByteArray>
#include <QIODevice>

namespace Simulator {

// Appends numbers in a stated byte order; MP4 is big-endian, RIFF little-endian.
class Bytes
{
public:
    Bytes &u8(quint32 v);
    Bytes &u16(quint32 v);
    Bytes &u32(quint32 v);
    Bytes &u64(quint64 v);
    Bytes &le16(quint32 v);
    Bytes &le32(quint32 v);
    Bytes &tag(const char *fourcc);
    Bytes &raw(const QByteArray &bytes);
    Bytes &zeros(int count);
    const QByteArray &data() const { return mData; }
    int size() const { return mData.size(); }

private:
    QByteArray mData;
};

// An ISO/QuickTime box: 32-bit big-endian size, type, payload.
QByteArray box(const char *type, const QByteArray &payload);
// A full box: version and flags in front of the payload.
QByteArray fullBox(const char *type, quint32 versionAndFlags, const QByteArray &payload);
// A RIFF chunk: id, little-endian size, data, a pad byte when the size is odd.
QByteArray chunk(const char *id, const QByteArray &data);
QByteArray list(const char *type, const QByteArray &content);

// Sequential writer over a file or a buffer. Runs of zeros are skipped over, so large
// silent sound tracks become holes in the file rather than written pages.
class Sink
{
public:
    explicit Sink(QIODevice *device) : mDevice(device) {}
    qint64 pos() const { return mPos; }
    void write(const QByteArray &bytes);
    void zeros(qint64 count);
    void patch(qint64 at, const QByteArray &bytes);
    bool finish();
    bool ok() const { return mOk; }

private:
    QIODevice *mDevice;
    qint64 mPos = 0;
    bool mOk = true;
};

} // namespace Simulator
