#include "parser/mp4parser.h"

#include <cstring>

// Telemetry tracks and boxes of the MP4 walk. The sample tables are the ISO base media file
// format's (ISO/IEC 14496-12: stsz sizes, stsc chunk runs, stco/co64 chunk offsets, stts
// durations); "gpmd" is GoPro's sample entry for GPMF (GoPro's GPMF format description,
// "MP4 implementation"); "tx3g" and "text" are the 3GPP and QuickTime text sample entries.

namespace {

// A day of one sample per frame at 12 fps; more can only come from a damaged table, and the
// list must not exhaust memory.
constexpr quint32 MaxStreamSamples = 1u << 20;
// How many leading samples of a text track are looked at for NMEA sentences.
constexpr int TextProbeSamples = 8;

bool isType(const char *type, const char *expected)
{
    return std::memcmp(type, expected, 4) == 0;
}

} // namespace

QString Mp4Parser::cleanHandlerName(const QByteArray &raw)
{
    QByteArray name = raw;
    // QuickTime writes the name as a counted string: a length byte, then the text (seen as
    // "\tGoPro SOS"); ISO files write it zero-terminated, some padded with blanks.
    if (!name.isEmpty() && quint8(name.at(0)) < 0x20 && quint8(name.at(0)) < name.size())
        name = name.mid(1, quint8(name.at(0)));
    const int zero = name.indexOf('\0');
    if (zero >= 0)
        name.truncate(zero);
    return QString::fromLocal8Bit(name).trimmed();
}

QVector<ParserObject::StreamSample> Mp4Parser::readSampleTable(const Track &t)
{
    QVector<StreamSample> samples;
    if (t.stsz.payload < 0 || (t.stco.payload < 0 && t.co64.payload < 0))
        return samples;

    const quint32 defaultSize = readU32BE(t.stsz.payload + 4);
    quint64 count = readU32BE(t.stsz.payload + 8);
    if (defaultSize == 0)
        count = qMin<quint64>(count, quint64(qMax<qint64>(t.stsz.end - t.stsz.payload - 12, 0)) / 4);
    else
        count = qMin<quint64>(count, quint64(fileSize()) / defaultSize);
    count = qMin<quint64>(count, MaxStreamSamples);

    const bool wide = t.co64.payload >= 0;
    const Track::Table &chunks = wide ? t.co64 : t.stco;
    const int entrySize = wide ? 8 : 4;
    const quint64 chunkCount =
        qMin<quint64>(readU32BE(chunks.payload + 4),
                      quint64(qMax<qint64>(chunks.end - chunks.payload - 8, 0)) / entrySize);
    quint64 runCount = 0;
    if (t.stsc.payload >= 0)
        runCount = qMin<quint64>(readU32BE(t.stsc.payload + 4),
                                 quint64(qMax<qint64>(t.stsc.end - t.stsc.payload - 8, 0)) / 12);

    samples.reserve(int(qMin<quint64>(count, chunkCount * 64)));
    quint64 sample = 0;
    quint64 run = 0;
    quint64 perChunk = 1; // without a table, one sample per chunk
    for (quint64 chunk = 0; chunk < chunkCount && sample < count; ++chunk) {
        // Samples in this chunk: the last run whose first chunk (1-based) is not past it.
        // The runs are walked once alongside the chunks: a damaged table of many runs and
        // many chunks must not cost their product.
        while (run < runCount && readU32BE(t.stsc.payload + 8 + qint64(run) * 12) <= chunk + 1) {
            perChunk = readU32BE(t.stsc.payload + 12 + qint64(run) * 12);
            ++run;
        }
        qint64 offset = wide ? qint64(readU64BE(chunks.payload + 8 + qint64(chunk) * 8) &
                                      0x7fffffffffffffffULL)
                             : qint64(readU32BE(chunks.payload + 8 + qint64(chunk) * 4));
        for (quint64 k = 0; k < perChunk && sample < count; ++k, ++sample) {
            StreamSample s;
            s.offset = offset;
            const quint32 size =
                defaultSize != 0 ? defaultSize : readU32BE(t.stsz.payload + 12 + qint64(sample) * 4);
            s.size = clampToInt32(size);
            offset += size;
            samples.append(s);
        }
    }

    // Times from the durations table; a track without one plays a second per sample.
    const double timescale = t.mediaTimescale != 0 ? double(t.mediaTimescale) : 1.0;
    double clock = 0;
    int next = 0;
    if (t.stts.payload >= 0) {
        const quint64 runs = qMin<quint64>(readU32BE(t.stts.payload + 4),
                                           quint64(qMax<qint64>(t.stts.end - t.stts.payload - 8, 0)) / 8);
        for (quint64 r = 0; r < runs && next < samples.size(); ++r) {
            const quint32 n = readU32BE(t.stts.payload + 8 + qint64(r) * 8);
            const double delta = readU32BE(t.stts.payload + 12 + qint64(r) * 8) / timescale;
            for (quint32 k = 0; k < n && next < samples.size(); ++k, ++next) {
                samples[next].start = clock;
                samples[next].duration = delta;
                clock += delta;
            }
        }
    }
    for (; next < samples.size(); ++next) {
        samples[next].start = clock;
        samples[next].duration = t.stts.payload >= 0 ? 0 : 1;
        clock += samples[next].duration;
    }
    return samples;
}

bool Mp4Parser::classifyTelemetryTrack(const Track &track)
{
    if (isType(track.sampleEntry, "gpmd")) {
        mKind = GpsSourceKind::GoProGpmf;
        mStreamSamples = readSampleTable(track);
        mHandlerName = track.displayName;
        return true;
    }
    const bool textEntry = isType(track.sampleEntry, "tx3g") || isType(track.sampleEntry, "text");
    if (!textEntry || mKind != GpsSourceKind::GpsNone)
        return false;
    QVector<StreamSample> samples = readSampleTable(track);
    for (int i = 0; i < qMin(samples.size(), TextProbeSamples); ++i) {
        const StreamSample &s = samples[i];
        QByteArray head(qBound(0, s.size, 256), '\0');
        readAt(s.offset, head.data(), head.size());
        if (head.contains("$GP") || head.contains("$GN")) {
            mKind = GpsSourceKind::NmeaTextTrack;
            mStreamSamples = samples;
            mHandlerName = track.displayName;
            return true;
        }
    }
    return false;
}
