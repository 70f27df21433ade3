#include "tools/simulator/telemetrywriter.h"
#include "tools/simulator/writers.h"

#include <QtEndian>
#include <QtMath>

namespace Simulator {

namespace {

constexpr quint32 MovieTimescale = 1000;
constexpr quint32 VideoTimescale = 90000;
constexpr quint32 SyntheticSampleSize = 4;
constexpr quint32 PlainSoundRate = 8000;
// JLDV cameras write half a second of 8192 Hz sound, two bytes, then the record.
constexpr int JldvSoundBytes = 8192;
constexpr int JldvRecordAt = 8194;

struct BoxRef
{
    QByteArray type;
    int offset = 0; // of the header
    int size = 0;
    int header = 8;
};

QList<BoxRef> children(const QByteArray &data, int from, int to)
{
    QList<BoxRef> boxes;
    int at = from;
    while (at + 8 <= to) {
        BoxRef ref;
        ref.offset = at;
        ref.size = int(qFromBigEndian<quint32>(data.constData() + at));
        ref.type = data.mid(at + 4, 4);
        if (ref.size < 8 || at + ref.size > to)
            break;
        boxes.append(ref);
        at += ref.size;
    }
    return boxes;
}

const BoxRef *find(const QList<BoxRef> &boxes, const char *type)
{
    for (const BoxRef &ref : boxes) {
        if (ref.type == type)
            return &ref;
    }
    return nullptr;
}

struct Track
{
    quint32 id = 0;
    const char *handler = "vide";
    QString name;
    quint32 timescale = MovieTimescale;
    quint64 mediaDuration = 0;
    quint32 movieDuration = 0;
    int width = 0;
    int height = 0;
    bool sound = false;
    QByteArray mediaHeader;
    QByteArray sampleEntry;
    QByteArray stts;
    QByteArray stsc;
    QByteArray stsz;
    QVector<quint32> chunkOffsets;
};

QByteArray handlerBox(const char *type, const QString &name, bool quickTime)
{
    Bytes payload;
    payload.tag(quickTime ? "mhlr" : "\0\0\0\0").tag(type).zeros(12);
    const QByteArray text = name.toLatin1();
    if (quickTime)
        payload.u8(quint32(text.size())).raw(text); // QuickTime names are Pascal strings
    else
        payload.raw(text).u8(0);
    return fullBox("hdlr", 0, payload.data());
}

QByteArray matrix()
{
    return Bytes()
        .u32(0x10000)
        .u32(0)
        .u32(0)
        .u32(0)
        .u32(0x10000)
        .u32(0)
        .u32(0)
        .u32(0)
        .u32(0x40000000)
        .data();
}

QByteArray trackBox(const Track &t, quint32 created, bool quickTime)
{
    const QByteArray tkhd = fullBox("tkhd", 0x000003,
                                    Bytes()
                                        .u32(created)
                                        .u32(created)
                                        .u32(t.id)
                                        .u32(0)
                                        .u32(t.movieDuration)
                                        .zeros(8)
                                        .u16(0)
                                        .u16(0)
                                        .u16(t.sound ? 0x0100 : 0)
                                        .u16(0)
                                        .raw(matrix())
                                        .u32(quint32(t.width) << 16)
                                        .u32(quint32(t.height) << 16)
                                        .data());
    const QByteArray mdhd = fullBox("mdhd", 0,
                                    Bytes()
                                        .u32(created)
                                        .u32(created)
                                        .u32(t.timescale)
                                        .u32(quint32(qMin<quint64>(t.mediaDuration, 0xFFFFFFFF)))
                                        .u16(0x55C4)
                                        .u16(0)
                                        .data());
    const QByteArray dinf =
        box("dinf", fullBox("dref", 0, Bytes().u32(1).raw(fullBox("url ", 1, {})).data()));
    Bytes stco;
    stco.u32(quint32(t.chunkOffsets.size()));
    for (quint32 offset : t.chunkOffsets)
        stco.u32(offset);
    const QByteArray stbl =
        box("stbl", fullBox("stsd", 0, Bytes().u32(1).raw(t.sampleEntry).data()) +
                        fullBox("stts", 0, t.stts) + fullBox("stsc", 0, t.stsc) +
                        fullBox("stsz", 0, t.stsz) + fullBox("stco", 0, stco.data()));
    const QByteArray minf = box("minf", t.mediaHeader + dinf + stbl);
    const QByteArray mdia = box("mdia", mdhd + handlerBox(t.handler, t.name, quickTime) + minf);
    return box("trak", tkhd + mdia);
}

QByteArray oneEntry(quint32 a, quint32 b)
{
    return Bytes().u32(1).u32(a).u32(b).data();
}

QByteArray chunkMap(quint32 samplesPerChunk)
{
    return Bytes().u32(1).u32(1).u32(samplesPerChunk).u32(1).data();
}

QByteArray soundEntry(int channels, quint32 rate)
{
    return box("sowt", Bytes()
                           .zeros(6)
                           .u16(1)
                           .zeros(8)
                           .u16(quint32(channels))
                           .u16(16)
                           .u16(0)
                           .u16(0)
                           .u32(rate << 16)
                           .data());
}

Track soundTrack(quint32 id, int channels, quint32 rate, quint32 samplesPerChunk,
                 const QVector<quint32> &offsets)
{
    Track t;
    t.id = id;
    t.handler = "soun";
    t.name = QStringLiteral("SoundHandler");
    t.sound = true;
    t.timescale = rate;
    const quint64 samples = quint64(samplesPerChunk) * quint64(offsets.size());
    t.mediaDuration = samples;
    t.movieDuration = quint32(samples * MovieTimescale / rate);
    t.mediaHeader = fullBox("smhd", 0, Bytes().u16(0).u16(0).data());
    t.sampleEntry = soundEntry(channels, rate);
    t.stts = samples ? oneEntry(quint32(samples), 1) : Bytes().u32(0).data();
    t.stsc = chunkMap(samplesPerChunk);
    t.stsz = Bytes().u32(quint32(2 * channels)).u32(quint32(samples)).data();
    t.chunkOffsets = offsets;
    return t;
}

// GoPro's "gpmd" track (handler "GoPro MET") or a 3GPP text track, one sample a second.
Track telemetryTrack(quint32 id, bool gpmf, const QVector<quint32> &sizes,
                     const QVector<quint32> &offsets)
{
    Track t;
    t.id = id;
    t.handler = gpmf ? "meta" : "text";
    t.name = gpmf ? QStringLiteral("GoPro MET") : QStringLiteral("SubtitleHandler");
    t.timescale = MovieTimescale;
    t.mediaDuration = quint64(1000) * quint64(offsets.size());
    t.movieDuration = quint32(t.mediaDuration);
    t.mediaHeader = gpmf ? fullBox("gmhd", 0, {}) : fullBox("nmhd", 0, {});
    t.sampleEntry = gpmf ? box("gpmd", Bytes().zeros(6).u16(1).data())
                         : box("tx3g", Bytes().zeros(6).u16(1).zeros(30).data());
    t.stts = offsets.isEmpty() ? Bytes().u32(0).data() : oneEntry(quint32(offsets.size()), 1000);
    t.stsc = chunkMap(1);
    Bytes sizeTable;
    sizeTable.u32(0).u32(quint32(sizes.size()));
    for (quint32 size : sizes)
        sizeTable.u32(size);
    t.stsz = sizeTable.data();
    t.chunkOffsets = offsets;
    return t;
}

Track metaTrack(quint32 id, const QString &name, quint32 sampleSize, quint32 sampleMs,
                const QVector<quint32> &offsets)
{
    Track t;
    t.id = id;
    t.handler = "meta";
    t.name = name;
    t.timescale = MovieTimescale;
    t.mediaDuration = quint64(sampleMs) * quint64(offsets.size());
    t.movieDuration = quint32(t.mediaDuration);
    t.mediaHeader = fullBox("nmhd", 0, {});
    t.sampleEntry = box("mett", Bytes()
                                    .zeros(6)
                                    .u16(1)
                                    .u8(0)
                                    .raw(QByteArrayLiteral("application/octet-stream"))
                                    .u8(0)
                                    .data());
    t.stts =
        offsets.isEmpty() ? Bytes().u32(0).data() : oneEntry(quint32(offsets.size()), sampleMs);
    t.stsc = chunkMap(1);
    t.stsz = Bytes().u32(sampleSize).u32(quint32(offsets.size())).data();
    t.chunkOffsets = offsets;
    return t;
}

QByteArray videoEntry(const Recording &r)
{
    return box(r.codec == Codec::H265 ? "hvc1" : "avc1", Bytes()
                                                             .zeros(6)
                                                             .u16(1)
                                                             .zeros(16)
                                                             .u16(quint32(r.width))
                                                             .u16(quint32(r.height))
                                                             .u32(0x00480000)
                                                             .u32(0x00480000)
                                                             .u32(0)
                                                             .u16(1)
                                                             .zeros(32)
                                                             .u16(0x18)
                                                             .u16(0xFFFF)
                                                             .data());
}

QByteArray movieHeader(quint32 created, quint32 duration, quint32 nextTrack)
{
    return fullBox("mvhd", 0,
                   Bytes()
                       .u32(created)
                       .u32(created)
                       .u32(MovieTimescale)
                       .u32(duration)
                       .u32(0x10000)
                       .u16(0x0100)
                       .zeros(10)
                       .raw(matrix())
                       .zeros(24)
                       .u32(nextTrack)
                       .data());
}

// Pieces taken over from an ffmpeg-made movie.
struct Borrowed
{
    QByteArray fileType;    // its ftyp
    QByteArray prefix;      // everything else in front of its moov, kept byte for byte
    QByteArray movieHeader; // mvhd
    QList<QByteArray> tracks;
    QByteArray userData;
    quint32 timescale = MovieTimescale;
    quint32 duration = 0;
};

void patchTrackTimes(QByteArray &trak, quint32 created)
{
    const QList<BoxRef> boxes = children(trak, 8, trak.size());
    const BoxRef *tkhd = find(boxes, "tkhd");
    if (!tkhd || tkhd->size < 28)
        return;
    const int at = tkhd->offset + 8;
    if (trak.at(at) == 0) {
        qToBigEndian(created, trak.data() + at + 4);
        qToBigEndian(created, trak.data() + at + 8);
    } else {
        qToBigEndian(quint64(created), trak.data() + at + 4);
        qToBigEndian(quint64(created), trak.data() + at + 12);
    }
}

// ffmpeg's chunk offsets move when boxes are put in front of its media data.
void shiftChunkOffsets(QByteArray &trak, quint32 delta)
{
    QList<BoxRef> level = children(trak, 8, trak.size());
    for (const char *type : {"mdia", "minf", "stbl"}) {
        const BoxRef *next = find(level, type);
        if (!next)
            return;
        level = children(trak, next->offset + 8, next->offset + next->size);
    }
    if (const BoxRef *stco = find(level, "stco")) {
        const quint32 count = qFromBigEndian<quint32>(trak.constData() + stco->offset + 12);
        for (quint32 i = 0; i < count && stco->offset + 16 + int(i) * 4 + 4 <= trak.size(); ++i) {
            char *at = trak.data() + stco->offset + 16 + i * 4;
            qToBigEndian(qFromBigEndian<quint32>(at) + delta, at);
        }
    }
    if (const BoxRef *co64 = find(level, "co64")) {
        const quint32 count = qFromBigEndian<quint32>(trak.constData() + co64->offset + 12);
        for (quint32 i = 0; i < count && co64->offset + 16 + int(i) * 8 + 8 <= trak.size(); ++i) {
            char *at = trak.data() + co64->offset + 16 + i * 8;
            qToBigEndian(qFromBigEndian<quint64>(at) + delta, at);
        }
    }
}

// JLDV cameras put a JPEG thumbnail at file offset 512 whose second segment carries the
// "JLDV" tag. A "free" box pads up to the thumbnail box.
constexpr qint64 ThumbnailAt = 512;

QByteArray thumbnail(qint64 at)
{
    const QByteArray jpeg = Bytes()
                                .u16(0xFFD8)
                                .u16(0xFFE0)
                                .u16(16)
                                .raw(QByteArray("JFIF\0", 5))
                                .u16(0x0101)
                                .u8(0)
                                .u16(1)
                                .u16(1)
                                .u16(0)
                                .u16(0xFFE3)
                                .u16(2 + 16)
                                .raw(QByteArray("JLDV\0DVR 1.00\0\0\0", 16))
                                .u16(0xFFD9)
                                .data();
    return box("free", QByteArray(int(ThumbnailAt - 8 - at - 8), '\0')) + box("thum", jpeg);
}

bool borrow(const Recording &r, bool quickTime, Borrowed *out, QString *error)
{
    QByteArray movie;
    if (!encodeMovie(r, quickTime, &movie, error))
        return false;
    const QList<BoxRef> top = children(movie, 0, movie.size());
    if (top.isEmpty() || top.last().type != "moov" ||
        top.last().offset + top.last().size != movie.size()) {
        *error = QStringLiteral("ffmpeg's movie does not end with its moov box");
        return false;
    }
    const BoxRef moov = top.last();
    if (top.first().type != "ftyp") {
        *error = QStringLiteral("ffmpeg's movie does not start with ftyp");
        return false;
    }
    out->fileType = movie.left(top.first().size);
    out->prefix = movie.mid(top.first().size, moov.offset - top.first().size);
    const quint32 created = macSeconds(r.creationTime);
    for (const BoxRef &child : children(movie, moov.offset + 8, moov.offset + moov.size)) {
        QByteArray bytes = movie.mid(child.offset, child.size);
        if (child.type == "mvhd" && bytes.size() >= 32) {
            const bool wide = bytes.at(8) != 0;
            out->timescale = qFromBigEndian<quint32>(bytes.constData() + (wide ? 28 : 20));
            out->duration = wide ? quint32(qFromBigEndian<quint64>(bytes.constData() + 32))
                                 : qFromBigEndian<quint32>(bytes.constData() + 24);
            if (!wide) {
                qToBigEndian(created, bytes.data() + 12);
                qToBigEndian(created, bytes.data() + 16);
            }
            out->movieHeader = bytes;
        } else if (child.type == "trak") {
            patchTrackTimes(bytes, created);
            out->tracks.append(bytes);
        } else if (child.type == "udta") {
            out->userData = bytes;
        }
    }
    if (out->movieHeader.isEmpty() || out->timescale == 0) {
        *error = QStringLiteral("ffmpeg's movie has no usable movie header");
        return false;
    }
    return true;
}

QByteArray ftyp(bool quickTime)
{
    if (quickTime)
        return box("ftyp", Bytes().tag("qt  ").u32(0x20050300).tag("qt  ").data());
    return box(
        "ftyp",
        Bytes().tag("isom").u32(0x200).tag("isom").tag("iso2").tag("avc1").tag("mp41").data());
}

// Where the GPS payloads went while the media data was written.
struct Layout
{
    QVector<quint32> metaChunks;
    QVector<quint32> soundChunks;
    QVector<quint32> plainSoundChunks;
    QVector<quint32> gpsBlobs;
    QVector<quint32> telemetrySizes; // of the samples at metaChunks, for the telemetry kinds
    quint32 videoChunk = 0;
};

QByteArray record(const Recording &r, int index)
{
    if (index < 0 || index >= r.track.size())
        return blankRecord();
    return encodeRecord(r.track.at(index), r.arrangement == Arrangement::JldvAudio);
}

QByteArray freeBoxWithRecord(const QByteArray &rec)
{
    // A "free" box whose payload starts with "GPS " and six more bytes; the record
    // therefore starts 18 bytes after the box.
    return Bytes()
        .u32(quint32(8 + 10 + rec.size()))
        .tag("free")
        .tag("GPS ")
        .zeros(6)
        .raw(rec)
        .data();
}

QString metaName(const Recording &r)
{
    if (!r.handlerName.isEmpty())
        return r.handlerName;
    switch (r.arrangement) {
    case Arrangement::AmbarellaTrack:
        return QStringLiteral("Ambarella EXT");
    case Arrangement::SStarTrack:
        return QStringLiteral("SStarMeta GPS");
    default:
        return QStringLiteral("GPS Data Handler");
    }
}

bool hasMetaTrack(Arrangement a)
{
    return a == Arrangement::AmbarellaTrack || a == Arrangement::SStarTrack ||
           a == Arrangement::GpsMetaTrack;
}

// The "SS GPS" family writes the record at the chunk start; the others put two bytes first.
bool metaPrefixed(const Recording &r)
{
    return !(r.arrangement == Arrangement::SStarTrack && metaName(r) == QLatin1String("SS GPS")) &&
           r.arrangement != Arrangement::GpsMetaTrack;
}

void writeMediaData(const Recording &r, Sink &sink, quint64 syntheticFrames, Layout *layout)
{
    const int count = r.track.size();
    const int seconds = qCeil(durationOf(r));
    if (!r.realVideo) {
        layout->videoChunk = quint32(sink.pos());
        sink.zeros(qint64(syntheticFrames) * SyntheticSampleSize);
    }
    const int marker = r.freeGpsMarkerOffset;
    for (int k = 0; k < count; ++k) {
        switch (r.arrangement) {
        case Arrangement::AmbarellaTrack:
        case Arrangement::SStarTrack:
        case Arrangement::GpsMetaTrack:
            layout->metaChunks.append(quint32(sink.pos()));
            if (metaPrefixed(r))
                sink.write(Bytes().u16(RecordSize).data());
            sink.write(record(r, k));
            break;
        case Arrangement::GoProGpmf:
        case Arrangement::NmeaTextTrack: {
            const QByteArray sample = r.arrangement == Arrangement::GoProGpmf ? gpmfSample(r, k)
                                                                              : nmeaSample(r, k);
            layout->metaChunks.append(quint32(sink.pos()));
            layout->telemetrySizes.append(quint32(sample.size()));
            sink.write(sample);
            break;
        }
        case Arrangement::GpsBoxTable:
            layout->gpsBlobs.append(quint32(sink.pos()));
            sink.write(freeBoxWithRecord(record(r, k)));
            break;
        case Arrangement::FreeGpsAudio:
            // A second of silence, then the marker box 4 bytes before `marker`.
            layout->soundChunks.append(quint32(sink.pos()));
            sink.zeros(marker - 4);
            sink.write(freeBoxWithRecord(record(r, k)));
            break;
        case Arrangement::JldvAudio:
            // Chunk k holds record k + 1; the last chunk's slot has no fix yet.
            layout->soundChunks.append(quint32(sink.pos()));
            sink.zeros(JldvRecordAt);
            sink.write(record(r, k + 1));
            break;
        default:
            break;
        }
    }
    if (r.soundTrack && r.arrangement != Arrangement::FreeGpsAudio &&
        r.arrangement != Arrangement::JldvAudio) {
        for (int s = 0; s < seconds; ++s) {
            layout->plainSoundChunks.append(quint32(sink.pos()));
            sink.zeros(2 * PlainSoundRate);
        }
    }
}

QByteArray gps0Box(const Recording &r)
{
    QByteArray records;
    for (int k = 0; k < r.track.size(); ++k)
        records.append(record(r, k).left(RecordSize - 1)); // this family packs 311 bytes
    if (r.gps0LargeSize)
        return Bytes().u32(1).tag("gps0").u64(quint64(records.size()) + 16).raw(records).data();
    return box("gps0", records);
}

QByteArray gpsTableBox(const Layout &layout)
{
    Bytes payload;
    payload.u32(0).u32(quint32(layout.gpsBlobs.size()));
    for (quint32 offset : layout.gpsBlobs)
        payload.u32(offset).u32(8 + 10 + RecordSize);
    return box("gps ", payload.data());
}

} // namespace

bool writeMp4(const Recording &r, Sink &sink, QString *error)
{
    const bool quickTime = containerOf(r) == Container::Mov;
    const quint32 created = macSeconds(r.creationTime);
    const double duration = durationOf(r);

    Borrowed borrowed;
    if (r.realVideo) {
        if (!borrow(r, quickTime, &borrowed, error))
            return false;
        sink.write(borrowed.fileType);
    } else {
        sink.write(ftyp(quickTime));
    }
    if (r.arrangement == Arrangement::JldvAudio) {
        const QByteArray thumb = thumbnail(sink.pos());
        sink.write(thumb);
        for (QByteArray &trak : borrowed.tracks)
            shiftChunkOffsets(trak, quint32(thumb.size()));
    }
    sink.write(borrowed.prefix);
    if (r.arrangement == Arrangement::BlackVueBoxes)
        sink.write(box("free", box("gps ", blackVueLog(r)) + box("3gf ", blackVue3gf(r))));
    const quint32 movieTimescale = r.realVideo ? borrowed.timescale : MovieTimescale;
    const quint32 movieDuration =
        r.realVideo ? borrowed.duration : quint32(qRound64(duration * MovieTimescale));
    const quint64 frames = r.realVideo ? 0 : quint64(qRound64(duration * r.frameRate));

    const qint64 mdatAt = sink.pos();
    sink.write(Bytes().u32(0).tag("mdat").data());
    Layout layout;
    writeMediaData(r, sink, frames, &layout);
    const qint64 mdatSize = sink.pos() - mdatAt;
    if (sink.pos() > qint64(0xFFFFFFFF)) {
        *error = QStringLiteral("recording too large for 32-bit chunk offsets");
        return false;
    }
    sink.patch(mdatAt, Bytes().u32(quint32(mdatSize)).data());

    if (r.arrangement == Arrangement::Gps0Box)
        sink.write(gps0Box(r));

    QByteArray tracks;
    quint32 nextId = 1;
    if (r.realVideo) {
        for (const QByteArray &trak : borrowed.tracks)
            tracks += trak;
        nextId = quint32(borrowed.tracks.size()) + 1;
    } else {
        Track video;
        video.id = nextId++;
        video.name = QStringLiteral("VideoHandler");
        video.timescale = VideoTimescale;
        const quint32 delta = quint32(qMax<qint64>(1, qRound64(VideoTimescale / r.frameRate)));
        video.mediaDuration = frames * delta;
        video.movieDuration = movieDuration;
        video.width = r.width;
        video.height = r.height;
        video.mediaHeader = fullBox("vmhd", 1, Bytes().zeros(8).data());
        video.sampleEntry = videoEntry(r);
        video.stts = frames ? oneEntry(quint32(frames), delta) : Bytes().u32(0).data();
        video.stsc = chunkMap(quint32(frames));
        video.stsz = Bytes().u32(SyntheticSampleSize).u32(quint32(frames)).data();
        if (frames)
            video.chunkOffsets.append(layout.videoChunk);
        tracks += trackBox(video, created, quickTime);
    }
    auto scaled = [&](Track t) {
        t.movieDuration = quint32(quint64(t.movieDuration) * movieTimescale / MovieTimescale);
        return t;
    };
    if (r.arrangement == Arrangement::FreeGpsAudio) {
        const int channels = r.freeGpsMarkerOffset >= 262148   ? 4
                             : r.freeGpsMarkerOffset >= 131076 ? 2
                                                               : 1;
        const quint32 perChunk = quint32(r.freeGpsMarkerOffset - 4) / quint32(2 * channels);
        tracks +=
            trackBox(scaled(soundTrack(nextId++, channels, perChunk, perChunk, layout.soundChunks)),
                     created, quickTime);
    } else if (r.arrangement == Arrangement::JldvAudio) {
        tracks += trackBox(
            scaled(soundTrack(nextId++, 1, JldvSoundBytes, JldvSoundBytes / 2, layout.soundChunks)),
            created, quickTime);
    }
    if (!layout.plainSoundChunks.isEmpty())
        tracks += trackBox(scaled(soundTrack(nextId++, 1, PlainSoundRate, PlainSoundRate,
                                             layout.plainSoundChunks)),
                           created, quickTime);
    if (r.arrangement == Arrangement::GoProGpmf || r.arrangement == Arrangement::NmeaTextTrack) {
        tracks += trackBox(scaled(telemetryTrack(nextId++, r.arrangement == Arrangement::GoProGpmf,
                                                 layout.telemetrySizes, layout.metaChunks)),
                           created, quickTime);
    }
    if (hasMetaTrack(r.arrangement)) {
        const quint32 size = quint32(RecordSize + (metaPrefixed(r) ? 2 : 0));
        tracks += trackBox(scaled(metaTrack(nextId++, metaName(r), size, 1000, layout.metaChunks)),
                           created, quickTime);
    }

    QByteArray header;
    if (r.realVideo) {
        header = borrowed.movieHeader;
        qToBigEndian(nextId, header.data() + header.size() - 4);
    } else {
        header = movieHeader(created, movieDuration, nextId);
    }
    QByteArray moov = header + tracks;
    if (r.arrangement == Arrangement::GpsBoxTable)
        moov += gpsTableBox(layout);
    moov += borrowed.userData;
    sink.write(box("moov", moov));
    return sink.finish();
}

} // namespace Simulator
