#pragma once

// Hand-made telemetry shaped like the public examples of each format.

#include "fixtures.h"

#include <QDateTime>

namespace TelemetryFixture {
using namespace Fixture;

// GPMF item: key, type, structure size, repeat, data padded to four bytes.
inline QByteArray klv(const char *key, char type, int structSize, int repeat,
                      const QByteArray &data)
{
    QByteArray item = QByteArray(key, 4) + type + char(structSize) + be16(quint16(repeat)) + data;
    while (item.size() % 4)
        item += '\0';
    return item;
}

inline QByteArray nest(const char *key, const QByteArray &children)
{
    return klv(key, '\0', 1, children.size(), children);
}

// One second of a HERO5-like device: GPS5 at `fixes` per second starting at (lat, lon)
// and moving north by `step` degrees per fix, ACCL at `accels` per second reading
// (z, x, y) = (9.80665, 0, 0) m/s^2 scaled by 418.
inline QByteArray gpmfSecond(const QByteArray &gpsu, double lat, double lon, double step,
                             int fixes, int accels, int gpsFix = 3)
{
    QByteArray gps;
    for (int k = 0; k < fixes; ++k) {
        gps += be32(quint32(qint32(qRound((lat + k * step) * 1e7))));
        gps += be32(quint32(qint32(qRound(lon * 1e7))));
        gps += be32(quint32(15600));  // 15.6 m
        gps += be32(quint32(10000));  // 10 m/s
        gps += be32(quint32(10000));
    }
    const QByteArray scal = be32(10000000) + be32(10000000) + be32(1000) + be32(1000) + be32(100);
    const QByteArray gpsStream =
        nest("STRM", klv("STNM", 'c', 1, 3, "GPS") + klv("GPSF", 'L', 4, 1, be32(quint32(gpsFix))) +
                         klv("GPSU", 'U', 16, 1, gpsu) + klv("SCAL", 'l', 4, 5, scal) +
                         klv("GPS5", 'l', 20, fixes, gps));
    QByteArray acc;
    for (int k = 0; k < accels; ++k)
        acc += be16(quint16(qint16(qRound(9.80665 * 418)))) + be16(0) + be16(0);
    const QByteArray accStream =
        nest("STRM", klv("SCAL", 's', 2, 1, be16(418)) + klv("ACCL", 's', 6, accels, acc));
    return nest("DEVC", klv("DVID", 'L', 4, 1, be32(1)) + klv("DVNM", 'c', 1, 6, "Camera") +
                            gpsStream + accStream);
}

inline QByteArray mdhd(quint32 timescale)
{
    return box("mdhd", be32(0) + be32(0) + be32(0) + be32(timescale) + be32(0) + be32(0));
}

// A track of one sample per chunk, each `delta` ticks of `timescale`.
inline QByteArray sampleTrack(const char *handler, const QByteArray &name, const char *entry,
                              const QList<quint32> &offsets, const QList<quint32> &sizes,
                              quint32 timescale, quint32 delta)
{
    QByteArray sizeTable = be32(0) + be32(0) + be32(quint32(sizes.size()));
    for (quint32 s : sizes)
        sizeTable += be32(s);
    const QByteArray stsc = box("stsc", be32(0) + be32(1) + be32(1) + be32(1) + be32(1));
    const QByteArray stts =
        box("stts", be32(0) + be32(1) + be32(quint32(sizes.size())) + be32(delta));
    const QByteArray stbl = stsd(entry) + stts + stsc + box("stsz", sizeTable) + stco(offsets);
    return box("trak", tkhd(0, 0) +
                           box("mdia", mdhd(timescale) + hdlr(handler, name) +
                                           box("minf", box("stbl", stbl))));
}

// An MP4 whose only track carries the samples.
inline QByteArray telemetryFile(const char *handler, const QByteArray &name, const char *entry,
                                const QList<QByteArray> &samples, quint32 timescale = 1000,
                                quint32 delta = 1000)
{
    QList<quint32> sizes;
    for (const QByteArray &s : samples)
        sizes << quint32(s.size());
    return mp4WithChunks(samples, [&](const QList<quint32> &offsets) {
        const quint32 duration = quint32(samples.size()) * delta;
        return box("moov", mvhd(timescale, duration) +
                               sampleTrack(handler, name, entry, offsets, sizes, timescale, delta));
    });
}

inline QByteArray withChecksum(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return "$" + body + "*" + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper();
}

} // namespace TelemetryFixture
