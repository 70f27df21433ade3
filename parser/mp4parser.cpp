#include "parser/mp4parser.h"

#include <QDate>
#include <QTime>
#include <QtEndian>
#include <cstring>

namespace {
constexpr qint64 EmbeddedPictureAt = 512;
constexpr quint16 JpegStartOfImage = 0xFFD8;
// Handler names are a few dozen bytes; a damaged size must not make us read megabytes.
constexpr qint64 MaxHandlerName = 4096;
constexpr qint64 Gps0RecordStride = 311;
// Where camera firmwares put the "freeGPS" marker behind the start of a sound chunk.
constexpr qint32 FreeGpsDistances[] = {65540, 131076, 262148};

bool isType(const char *type, const char *expected)
{
    return std::memcmp(type, expected, 4) == 0;
}
} // namespace

Mp4Parser::Mp4Parser(const QString &path, QObject *parent) : Mp4Parser(openFile(path), parent) {}

Mp4Parser::Mp4Parser(std::unique_ptr<ByteSource> source, QObject *parent)
    : ParserObject(std::move(source), parent)
{
    probeEmbeddedPicture();
    walkTopLevel();
}

Mp4Parser::HeaderResult Mp4Parser::readBoxHeader(qint64 position, Box &box)
{
    const qint64 remaining = fileSize() - position;
    if (position < 0 || remaining < 8)
        return HeaderResult::Stop;
    const quint32 size32 = readU32BE(position);
    readAt(position + 4, box.type, 4);
    box.type[4] = '\0';
    box.start = position;
    mBoxType = QString::fromLatin1(box.type, 4);
    // Size 0 is not "to the end of the file" for these cameras: an 8-byte header alone.
    if (size32 == 0) {
        mBoxSize = 0;
        mPayloadSize = 0;
        return HeaderResult::ZeroSize;
    }
    quint64 size = size32;
    qint64 header = 8;
    if (size32 == 1) {
        if (remaining < 16)
            return HeaderResult::Stop;
        size = readU64BE(position + 8);
        header = 16;
    }
    // A size smaller than its own header cannot be stepped over; nothing behind it is reliable.
    if (size < quint64(header))
        return HeaderResult::Stop;
    mBoxSize = size;
    mPayloadSize = size - quint64(header);
    box.size = size;
    box.payload = position + header;
    box.end = size > quint64(remaining) ? fileSize() : position + qint64(size);
    return HeaderResult::Box;
}

template <typename Visit> void Mp4Parser::walkChildren(qint64 start, qint64 end, Visit visit)
{
    // end never lies past the end of the file, so every walk stops there.
    end = qMin(end, fileSize());
    qint64 position = start;
    while (position < end) {
        Box box;
        const HeaderResult result = readBoxHeader(position, box);
        if (result == HeaderResult::Stop)
            break;
        if (result == HeaderResult::ZeroSize) {
            position = skipZeroSizes(position + 8, end);
            continue;
        }
        visit(box);
        position = box.end;
        pause();
    }
}

qint64 Mp4Parser::skipZeroSizes(qint64 position, qint64 end)
{
    // Cameras preallocate their files, so a recording cut short by power loss can end in
    // gigabytes of zeros: step over the 8-byte zero headers a window at a time.
    constexpr qint64 Window = 64 * 1024;
    QByteArray window;
    while (end - position >= 8) {
        const qint64 length = qMin(Window, end - position) & ~qint64(7);
        window.resize(int(length));
        readAt(position, window.data(), length);
        const char *headers = window.constData();
        for (qint64 k = 0; k < length; k += 8) {
            if (qFromUnaligned<quint32>(headers + k) != 0)
                return position + k;
        }
        position += length;
    }
    return position;
}

void Mp4Parser::probeEmbeddedPicture()
{
    if (readU16BE(EmbeddedPictureAt) != JpegStartOfImage)
        return;
    qint64 position = EmbeddedPictureAt + 2;
    const int firstLength = readU16BE(position + 2);
    position += 4 + qMax(firstLength - 2, 0);
    const int secondLength = readU16BE(position + 2);
    position += 4;
    const int dataLength = qMax(secondLength - 2, 0);
    QByteArray data(dataLength, '\0');
    const qint64 got = readAt(position, data.data(), dataLength);
    data.truncate(int(got));
    if (data.contains("JLDV"))
        mKind = GpsSourceKind::JldvAudio;
}

