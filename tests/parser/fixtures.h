#pragma once

// Byte-level fixtures for edge cases the recording simulator does not write on purpose.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

namespace Fixture {

inline QByteArray be16(quint16 v)
{
    QByteArray b(2, '\0');
    qToBigEndian(v, b.data());
    return b;
}
inline QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}
inline QByteArray be64(quint64 v)
{
    QByteArray b(8, '\0');
    qToBigEndian(v, b.data());
    return b;
}
inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray box(const char *type, const QByteArray &payload)
{
    return be32(quint32(payload.size() + 8)) + QByteArray(type, 4) + payload;
}
inline QByteArray box64(const char *type, const QByteArray &payload)
{
    return be32(1) + QByteArray(type, 4) + be64(quint64(payload.size()) + 16) + payload;
}

// Movie header, version 0: only timescale and duration matter.
inline QByteArray mvhd(quint32 timescale, quint32 duration)
{
    QByteArray p = be32(0) + be32(0) + be32(0) + be32(timescale) + be32(duration);
    p += QByteArray(100 - p.size(), '\0');
    return box("mvhd", p);
}

inline QByteArray tkhd(int width, int height, quint32 creationTime = 0)
{
    QByteArray p = be32(0) + be32(creationTime);
    p += QByteArray(76 - p.size(), '\0');
    p += be32(quint32(width) << 16) + be32(quint32(height) << 16);
    return box("tkhd", p);
}

// reserved: the 12 bytes after the handler type (QuickTime puts a manufacturer code first).
inline QByteArray hdlr(const char *type, const QByteArray &name,
                       const QByteArray &reserved = QByteArray(12, '\0'))
{
    return box("hdlr", be32(0) + be32(0) + QByteArray(type, 4) + reserved + name + '\0');
}

inline QByteArray stco(const QList<quint32> &offsets)
{
    QByteArray p = be32(0) + be32(quint32(offsets.size()));
    for (quint32 o : offsets)
        p += be32(o);
    return box("stco", p);
}

inline QByteArray stsz(quint32 samples)
{
    return box("stsz", be32(0) + be32(0) + be32(samples) + QByteArray(int(samples) * 4, '\0'));
}

inline QByteArray stsd(const char *entry)
{
    return box("stsd", be32(0) + be32(1) + box(entry, QByteArray(78, '\0')));
}

// trak > (tkhd, mdia > (hdlr, minf > stbl > extra))
inline QByteArray trak(const char *handlerType, const QByteArray &name, const QByteArray &stbl,
                       int width = 0, int height = 0, quint32 creationTime = 0,
                       const QByteArray &reserved = QByteArray(12, '\0'))
{
    return box("trak",
               tkhd(width, height, creationTime) +
                   box("mdia", hdlr(handlerType, name, reserved) + box("minf", box("stbl", stbl))));
}

struct Fix
{
    QByteArray dateTime = "20240517083000";
    char latHemisphere = 'N';
    QByteArray latDigits = "22323520";
    char lonHemisphere = 'E';
    QByteArray lonDigits = "113561234";
    QByteArray extraNumber = "00042";
    QByteArray speed = "057";
    QByteArray gsensor = "+012-105+098";
};

// One 312-byte record as the cameras store it: bytes 2..311 masked with 0x5A.
inline QByteArray record(const Fix &fix)
{
    QByteArray r(312, ' ');
    r[0] = 'G';
    r[1] = 'P';
    const auto put = [&r](int at, const QByteArray &text) { r.replace(at, text.size(), text); };
    put(8, fix.dateTime.left(14));
    r[22] = 'A';
    put(23, QByteArray("EXTRA-TEXT-14c"));
    r[37] = 'B';
    r[38] = fix.latHemisphere;
    put(39, fix.latDigits.left(8));
    r[47] = fix.lonHemisphere;
    put(48, fix.lonDigits.left(9));
    put(57, fix.extraNumber.left(5));
    put(62, fix.speed.left(3));
    put(173, fix.gsensor.left(12));
    for (int i = 2; i < 312; ++i)
        r[i] = char(quint8(r[i]) ^ 0x5A);
    return r;
}

