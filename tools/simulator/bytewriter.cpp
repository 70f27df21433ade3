#include "tools/simulator/bytewriter.h"

namespace Simulator {

Bytes &Bytes::u8(quint32 v)
{
    mData.append(char(v & 0xFF));
    return *this;
}

Bytes &Bytes::u16(quint32 v)
{
    return u8(v >> 8).u8(v);
}

Bytes &Bytes::u32(quint32 v)
{
    return u16(v >> 16).u16(v & 0xFFFF);
}

Bytes &Bytes::u64(quint64 v)
{
    return u32(quint32(v >> 32)).u32(quint32(v));
}

Bytes &Bytes::le16(quint32 v)
{
    return u8(v).u8(v >> 8);
}

Bytes &Bytes::le32(quint32 v)
{
    return le16(v & 0xFFFF).le16(v >> 16);
}

Bytes &Bytes::tag(const char *fourcc)
{
    mData.append(fourcc, 4);
    return *this;
}

Bytes &Bytes::raw(const QByteArray &bytes)
{
    mData.append(bytes);
    return *this;
}

Bytes &Bytes::zeros(int count)
{
    mData.append(QByteArray(count, '\0'));
    return *this;
}

QByteArray box(const char *type, const QByteArray &payload)
{
    return Bytes().u32(quint32(payload.size() + 8)).tag(type).raw(payload).data();
}

QByteArray fullBox(const char *type, quint32 versionAndFlags, const QByteArray &payload)
{
    return box(type, Bytes().u32(versionAndFlags).raw(payload).data());
}

QByteArray chunk(const char *id, const QByteArray &data)
{
    Bytes out;
    out.tag(id).le32(quint32(data.size())).raw(data);
    if (data.size() % 2)
        out.u8(0);
    return out.data();
}

QByteArray list(const char *type, const QByteArray &content)
{
    return chunk("LIST", Bytes().tag(type).raw(content).data());
}

void Sink::write(const QByteArray &bytes)
{
    if (!mOk || bytes.isEmpty())
        return;
    if (mDevice->pos() != mPos && !mDevice->seek(mPos))
        mOk = false;
    if (mOk && mDevice->write(bytes) != bytes.size())
        mOk = false;
    mPos += bytes.size();
}

void Sink::zeros(qint64 count)
{
    if (count <= 0)
        return;
    if (count < 4096) {
        write(QByteArray(int(count), '\0'));
        return;
    }
    mPos += count;
}

void Sink::patch(qint64 at, const QByteArray &bytes)
{
    if (!mOk)
        return;
    if (!mDevice->seek(at) || mDevice->write(bytes) != bytes.size())
        mOk = false;
}

bool Sink::finish()
{
    // A trailing hole has to be materialised, or the file ends where the last write did.
    if (mOk && mDevice->size() < mPos) {
        if (!mDevice->seek(mPos - 1) || mDevice->write(QByteArray(1, '\0')) != 1)
            mOk = false;
    }
    return mOk;
}

} // namespace Simulator