void Mp4Parser::walkTopLevel()
{
    walkChildren(0, fileSize(), [this](const Box &box) {
        if (isType(box.type, "moov")) {
            mFindings.container = true;
            walkChildren(box.payload, box.end, [this](const Box &child) {
                if (isType(child.type, "mvhd"))
                    readMovieHeader(child);
                else if (isType(child.type, "trak"))
                    walkTrack(child);
                else if (isType(child.type, "gps "))
                    readGpsTable(child);
            });
        } else if (isType(box.type, "free")) {
            readFreeBox(box);
        } else if (isType(box.type, "gps0")) {
            // Counted from the declared size even in the 64-bit form (where that overstates
            // by 8 bytes); the decoder stops at the end of the file anyway.
            mKind = GpsSourceKind::Gps0Box;
            mRecordCount = clampToInt32((box.size - 8) / Gps0RecordStride);
            mTableOffset = box.payload;
        }
    });
}

void Mp4Parser::readMovieHeader(const Box &box)
{
    const qint64 p = box.payload;
    mMovieHeader.size = readU32BE(box.start);
    mMovieHeader.type = readU32BE(box.start + 4);
    mMovieHeader.versionFlags = readU32BE(p);
    mMovieHeader.creationTime = readU32BE(p + 4);
    mMovieHeader.modificationTime = readU32BE(p + 8);
    mMovieHeader.timescale = readU32BE(p + 12);
    mMovieHeader.duration = readU32BE(p + 16);
    mMovieHeader.rate = readU32BE(p + 20);
    mMovieHeader.volume = readU16BE(p + 24);
    readAt(p + 26, mMovieHeader.reserved, sizeof mMovieHeader.reserved);
    readAt(p + 36, mMovieHeader.matrix, sizeof mMovieHeader.matrix);
    readAt(p + 72, mMovieHeader.preDefined, sizeof mMovieHeader.preDefined);
    mMovieHeader.nextTrackId = readU32BE(p + 96);
    if (mMovieHeader.timescale != 0)
        mDuration = clampToInt32(mMovieHeader.duration / mMovieHeader.timescale);
}

void Mp4Parser::readGpsTable(const Box &box)
{
    mRecordCount = clampToInt32(readU32BE(box.payload + 4));
    mTableOffset = box.payload + 8;
    mKind = GpsSourceKind::GpsBoxTable;
}

void Mp4Parser::walkTrack(const Box &trak)
{
    Track track;
    walkChildren(trak.payload, trak.end, [this, &track](const Box &box) {
        if (isType(box.type, "tkhd")) {
            track.creationTime = readU32BE(box.payload + 4);
            track.width = qint32(readU32BE(box.payload + 76) >> 16);
            track.height = qint32(readU32BE(box.payload + 80) >> 16);
        } else if (isType(box.type, "mdia")) {
            walkMedia(box, track);
        }
    });
    // The widest video track wins; on a tie the first stays.
    if (track.handler == HandlerKind::Video && track.width > mWidth) {
        mWidth = track.width;
        mHeight = track.height;
        mCodec = mSampleCodec;
        mCreationTime = QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::LocalTime)
                            .addSecs(qint64(track.creationTime));
        mFrameRate = mTrackFrameRate;
    }
}

void Mp4Parser::walkMedia(const Box &mdia, Track &track)
{
    walkChildren(mdia.payload, mdia.end, [this, &track](const Box &box) {
        if (isType(box.type, "hdlr")) {
            readHandler(box, track);
        } else if (isType(box.type, "mdhd")) {
            const bool version1 = (readU32BE(box.payload) >> 24) == 1;
            track.mediaTimescale = readU32BE(box.payload + (version1 ? 20 : 12));
        } else if (isType(box.type, "minf")) {
            walkChildren(box.payload, box.end, [this, &track](const Box &child) {
                if (isType(child.type, "stbl"))
                    walkSampleTable(child, track);
            });
        }
    });
    classifyTrack(track);
}

void Mp4Parser::walkSampleTable(const Box &stbl, Track &track)
{
    walkChildren(stbl.payload, stbl.end, [this, &track](const Box &box) {
        const Track::Table table{box.payload, box.end};
        if (isType(box.type, "stco")) {
            track.chunkCount = clampToInt32(readU32BE(box.payload + 4));
            track.chunkTableOffset = box.payload + 8;
            track.stco = table;
        } else if (isType(box.type, "co64")) {
            track.co64 = table;
        } else if (isType(box.type, "stsc")) {
            track.stsc = table;
        } else if (isType(box.type, "stts")) {
            track.stts = table;
        } else if (isType(box.type, "stsd")) {
            // The version/flags word reads as a zero size and is passed over, so the walk
            // lands on the sample entries.
            walkChildren(box.payload, box.end, [this, &track](const Box &entry) {
                if (track.sampleEntry[0] == '\0')
                    std::memcpy(track.sampleEntry, entry.type, 4);
                if (isType(entry.type, "avc1"))
                    mSampleCodec = CodecH264;
                else if (isType(entry.type, "hvc1"))
                    mSampleCodec = CodecH265;
            });
        } else if (isType(box.type, "stsz")) {
            track.stsz = table;
            readSampleSizes(box);
        }
    });
}

