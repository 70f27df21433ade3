#include "parser/nmea.h"

#include <QDate>
#include <QTime>
#include <QtEndian>
#include <cmath>

// Sentence layouts from the NMEA 0183 descriptions that receiver makers publish (for example
// u-blox's "Receiver Description", NMEA protocol chapter):
//   $--RMC,hhmmss.ss,A|V,ddmm.mmmm,N|S,dddmm.mmmm,E|W,knots,course,ddmmyy,...*hh
//   $--GGA,hhmmss.ss,ddmm.mmmm,N|S,dddmm.mmmm,E|W,quality,sats,hdop,altitude,M,...*hh
// The checksum is the XOR of every character between '$' and '*', two hex digits.
// BlackVue's logs and 3gf records: what the real files of a BlackVue camera hold, with the
// 3gf scale (128 = 1 g; vertical, left-right with right positive, forward-back with back
// positive) from the public 3gf grammar of the Synalysis grammar collection.

namespace {

constexpr double KnotsToKmh = 1.852;
constexpr int BlackVueRecord = 10;
constexpr double BlackVueOneG = 128.0;
// A sentence is at most 82 characters by the standard; cameras add a few, never kilobytes.
constexpr int MaxSentence = 256;

double coordinate(const QByteArray &value, const QByteArray &hemisphere, bool &ok)
{
    bool valid = false;
    const double raw = value.toDouble(&valid);
    ok = valid && raw >= 0;
    if (!ok)
        return 0;
    const double degrees = std::floor(raw / 100.0);
    const double minutes = raw - degrees * 100.0;
    double result = degrees + minutes / 60.0;
    if (hemisphere == "S" || hemisphere == "W")
        result = -result;
    else if (hemisphere != "N" && hemisphere != "E")
        ok = false;
    return result;
}

QTime timeOfDay(const QByteArray &field)
{
    if (field.size() < 6)
        return QTime();
    bool ok = false;
    const int hhmmss = field.left(6).toInt(&ok);
    if (!ok)
        return QTime();
    int ms = 0;
    if (field.size() > 7 && field.at(6) == '.') {
        const QByteArray fraction = (field.mid(7) + "000").left(3);
        ms = fraction.toInt(&ok);
        if (!ok)
            ms = 0;
    }
    return QTime(hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100, ms);
}

QByteArray stripped(QByteArray line)
{
    line = line.trimmed();
    if (line.size() > MaxSentence)
        return QByteArray();
    return line;
}

} // namespace

bool NmeaReader::checksumOk(const QByteArray &sentence)
{
    if (sentence.size() < 2 || sentence.at(0) != '$')
        return false;
    const int star = sentence.indexOf('*');
    if (star < 0)
        return false;
    if (sentence.size() < star + 3)
        return false;
    quint8 sum = 0;
    for (int i = 1; i < star; ++i)
        sum ^= quint8(sentence.at(i));
    bool ok = false;
    const int stated = sentence.mid(star + 1, 2).toInt(&ok, 16);
    return ok && stated == sum;
}

void NmeaReader::addSentence(const QByteArray &raw, double seconds)
{
    const QByteArray sentence = stripped(raw);
    if (sentence.size() < 6 || sentence.at(0) != '$')
        return;
    const int star = sentence.indexOf('*');
    const QByteArray body = sentence.mid(1, star < 0 ? -1 : star - 1);
    const QList<QByteArray> fields = body.split(',');
    const QByteArray &type = fields.first();
    // G-sensor lines carry no checksum on the cameras that write them.
    if (type == "GS" || type == "GSENSOR") {
        addGsensor(fields, seconds);
        return;
    }
    if (type.size() != 5 || (!type.endsWith("RMC") && !type.endsWith("GGA")))
        return;
    if (!checksumOk(sentence)) {
        ++mRejected;
        return;
    }
    if (type.endsWith("RMC"))
        addRmc(fields, seconds);
    else
        addGga(fields);
}

void NmeaReader::addRmc(const QList<QByteArray> &f, double seconds)
{
    if (f.size() < 10)
        return;
    TelemetryFix fix;
    bool latOk = false;
    bool lonOk = false;
    fix.latitude = coordinate(f[3], f[4], latOk);
    fix.longitude = coordinate(f[5], f[6], lonOk);
    fix.valid = f[2] == "A" && latOk && lonOk && std::fabs(fix.latitude) <= 90 &&
                std::fabs(fix.longitude) <= 180;
    if (!fix.valid) {
        fix.latitude = 0;
        fix.longitude = 0;
    }
    bool ok = false;
    const double knots = f[7].toDouble(&ok);
    fix.speedKmh = ok && knots >= 0 ? knots * KnotsToKmh : 0;
    const double course = f[8].toDouble(&ok);
    fix.course = ok && course >= 0 && course <= 360 ? course : -1;
    const QTime time = timeOfDay(f[1]);
    const QByteArray &d = f[9];
    if (time.isValid() && d.size() == 6) {
        const int ddmmyy = d.toInt(&ok);
        if (ok) {
            // Two-digit years: receivers report 19xx only for dates before GPS week rollovers
            // that no camera of ours saw.
            const QDate date(2000 + ddmmyy % 100, ddmmyy / 100 % 100, ddmmyy / 10000);
            if (date.isValid())
                fix.utc = QDateTime(date, time, Qt::UTC);
        }
    }
    fix.seconds = seconds;
    mTelemetry.fixes.append(fix);
    mFixTimeOfDay.append(f[1]);
    mTimedByCaller.append(seconds >= 0);
    if (seconds >= 0)
        mLastSeconds = seconds;
}

