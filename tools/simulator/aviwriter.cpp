#include "tools/simulator/writers.h"

#include <QtMath>

namespace Simulator {

namespace {

constexpr quint32 HasIndex = 0x10;
constexpr quint32 IsInterleaved = 0x100;
constexpr quint32 KeyFrame = 0x10;
constexpr int SyntheticFrameSize = 8;
constexpr quint32 PlainSoundRate = 8000;
// The audio-chunk family writes 65530 bytes of sound, then the record, in every "01wb".
constexpr int ChunkRecordAt = 65530;

struct IndexEntry
{
    QByteArray id;
    quint32 flags;
    quint32 offset;
    quint32 size;
};

bool containsIdr(const QByteArray &unit, bool hevc)
{
    for (int i = 0; i + 3 < unit.size(); ++i) {
        if (unit.at(i) != 0 || unit.at(i + 1) != 0 || unit.at(i + 2) != 1)
            continue;
        const quint8 header = quint8(unit.at(i + 3));
        const int type = hevc ? (header >> 1) & 0x3F : header & 0x1F;
        if (hevc ? (type == 19 || type == 20) : type == 5)
            return true;
    }
    return false;
}

QByteArray streamHeader(const char *type, const char *handler, quint32 scale, quint32 rate,
                        quint32 length, quint32 sampleSize, int width, int height)
{
    return chunk("strh", Bytes()
                             .tag(type)
                             .tag(handler)
                             .le32(0)
                             .le16(0)
                             .le16(0)
                             .le32(0)
                             .le32(scale)
                             .le32(rate)
                             .le32(0)
                             .le32(length)
                             .le32(0)
                             .le32(0xFFFFFFFF)
                             .le32(sampleSize)
                             .le16(0)
                             .le16(0)
                             .le16(quint32(width))
                             .le16(quint32(height))
                             .data());
}

QByteArray soundFormat(quint32 bytesPerSecond)
{
    return chunk("strf", Bytes()
                             .le16(1)
                             .le16(1)
                             .le32(bytesPerSecond / 2)
                             .le32(bytesPerSecond)
                             .le16(2)
                             .le16(16)
                             .le16(0)
                             .data());
}

} // namespace

bool writeAvi(const Recording &r, Sink &sink, QString *error)
{
    const bool hevc = r.codec == Codec::H265;
    QVector<QByteArray> units;
    if (r.realVideo && !encodeAccessUnits(r, &units, error))
        return false;
    const double duration = durationOf(r);
    const int frames = r.realVideo ? units.size() : int(qRound64(duration * r.frameRate));
    const quint32 microsPerFrame = quint32(qRound64(1000000.0 / r.frameRate));

    const bool gpsInSound = r.arrangement == Arrangement::AviAudioChunks;
    const bool sound = gpsInSound || r.soundTrack;
    const quint32 soundChunkBytes =
        gpsInSound ? quint32(ChunkRecordAt + RecordSize) : 2 * PlainSoundRate;
    const int seconds = qCeil(duration);
    const int soundChunks = gpsInSound ? r.track.size() : (sound ? seconds : 0);

    const char *fourcc = hevc ? "HEVC" : "H264";
    QByteArray videoList = streamHeader("vids", fourcc, 1000, quint32(qRound64(r.frameRate * 1000)),
                                        quint32(frames), 0, r.width, r.height) +
                           chunk("strf", Bytes()
                                             .le32(40)
                                             .le32(quint32(r.width))
                                             .le32(quint32(r.height))
                                             .le16(1)
                                             .le16(24)
                                             .tag(fourcc)
                                             .le32(quint32(r.width * r.height * 3))
                                             .zeros(16)
                                             .data());
    QByteArray header = chunk("avih", Bytes()
                                          .le32(microsPerFrame)
                                          .le32(0)
                                          .le32(0)
                                          .le32(HasIndex | IsInterleaved)
                                          .le32(quint32(frames))
                                          .le32(0)
                                          .le32(sound ? 2 : 1)
                                          .le32(1 << 20)
                                          .le32(quint32(r.width))
                                          .le32(quint32(r.height))
                                          .zeros(16)
                                          .data()) +
                        list("strl", videoList);
    if (sound) {
        const quint32 bytesPerSecond = soundChunkBytes;
        header += list("strl", streamHeader("auds", "\0\0\0\0", 2, bytesPerSecond,
                                            quint32(soundChunks) * soundChunkBytes / 2, 2, 0, 0) +
                                   soundFormat(bytesPerSecond));
    }

    sink.write(Bytes().tag("RIFF").le32(0).tag("AVI ").data());
    sink.write(list("hdrl", header));
    const qint64 moviAt = sink.pos();
    sink.write(Bytes().tag("LIST").le32(0).tag("movi").data());
    const qint64 moviBase = moviAt + 8;

    QVector<IndexEntry> index;
    auto put = [&](const char *id, const QByteArray &data, quint32 flags) {
        index.append(
            {QByteArray(id, 4), flags, quint32(sink.pos() - moviBase), quint32(data.size())});
        sink.write(chunk(id, data));
    };
    auto putSound = [&](int n) {
        if (!gpsInSound) {
            put("01wb", QByteArray(int(soundChunkBytes), '\0'), KeyFrame);
            return;
        }
        // The n-th "01wb" (from 1) carries record n; the last slot has no fix yet. The
        // silence in front is left as a hole in the file.
        index.append(
            {QByteArrayLiteral("01wb"), KeyFrame, quint32(sink.pos() - moviBase), soundChunkBytes});
        sink.write(Bytes().tag("01wb").le32(soundChunkBytes).data());
        sink.zeros(ChunkRecordAt);
        sink.write(n < r.track.size() ? encodeRecord(r.track.at(n), false) : blankRecord());
    };

    const int gop = qMax(1, qRound(r.frameRate));
    int frame = 0;
    int soundWritten = 0;
    for (int s = 0; s < seconds || frame < frames; ++s) {
        const int until = qMin(frames, int(qRound64((s + 1) * r.frameRate)));
        for (; frame < until; ++frame) {
            if (r.realVideo)
                put("00dc", units.at(frame), containsIdr(units.at(frame), hevc) ? KeyFrame : 0);
            else
                put("00dc", QByteArray(SyntheticFrameSize, '\0'), frame % gop ? 0 : KeyFrame);
        }
        if (soundWritten < soundChunks)
            putSound(++soundWritten);
    }
    while (soundWritten < soundChunks)
        putSound(++soundWritten);
    sink.patch(moviAt + 4, Bytes().le32(quint32(sink.pos() - moviBase)).data());

    Bytes idx1;
    for (const IndexEntry &entry : index)
        idx1.raw(entry.id).le32(entry.flags).le32(entry.offset).le32(entry.size);
    sink.write(chunk("idx1", idx1.data()));

    if (r.arrangement == Arrangement::AviGpslBlock) {
        // The block sits in a JUNK chunk at the end; the file's last four bytes point at it.
        const quint32 blockAt = quint32(sink.pos() + 8);
        Bytes block;
        block.tag("GPSL").u32(quint32(r.track.size()));
        for (const Fix &fix : r.track)
            block.raw(encodeRecord(fix, false));
        block.u32(blockAt);
        sink.write(chunk("JUNK", block.data()));
    }
    if (sink.pos() > qint64(0xFFFFFFFF)) {
        *error = QStringLiteral("recording too large for RIFF");
        return false;
    }
    sink.patch(4, Bytes().le32(quint32(sink.pos() - 8)).data());
    return sink.finish();
}

} // namespace Simulator