void Mp4Parser::readHandler(const Box &box, Track &track)
{
    char fields[24];
    readAt(box.payload, fields, sizeof fields);
    // The handler type runs up to the first zero byte, so a QuickTime manufacturer code in
    // the reserved field makes it longer than four characters and it classifies as other.
    const char *typeField = fields + 8;
    const int typeLength = int(qstrnlen(typeField, 16));
    const QString type = QString::fromLatin1(typeField, typeLength);
    if (type.compare(QLatin1String("vide"), Qt::CaseInsensitive) == 0)
        track.handler = HandlerKind::Video;
    else if (type.compare(QLatin1String("soun"), Qt::CaseInsensitive) == 0)
        track.handler = HandlerKind::Sound;
    else if (type.compare(QLatin1String("text"), Qt::CaseInsensitive) == 0)
        track.handler = HandlerKind::Text;
    else if (type.compare(QLatin1String("meta"), Qt::CaseInsensitive) == 0)
        track.handler = HandlerKind::Metadata;
    else
        track.handler = HandlerKind::Other;

    const qint64 nameStart = box.payload + qint64(sizeof fields);
    const qint64 nameLength = qBound<qint64>(0, box.end - nameStart, MaxHandlerName);
    QByteArray name(int(nameLength), '\0');
    readAt(nameStart, name.data(), nameLength);
    track.handlerName =
        QString::fromLocal8Bit(name.constData(), int(qstrnlen(name.constData(), uint(nameLength))));
    track.displayName = cleanHandlerName(name);
}

void Mp4Parser::readSampleSizes(const Box &box)
{
    const quint32 samples = readU32BE(box.payload + 8);
    if (samples == 0)
        return;
    // Without a movie duration there is no rate to compute.
    if (mMovieHeader.duration == 0) {
        mTrackFrameRate = 0;
        return;
    }
    const quint32 product = samples * mMovieHeader.timescale;
    const float rate = float(product) / float(mMovieHeader.duration);
    mTrackFrameRate = QString::number(rate, 'f', 1).toFloat();
}

void Mp4Parser::classifyTrack(const Track &track)
{
    const QString &name = track.handlerName;
    const auto has = [&name](const char *text) {
        return name.contains(QLatin1String(text), Qt::CaseInsensitive);
    };
    const bool metadata = track.handler == HandlerKind::Metadata;
    if (metadata || track.handler == HandlerKind::Text) {
        ++mFindings.metadataTracks;
        mFindings.metadataName = track.displayName;
    }
    if (classifyTelemetryTrack(track))
        return;
    if (track.handler == HandlerKind::Sound)
        ++mFindings.soundTracks;
    if (has("Ambarella EXT")) {
        mKind = GpsSourceKind::AmbarellaTrack;
    } else if (metadata && (has("SStarMeta") || has("SS GPS") || has("SSGPS"))) {
        mKind = GpsSourceKind::SStarTrack;
        mHandlerName = name;
    } else if (metadata && has("gps")) {
        mKind = GpsSourceKind::GpsMetaTrack;
    } else if (track.handler == HandlerKind::Sound) {
        const qint64 firstChunk = readU32BE(track.chunkTableOffset);
        for (const qint32 distance : FreeGpsDistances) {
            char marker[8];
            readAt(firstChunk + distance, marker, sizeof marker);
            if (std::memcmp(marker, "freeGPS", 7) == 0) {
                mKind = GpsSourceKind::FreeGpsAudio;
                mMarkerOffset = distance;
                mTableOffset = track.chunkTableOffset;
                mRecordCount = track.chunkCount;
                break;
            }
        }
        if (mKind == GpsSourceKind::JldvAudio) {
            mTableOffset = track.chunkTableOffset;
            mRecordCount = track.chunkCount;
        }
        return;
    } else {
        return;
    }
    mTableOffset = track.chunkTableOffset;
    mRecordCount = track.chunkCount;
}

void Mp4Parser::readFreeBox(const Box &free)
{
    // BlackVue keeps its NMEA log in a "gps " box and its accelerometer records in a "3gf "
    // box, both inside the top-level "free" box (as the real files of these cameras hold).
    StreamSample gps;
    StreamSample accel;
    walkChildren(free.payload, free.end, [&](const Box &box) {
        StreamSample *target =
            isType(box.type, "gps ") ? &gps : isType(box.type, "3gf ") ? &accel : nullptr;
        if (!target)
            return;
        target->offset = box.payload;
        target->size = clampToInt32(quint64(box.end - box.payload));
    });
    if (gps.size > 0 || accel.size > 0) {
        mKind = GpsSourceKind::BlackVueBoxes;
        mBlackVueGps = gps;
        mBlackVue3gf = accel;
    }
}