void NmeaReader::addGga(const QList<QByteArray> &f)
{
    if (f.size() < 10)
        return;
    Gga gga;
    bool ok = false;
    gga.fix = f[6].toInt(&ok) != 0 && ok;
    gga.altitude = f[9].toDouble(&ok);
    if (!ok || !std::isfinite(gga.altitude))
        gga.altitude = 0;
    // A log of days holds one entry per second: bounded by the input, not by a count in it.
    mGga.insert(f[1], gga);
}

void NmeaReader::addGsensor(const QList<QByteArray> &f, double seconds)
{
    if (f.size() < 4)
        return;
    bool okX = false;
    bool okY = false;
    bool okZ = false;
    TelemetryAccel a;
    a.x = f[1].toFloat(&okX);
    a.y = f[2].toFloat(&okY);
    const int star = f[3].indexOf('*');
    a.z = (star < 0 ? f[3] : f[3].left(star)).toFloat(&okZ);
    if (!okX || !okY || !okZ || !std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(a.z))
        return;
    // Without its own time the line belongs to the fix before it.
    a.seconds = seconds >= 0 ? seconds : mLastSeconds;
    mTelemetry.accel.append(a);
}

void NmeaReader::addText(const QByteArray &text, double seconds)
{
    int start = 0;
    while (start < text.size()) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        // Some cameras end sentences with a lone CR.
        const QByteArray line = text.mid(start, end - start);
        for (const QByteArray &part : line.split('\r'))
            addSentence(part, seconds);
        start = end + 1;
    }
}

void NmeaReader::addBlackVueLog(const QByteArray &text)
{
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        const int close = line.indexOf(']');
        if (!line.startsWith('[') || close < 2)
            continue;
        bool ok = false;
        const qint64 ms = line.mid(1, close - 1).toLongLong(&ok);
        if (!ok || ms < 0)
            continue;
        if (mBlackVueBase < 0)
            mBlackVueBase = ms;
        const double seconds = double(ms - mBlackVueBase) / 1000.0;
        addSentence(line.mid(close + 1), seconds >= 0 ? seconds : -1);
    }
}

void NmeaReader::addTextSample(const QByteArray &sample, double seconds)
{
    if (sample.size() < 2)
        return;
    const int length = qFromBigEndian<quint16>(reinterpret_cast<const uchar *>(sample.constData()));
    addText(sample.mid(2, qMin(length, sample.size() - 2)), seconds);
}

Telemetry NmeaReader::finish()
{
    // Sentences the caller could not place are placed by their own time, from the first fix.
    QDateTime first;
    for (int i = 0; i < mTelemetry.fixes.size(); ++i) {
        const QDateTime &utc = mTelemetry.fixes[i].utc;
        if (utc.isValid() && (!first.isValid() || utc < first))
            first = utc;
    }
    for (int i = 0; i < mTelemetry.fixes.size(); ++i) {
        TelemetryFix &fix = mTelemetry.fixes[i];
        const auto gga = mGga.constFind(mFixTimeOfDay[i]);
        if (gga != mGga.constEnd()) {
            fix.altitude = gga->altitude;
            if (!gga->fix) {
                fix.valid = false;
                fix.latitude = 0;
                fix.longitude = 0;
            }
        }
        if (!mTimedByCaller[i])
            fix.seconds = fix.utc.isValid() ? first.msecsTo(fix.utc) / 1000.0 : -1;
    }
    Telemetry result = mTelemetry;
    mTelemetry = Telemetry();
    mGga.clear();
    mFixTimeOfDay.clear();
    mTimedByCaller.clear();
    return result;
}

void NmeaReader::addBlackVueAccel(const QByteArray &records, Telemetry &telemetry)
{
    const auto *p = reinterpret_cast<const uchar *>(records.constData());
    const int count = records.size() / BlackVueRecord;
    telemetry.accel.reserve(telemetry.accel.size() + count);
    for (int k = 0; k < count; ++k, p += BlackVueRecord) {
        TelemetryAccel a;
        a.seconds = qFromBigEndian<quint32>(p) / 1000.0;
        const double vertical = qFromBigEndian<qint16>(p + 4) / BlackVueOneG;
        const double lateral = qFromBigEndian<qint16>(p + 6) / BlackVueOneG;
        const double longitudinal = qFromBigEndian<qint16>(p + 8) / BlackVueOneG;
        a.x = float(lateral);
        a.y = float(longitudinal);
        a.z = float(vertical);
        telemetry.accel.append(a);
    }
}