// Latitude/longitude digits for decimal degrees in the minutes-with-four-decimals form.
inline Fix fixAt(double latitude, double longitude)
{
    Fix fix;
    fix.latHemisphere = latitude < 0 ? 'S' : 'N';
    fix.lonHemisphere = longitude < 0 ? 'W' : 'E';
    const auto digits = [](double value, int degreeWidth) {
        value = qAbs(value);
        const int degrees = int(value);
        const int minutes = qRound((value - degrees) * 60 * 10000);
        return QByteArray::number(degrees).rightJustified(degreeWidth, '0') +
               QByteArray::number(minutes).rightJustified(6, '0');
    };
    fix.latDigits = digits(latitude, 2);
    fix.lonDigits = digits(longitude, 3);
    return fix;
}

// A top-level "gps0" box holding the records 311 bytes apart (one more record than it
// yields, as a table of N entries gives N-1 records).
inline QByteArray gps0File(const QList<QByteArray> &records, quint32 timescale = 1000,
                           quint32 duration = 0)
{
    QByteArray payload;
    for (const QByteArray &r : records)
        payload += r.left(311);
    QByteArray file = box("ftyp", QByteArray("isom") + be32(0));
    if (duration)
        file += box("moov", mvhd(timescale, duration));
    return file + box("gps0", payload);
}

// ftyp + optional prefix boxes + mdat holding the chunks + the moov that moov(offsets) makes
// from the chunks' file offsets.
inline QByteArray mp4WithChunks(const QList<QByteArray> &chunks,
                                const std::function<QByteArray(const QList<quint32> &)> &moov,
                                const QByteArray &prefix = QByteArray())
{
    QByteArray file = box("ftyp", QByteArray("isom") + be32(0)) + prefix;
    QList<quint32> offsets;
    QByteArray mdat;
    for (const QByteArray &c : chunks) {
        offsets << quint32(file.size() + 8 + mdat.size());
        mdat += c;
    }
    return file + box("mdat", mdat) + moov(offsets);
}

// A "free" box that puts a JPEG at offset 512 (right behind a 16-byte ftyp) whose second
// marker segment carries the "JLDV" tag.
inline QByteArray jldvPicture(const QByteArray &tag = "JLDV")
{
    const QByteArray data = "xx" + tag + "yy";
    const QByteArray jpeg = be16(0xFFD8) + be16(0xFFE0) + be16(16) + QByteArray(14, '\0') +
                            be16(0xFFE1) + be16(quint16(data.size() + 2)) + data;
    return box("free", QByteArray(512 - 24, '\0') + jpeg);
}

// A JLDV recording: record i (i >= 1) sits 8194 bytes into sound chunk i - 1.
inline QByteArray jldvFile(const QList<QByteArray> &records, bool soundTrack = true)
{
    QList<QByteArray> chunks;
    for (int i = 1; i < records.size(); ++i)
        chunks << QByteArray(8194, '\0') + records[i];
    chunks << QByteArray(8194 + 312, '\0');
    return mp4WithChunks(
        chunks,
        [soundTrack](const QList<quint32> &offsets) {
            const QByteArray track = soundTrack ? trak("soun", "SoundHandler", stco(offsets))
                                                : trak("vide", "VideoHandler", stco({}), 1280, 720);
            return box("moov", mvhd(1000, quint32(offsets.size()) * 500) + track);
        },
        jldvPicture());
}

inline QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return path;
}

// RIFF/AVI pieces.
inline QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray c = QByteArray(id, 4) + le32(quint32(data.size())) + data;
    if (data.size() % 2)
        c += '\0';
    return c;
}
inline QByteArray list(const char *type, const QByteArray &content)
{
    return QByteArray("LIST") + le32(quint32(content.size() + 4)) + QByteArray(type, 4) + content;
}
inline QByteArray avih(quint32 usPerFrame, quint32 frames, quint32 width, quint32 height,
                       int size = 56)
{
    QByteArray h = le32(usPerFrame) + le32(0) + le32(0) + le32(0) + le32(frames) + le32(0) +
                   le32(0) + le32(0) + le32(width) + le32(height);
    h += QByteArray(qMax(size, 40) - h.size(), '\0');
    return chunk("avih", h.left(size));
}
inline QByteArray riff(const QByteArray &content)
{
    return QByteArray("RIFF") + le32(quint32(content.size() + 4)) + QByteArray("AVI ") + content;
}

} // namespace Fixture
