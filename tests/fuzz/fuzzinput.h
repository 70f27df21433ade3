#pragma once

// What the fuzz targets share: the input format, a byte source over it, and the properties
// every reader's result must have whatever the input.
//
// An input is a recording with its zero runs left out, so that arrangements whose records
// lie 64 KiB apart still make inputs of a few KB:
//   u32 LE  file size (the source is at least as long as its last segment, at most 1 MiB)
//   then segments, as many as the input holds: u32 LE offset, u16 LE length, the bytes.
// Everything between segments reads as zero; a later segment overwrites an earlier one.

#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "platform/bytesource.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace FuzzInput {

constexpr qint64 MaxFileSize = 1 << 20;
constexpr int MaxSegments = 64;

class Cursor
{
public:
    Cursor(const uint8_t *data, size_t size) : mData(data), mLeft(size) {}
    size_t left() const { return mLeft; }
    const uint8_t *here() const { return mData; }
    quint32 u32()
    {
        quint32 v = 0;
        for (int i = 0; i < 4 && mLeft > 0; ++i, ++mData, --mLeft)
            v |= quint32(*mData) << (8 * i);
        return v;
    }
    quint16 u16() { return quint16(u8() | (u8() << 8)); }
    quint8 u8()
    {
        if (mLeft == 0)
            return 0;
        --mLeft;
        return *mData++;
    }
    void skip(size_t n)
    {
        n = std::min(n, mLeft);
        mData += n;
        mLeft -= n;
    }

private:
    const uint8_t *mData;
    size_t mLeft;
};

// The recording an input describes, zeros where no segment lies, at most maxSize bytes.
inline QByteArray recording(Cursor input, qint64 maxSize = MaxFileSize)
{
    qint64 size = qint64(input.u32()) % (maxSize + 1);
    struct Segment
    {
        qint64 offset;
        qint64 length;
        const uint8_t *bytes;
    };
    Segment segments[MaxSegments];
    int count = 0;
    while (input.left() >= 6 && count < MaxSegments) {
        Segment &s = segments[count++];
        s.offset = qint64(input.u32()) % maxSize;
        const size_t length = input.u16();
        s.length = std::min(qint64(std::min(length, input.left())), maxSize - s.offset);
        s.bytes = input.here();
        input.skip(size_t(s.length));
        size = std::max(size, s.offset + s.length);
    }
    QByteArray bytes(int(size), '\0');
    for (int i = 0; i < count; ++i)
        std::memcpy(bytes.data() + segments[i].offset, segments[i].bytes, size_t(segments[i].length));
    return bytes;
}

inline void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

inline void setUpOnce()
{
    static const bool done = [] {
        qInstallMessageHandler(&quiet);
        ParserObject::setParseDelayMs(0);
        return true;
    }();
    (void)done;
}

inline void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// What holds for any decoded track: records numbered in order, no more of them than the
// locator announced, and coordinates and course that the map and compass can show.
inline void checkTrack(const ParserObject &reader, const QList<GpsData> &track)
{
    check(track.size() <= ParserObject::MaxRecords);
    // Telemetry streams announce no count; their track ends two seconds past a known length.
    if (isTelemetryKind(reader.kind()))
        check(reader.duration() <= 0 || track.size() <= qint64(reader.duration()) + 3);
    else
        check(track.size() <= std::max<qint64>(qint64(reader.recordCount()) - 1, 0));
    for (int i = 0; i < track.size(); ++i) {
        const GpsData &record = track.at(i);
        check(record.index == i);
        check(std::isfinite(record.latitude) && std::isfinite(record.longitude));
        check(std::isfinite(record.course) && record.course >= 0 && record.course <= 360);
    }
}

// Reads the input with Reader and decodes the whole track as a parse job does.
template <typename Reader> int readRecording(const uint8_t *data, size_t size)
{
    setUpOnce();
    Reader reader(std::make_unique<MemoryByteSource>(recording(Cursor(data, size))));
    const VideoInfo info = videoInfoOf(reader);
    check(info.width >= 0 && info.height >= 0 && info.duration >= 0);
    check(std::isfinite(info.frameRate) && info.frameRate >= 0);
    checkTrack(reader, decodeTrack(reader));
    return 0;
}

} // namespace FuzzInput
