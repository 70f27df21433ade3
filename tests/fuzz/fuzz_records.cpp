// Record decoding and length fitting alone: the locator a reader would have found comes from
// the fuzzer's bytes, so every arrangement's table arithmetic, the field decoding, the course
// and the fitting to the recording's length see arbitrary numbers.
//
// Input: u8 kind, u8 flags, i16 duration x 16, u32 record count, u32 table offset, i32 marker
// offset, u8 number of AVI audio chunks, their u32 offsets, then the recording as in
// fuzzinput.h (at most 128 KiB here). Flag 1: the handler is "SS GPS"; flag 2: the duration is a further i32.
#include "fuzzinput.h"

namespace {

constexpr GpsSourceKind Kinds[] = {
    GpsSourceKind::GpsNone,        GpsSourceKind::AmbarellaTrack, GpsSourceKind::GpsBoxTable,
    GpsSourceKind::FreeGpsAudio,   GpsSourceKind::Gps0Box,        GpsSourceKind::SStarTrack,
    GpsSourceKind::GpsMetaTrack,   GpsSourceKind::AviGpslBlock,   GpsSourceKind::AviAudioChunks,
    GpsSourceKind::JldvAudio,      GpsSourceKind(6),
};

struct Locator
{
    GpsSourceKind kind = GpsSourceKind::GpsNone;
    int duration = 0;
    qint32 recordCount = 0;
    qint64 tableOffset = 0;
    qint32 markerOffset = 0;
    bool ssGps = false;
    QVector<qint64> audioChunkOffsets;

    explicit Locator(FuzzInput::Cursor &input)
    {
        kind = Kinds[input.u8() % (sizeof Kinds / sizeof Kinds[0])];
        const quint8 flags = input.u8();
        // In sixteenths, so that padding a track stays cheap unless flag 2 asks for more.
        duration = qint16(input.u16()) / 16;
        recordCount = qint32(input.u32());
        tableOffset = input.u32();
        markerOffset = qint32(input.u32());
        ssGps = flags & 1;
        if (flags & 2)
            duration = qint32(input.u32());
        for (int chunks = input.u8(); chunks > 0; --chunks)
            audioChunkOffsets.append(input.u32());
    }
};

class RecordReader : public ParserObject
{
public:
    RecordReader(const Locator &locator, std::unique_ptr<ByteSource> source)
        : ParserObject(std::move(source))
    {
        mKind = locator.kind;
        mRecordCount = locator.recordCount;
        mTableOffset = locator.tableOffset;
        mMarkerOffset = locator.markerOffset;
        if (locator.ssGps)
            mHandlerName = QStringLiteral("SS GPS");
        mAudioChunkOffsets = locator.audioChunkOffsets;
    }
};

} // namespace

// Room for an AVI audio record (64 KiB into its chunk); a bigger file only makes the tables
// longer, and decoding tens of thousands of records per input slows the search down.
constexpr qint64 RecordsFileSize = 128 * 1024;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace FuzzInput;
    setUpOnce();
    Cursor input(data, size);
    const Locator locator(input);
    RecordReader reader(locator, std::make_unique<MemoryByteSource>(recording(input, RecordsFileSize)));
    const QList<GpsData> raw = decodeTrack(reader);
    checkTrack(reader, raw);

    QList<GpsData> track = raw;
    fitTrackToDuration(track, locator.duration, locator.kind);
    if (raw.isEmpty() || locator.kind == GpsSourceKind::JldvAudio) {
        check(track.size() == raw.size());
        return 0;
    }
    // One record per second from 0 to the duration: cut, or padded with the last record.
    const qint64 wanted =
        std::min<qint64>(std::max(locator.duration, 0) + qint64(1), ParserObject::MaxRecords);
    check(track.size() == wanted);
    const int kept = int(std::min<qint64>(raw.size(), wanted));
    check(std::equal(track.begin(), track.begin() + kept, raw.begin(),
                     [](const GpsData &a, const GpsData &b) { return a.index == b.index; }));
    check(track.last().index == raw.at(kept - 1).index);
    return 0;
}
