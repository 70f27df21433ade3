#include "tools/simulator/telemetrywriter.h"

#include <QtMath>

// The samples the telemetry cameras write, from the simulator's one fix a second:
// - GoPro: GPMF as GoPro's GPMF format description shows it (DEVC > STRM, GPSF, GPSU as
//   "yymmddhhmmss.sss", SCAL of five values, GPS5 at 18 Hz; ACCL at 200 Hz in the HERO5's
//   Z, X, Y order, m/s^2 scaled by 418), like the real HERO5 file's camera device;
// - NMEA subtitle samples as the real Datakam track holds them (16-bit length, then $GNRMC
//   and $GPGGA), with a "$GS,x,y,z" G-sensor line;
// - BlackVue's "[unix ms]$GPRMC..." log and 10-byte 3gf records (128 = 1 g), as the real
//   BlackVue pair holds them.

namespace Simulator {
namespace {

constexpr int GpsPerSecond = 18;
constexpr int AcclPerSecond = 200;
constexpr double AcclScale = 418;
constexpr double Gravity = 9.80665;
constexpr int BlackVueAccelPerSecond = 10;

QByteArray klv(const char *key, char type, int structSize, int repeat, const QByteArray &data)
{
    Bytes item;
    item.tag(key).u8(quint8(type)).u8(quint8(structSize)).u16(quint32(repeat)).raw(data);
    QByteArray bytes = item.data();
    while (bytes.size() % 4)
        bytes += '\0';
    return bytes;
}

QByteArray nest(const char *key, const QByteArray &children)
{
    return klv(key, '\0', 1, children.size(), children);
}

Fix between(const Fix &a, const Fix &b, double t)
{
    Fix f = a;
    f.latitude = a.latitude + (b.latitude - a.latitude) * t;
    f.longitude = a.longitude + (b.longitude - a.longitude) * t;
    f.speed = int(qRound(a.speed + (b.speed - a.speed) * t));
    return f;
}

QByteArray nmeaCoordinate(double value, int degreeDigits)
{
    const double magnitude = qAbs(value);
    const int degrees = int(magnitude);
    const double minutes = (magnitude - degrees) * 60.0;
    return QByteArray::number(degrees).rightJustified(degreeDigits, '0') +
           QByteArray::number(minutes, 'f', 6).rightJustified(9, '0');
}

QByteArray sentence(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return "$" + body + "*" + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper();
}

QDateTime utcOf(const Fix &fix)
{
    return fix.time.isValid() ? fix.time.toUTC() : QDateTime(QDate(2024, 5, 17), QTime(8, 30), Qt::UTC);
}

} // namespace

QByteArray rmcSentence(const Fix &fix, const char *talker)
{
    const QDateTime utc = utcOf(fix);
    return sentence(QByteArray(talker) + "RMC," + utc.toString("hhmmss.zzz").toLatin1() + ",A," +
                    nmeaCoordinate(fix.latitude, 2) + (fix.latitude < 0 ? ",S," : ",N,") +
                    nmeaCoordinate(fix.longitude, 3) + (fix.longitude < 0 ? ",W," : ",E,") +
                    QByteArray::number(fix.speed / 1.852, 'f', 2) + ",," +
                    utc.toString("ddMMyy").toLatin1() + ",,,A");
}

QByteArray gpmfSample(const Recording &r, int k)
{
    const Fix &fix = r.track.at(k);
    const Fix &next = r.track.at(qMin(k + 1, r.track.size() - 1));
    Bytes gps;
    for (int n = 0; n < GpsPerSecond; ++n) {
        const Fix f = between(fix, next, double(n) / GpsPerSecond);
        gps.u32(quint32(qint32(qRound(f.latitude * 1e7))))
            .u32(quint32(qint32(qRound(f.longitude * 1e7))))
            .u32(quint32(qint32(15600)))
            .u32(quint32(qRound(f.speed / 3.6 * 1000)))
            .u32(quint32(qRound(f.speed / 3.6 * 1000)));
    }
    const QByteArray scal = Bytes().u32(10000000).u32(10000000).u32(1000).u32(1000).u32(1000).data();
    const QByteArray gpsu = utcOf(fix).toString("yyMMddhhmmss.zzz").toLatin1();
    const QByteArray gpsStream =
        nest("STRM", klv("STNM", 'c', 1, 3, "GPS") + klv("GPSF", 'L', 4, 1, Bytes().u32(3).data()) +
                         klv("GPSU", 'U', 16, 1, gpsu) + klv("SCAL", 'l', 4, 5, scal) +
                         klv("GPS5", 'l', 20, GpsPerSecond, gps.data()));
    Bytes accl;
    const auto ms2 = [](float g) { return quint32(qint16(qRound(g * Gravity * AcclScale))); };
    for (int n = 0; n < AcclPerSecond; ++n)
        accl.u16(ms2(fix.gsensorZ)).u16(ms2(fix.gsensorX)).u16(ms2(fix.gsensorY));
    const QByteArray acclStream =
        nest("STRM", klv("SCAL", 's', 2, 1, Bytes().u16(quint32(AcclScale)).data()) +
                         klv("ACCL", 's', 6, AcclPerSecond, accl.data()));
    return nest("DEVC", klv("DVID", 'L', 4, 1, Bytes().u32(1).data()) +
                            klv("DVNM", 'c', 1, 6, "Camera") + gpsStream + acclStream);
}

QByteArray nmeaSample(const Recording &r, int k)
{
    const Fix &fix = r.track.at(k);
    const QDateTime utc = utcOf(fix);
    const QByteArray gga =
        sentence("GPGGA," + utc.toString("hhmmss.zzz").toLatin1() + "," +
                 nmeaCoordinate(fix.latitude, 2) + (fix.latitude < 0 ? ",S," : ",N,") +
                 nmeaCoordinate(fix.longitude, 3) + (fix.longitude < 0 ? ",W," : ",E,") +
                 "1,12,0.86,273.7,M,-7.0,M,,");
    const QByteArray text = rmcSentence(fix, "GN") + "\r\n" + gga + "\r\n$GS," +
                            QByteArray::number(fix.gsensorX, 'f', 2) + "," +
                            QByteArray::number(fix.gsensorY, 'f', 2) + "," +
                            QByteArray::number(fix.gsensorZ, 'f', 2) + "\r\n";
    return Bytes().u16(quint32(text.size())).raw(text).data();
}

QByteArray blackVueLog(const Recording &r)
{
    QByteArray log;
    for (const Fix &fix : r.track) {
        const qint64 ms = utcOf(fix).toMSecsSinceEpoch();
        log += "[" + QByteArray::number(ms) + "]" + rmcSentence(fix, "GP") + "\r\n";
    }
    return log;
}

QByteArray blackVue3gf(const Recording &r)
{
    Bytes records;
    const auto axis = [](float g) { return quint32(qint16(qRound(g * 128))); };
    for (int k = 0; k < r.track.size(); ++k) {
        const Fix &fix = r.track.at(k);
        for (int n = 0; n < BlackVueAccelPerSecond; ++n) {
            records.u32(quint32(k * 1000 + n * 1000 / BlackVueAccelPerSecond))
                .u16(axis(fix.gsensorZ))
                .u16(axis(fix.gsensorX))
                .u16(axis(fix.gsensorY));
        }
    }
    return records.data();
}

namespace {
QByteArray hemisphere(double value, char positive, char negative)
{
    return QByteArray(1, value < 0 ? negative : positive);
}

// The BlackVue receiver's style: ddmm.mmmmm, dddmm.mmmmm.
QByteArray minutes5(double value, int degreeDigits)
{
    const double magnitude = qAbs(value);
    const int degrees = int(magnitude);
    return QByteArray::number(degrees).rightJustified(degreeDigits, '0') +
           QByteArray::number((magnitude - degrees) * 60.0, 'f', 5).rightJustified(8, '0');
}
} // namespace

QByteArray blackVueSidecarLog(const Recording &r)
{
    QByteArray log;
    for (const Fix &fix : r.track) {
        const QDateTime utc = utcOf(fix);
        const QByteArray stamp = "[" + QByteArray::number(utc.toMSecsSinceEpoch()) + "]";
        const QByteArray time = utc.toString("hhmmss").toLatin1() + ".00";
        const QByteArray lat = minutes5(fix.latitude, 2) + "," + hemisphere(fix.latitude, 'N', 'S');
        const QByteArray lon =
            minutes5(fix.longitude, 3) + "," + hemisphere(fix.longitude, 'E', 'W');
        const QByteArray knots = QByteArray::number(fix.speed / 1.852, 'f', 3);
        const QByteArray kmh = QByteArray::number(fix.speed, 'f', 3);
        const QByteArray lines[] = {
            sentence("GPRMC," + time + ",A," + lat + "," + lon + "," + knots + ",," +
                     utc.toString("ddMMyy").toLatin1() + ",,,A"),
            sentence("GPVTG,,T,,M," + knots + ",N," + kmh + ",K,A"),
            sentence("GPGGA," + time + "," + lat + "," + lon + ",1,09,0.96,212.7,M,25.0,M,,"),
            sentence("GPGSA,A,3,10,24,01,17,13,19,28,15,12,,,,2.10,0.96,1.87"),
            sentence("GPGLL," + lat + "," + lon + "," + time + ",A,A")};
        for (const QByteArray &line : lines)
            log += stamp + line + "\n\n";
    }
    return log;
}

QByteArray gpxTrack(const Recording &r)
{
    QByteArray gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gpx version=\"1.1\" creator=\"waylume-simulate\" "
                     "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                     "  <trk>\n    <name>Phone log</name>\n    <trkseg>\n";
    for (const Fix &fix : r.track) {
        gpx += "      <trkpt lat=\"" + QByteArray::number(fix.latitude, 'f', 7) + "\" lon=\"" +
               QByteArray::number(fix.longitude, 'f', 7) + "\">\n        <ele>212.7</ele>\n"
               "        <time>" +
               utcOf(fix).toString(Qt::ISODateWithMs).toLatin1() + "</time>\n      </trkpt>\n";
    }
    return gpx + "    </trkseg>\n  </trk>\n</gpx>\n";
}

QByteArray nmeaLog(const Recording &r)
{
    QByteArray log;
    for (const Fix &fix : r.track) {
        const QDateTime utc = utcOf(fix);
        log += rmcSentence(fix, "GP") + "\r\n";
        log += sentence("GPGGA," + utc.toString("hhmmss.zzz").toLatin1() + "," +
                        nmeaCoordinate(fix.latitude, 2) + "," + hemisphere(fix.latitude, 'N', 'S') +
                        "," + nmeaCoordinate(fix.longitude, 3) + "," +
                        hemisphere(fix.longitude, 'E', 'W') + ",1,12,0.86,273.7,M,-7.0,M,,") +
               "\r\n";
    }
    return log;
}

} // namespace Simulator
