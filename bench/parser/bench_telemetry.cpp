// Time to read a 30-minute GoPro-like telemetry track (one GPMF sample a second, GPS5 at
// 18 Hz and ACCL at 200 Hz: 32,400 fixes and 360,000 accelerometer samples) from memory,
// through the MP4 reader, down to the player's one record per second; and the same minutes of
// a BlackVue NMEA log with its 3gf records (10 Hz).

#include "parser/mp4parser.h"
#include "parser/nmea.h"
#include "parser/recordingscan.h"

#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

constexpr int Minutes = 30;

QByteArray be(quint32 v, int bytes)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, reinterpret_cast<uchar *>(b.data()));
    return b.right(bytes);
}

QByteArray box(const char *type, const QByteArray &payload)
{
    return be(quint32(payload.size() + 8), 4) + QByteArray(type, 4) + payload;
}

QByteArray klv(const char *key, char type, int structSize, int repeat, const QByteArray &data)
{
    QByteArray item = QByteArray(key, 4) + type + char(structSize) + be(quint32(repeat), 2) + data;
    while (item.size() % 4)
        item += '\0';
    return item;
}

QByteArray gpmfSecond(int second)
{
    QByteArray gps;
    for (int k = 0; k < 18; ++k) {
        const int step = second * 18 + k;
        gps += be(quint32(331253800 + step * 30), 4) + be(quint32(-1173310700 + step * 20), 4) +
               be(15600, 4) + be(1500, 4) + be(1510, 4);
    }
    QByteArray accl;
    for (int k = 0; k < 200; ++k)
        accl += be(4099, 2) + be(quint32(k % 40), 2) + be(quint32(-30), 2);
    const QByteArray scal = be(10000000, 4) + be(10000000, 4) + be(1000, 4) + be(1000, 4) + be(100, 4);
    const QByteArray gpsStream = klv("GPSF", 'L', 4, 1, be(3, 4)) +
                                 klv("GPSU", 'U', 16, 1, "170417192758.000") +
                                 klv("SCAL", 'l', 4, 5, scal) + klv("GPS5", 'l', 20, 18, gps);
    const QByteArray acclStream = klv("SCAL", 's', 2, 1, be(418, 2)) + klv("ACCL", 's', 6, 200, accl);
    const QByteArray devc = klv("STRM", '\0', 1, gpsStream.size(), gpsStream) +
                            klv("STRM", '\0', 1, acclStream.size(), acclStream);
    return klv("DEVC", '\0', 1, devc.size(), devc);
}

// ftyp, mdat with one sample a second, moov with the gpmd track's tables.
QByteArray goProRecording()
{
    const int seconds = Minutes * 60;
    QByteArray file = box("ftyp", QByteArray("mp42") + be(0, 4));
    QByteArray mdat;
    QByteArray offsets;
    QByteArray sizes;
    for (int s = 0; s < seconds; ++s) {
        const QByteArray sample = gpmfSecond(s);
        offsets += be(quint32(file.size() + 8 + mdat.size()), 4);
        sizes += be(quint32(sample.size()), 4);
        mdat += sample;
    }
    file += box("mdat", mdat);
    const QByteArray mvhd = box("mvhd", be(0, 4) + be(0, 4) + be(0, 4) + be(1000, 4) +
                                            be(quint32(seconds * 1000), 4) + QByteArray(80, '\0'));
    const QByteArray stbl =
        box("stsd", be(0, 4) + be(1, 4) + box("gpmd", QByteArray(8, '\0'))) +
        box("stts", be(0, 4) + be(1, 4) + be(quint32(seconds), 4) + be(1001, 4)) +
        box("stsc", be(0, 4) + be(1, 4) + be(1, 4) + be(1, 4) + be(1, 4)) +
        box("stsz", be(0, 4) + be(0, 4) + be(quint32(seconds), 4) + sizes) +
        box("stco", be(0, 4) + be(quint32(seconds), 4) + offsets);
    const QByteArray mdia =
        box("mdhd", be(0, 4) + be(0, 4) + be(0, 4) + be(1000, 4) + be(0, 4) + be(0, 4)) +
        box("hdlr", be(0, 4) + be(0, 4) + "meta" + QByteArray(12, '\0') + "\tGoPro MET") +
        box("minf", box("stbl", stbl));
    return file + box("moov", mvhd + box("trak", box("mdia", mdia)));
}

void goProTrack(benchmark::State &state)
{
    const QByteArray file = goProRecording();
    qint64 fixes = 0;
    for (auto _ : state) {
        Mp4Parser parser(std::make_unique<MemoryByteSource>(file));
        const QList<GpsData> track = decodeTrack(parser);
        benchmark::DoNotOptimize(track.size());
        fixes = parser.telemetry().fixes.size();
    }
    state.counters["fixes"] = double(fixes);
    state.counters["bytes"] = double(file.size());
}

void blackVueLog(benchmark::State &state)
{
    QByteArray log;
    QByteArray records;
    const qint64 base = 1499590012688;
    for (int s = 0; s < Minutes * 60; ++s) {
        const QTime t = QTime(5, 46, 52).addSecs(s);
        const QByteArray body = "GPRMC," + t.toString("hhmmss").toLatin1() +
                                ".00,A,5355.77140,N,02729.48621,E,12.5,87.0,090717,,,A";
        quint8 sum = 0;
        for (char c : body)
            sum ^= quint8(c);
        log += "[" + QByteArray::number(base + s * 1000) + "]$" + body + "*" +
               QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + "\n";
        for (int k = 0; k < 10; ++k)
            records += be(quint32(s * 1000 + k * 100), 4) + be(130, 2) + be(2, 2) + be(7, 2);
    }
    for (auto _ : state) {
        NmeaReader nmea;
        nmea.addBlackVueLog(log);
        Telemetry t = nmea.finish();
        NmeaReader::addBlackVueAccel(records, t);
        benchmark::DoNotOptimize(perSecondTrack(t).size());
    }
}

} // namespace

BENCHMARK(goProTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(blackVueLog)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
