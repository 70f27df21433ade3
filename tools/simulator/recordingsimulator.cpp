#include "tools/simulator/recordingsimulator.h"

#include "tools/simulator/telemetrywriter.h"
#include "tools/simulator/writers.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtMath>

namespace Simulator {

namespace {

struct Name
{
    Arrangement arrangement;
    const char *name;
};

constexpr Name Names[] = {
    {Arrangement::None, "GpsNone"},
    {Arrangement::AmbarellaTrack, "AmbarellaTrack"},
    {Arrangement::GpsBoxTable, "GpsBoxTable"},
    {Arrangement::FreeGpsAudio, "FreeGpsAudio"},
    {Arrangement::Gps0Box, "Gps0Box"},
    {Arrangement::SStarTrack, "SStarTrack"},
    {Arrangement::GpsMetaTrack, "GpsMetaTrack"},
    {Arrangement::AviGpslBlock, "AviGpslBlock"},
    {Arrangement::AviAudioChunks, "AviAudioChunks"},
    {Arrangement::JldvAudio, "JldvAudio"},
    {Arrangement::GoProGpmf, "GoProGpmf"},
    {Arrangement::BlackVueBoxes, "BlackVueBoxes"},
    {Arrangement::NmeaTextTrack, "NmeaTextTrack"},
};

bool isAviArrangement(Arrangement a)
{
    return a == Arrangement::AviGpslBlock || a == Arrangement::AviAudioChunks;
}

bool check(const Recording &r, QString *error)
{
    const Container container = containerOf(r);
    if (isAviArrangement(r.arrangement) != (container == Container::Avi) &&
        r.arrangement != Arrangement::None) {
        *error = QStringLiteral("arrangement %1 needs a different container")
                     .arg(arrangementName(r.arrangement));
        return false;
    }
    if (r.width <= 0 || r.height <= 0 || r.width > 65535 || r.height > 65535 ||
        !(r.frameRate > 0 && r.frameRate <= 1000) || r.duration < 0 || r.duration > 86400) {
        *error = QStringLiteral("video size, frame rate or duration out of range");
        return false;
    }
    const int marker = r.freeGpsMarkerOffset;
    if (r.arrangement == Arrangement::FreeGpsAudio && marker != 65540 && marker != 131076 &&
        marker != 262148) {
        *error = QStringLiteral("freeGPS marker offset must be 65540, 131076 or 262148");
        return false;
    }
    return true;
}

bool writeTo(const Recording &r, QIODevice *device, QString *error)
{
    if (!check(r, error))
        return false;
    Sink sink(device);
    const bool done =
        containerOf(r) == Container::Avi ? writeAvi(r, sink, error) : writeMp4(r, sink, error);
    if (done && !sink.ok()) {
        *error = QStringLiteral("write failed: ") + device->errorString();
        return false;
    }
    return done;
}

} // namespace

Container containerOf(const Recording &recording)
{
    if (recording.container != Container::Auto)
        return recording.container;
    return isAviArrangement(recording.arrangement) ? Container::Avi : Container::Mp4;
}

double durationOf(const Recording &recording)
{
    if (recording.duration > 0)
        return recording.duration;
    const int count = recording.track.size();
    return recording.arrangement == Arrangement::JldvAudio ? qCeil(count / 2.0) : count;
}

quint32 macSeconds(const QDateTime &time)
{
    if (!time.isValid())
        return 0;
    const QDateTime epoch(QDate(1904, 1, 1), QTime(0, 0), Qt::LocalTime);
    return quint32(qBound<qint64>(0, epoch.secsTo(time), 0xFFFFFFFF));
}

bool write(const Recording &recording, const QString &path, QString *error)
{
    QString ignored;
    QString *reason = error ? error : &ignored;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (!writeTo(recording, &file, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

namespace {
bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}
} // namespace

bool writeSidecar(const Recording &recording, const QString &recordingPath, Sidecar kind,
                  QStringList *written, QString *error)
{
    QString ignored;
    QString *reason = error ? error : &ignored;
    const QFileInfo info(recordingPath);
    const QString stem = info.dir().filePath(info.completeBaseName());
    QList<QPair<QString, QByteArray>> files;
    switch (kind) {
    case Sidecar::Gpx:
        files.append({stem + QStringLiteral(".gpx"), gpxTrack(recording)});
        break;
    case Sidecar::Nmea:
        files.append({stem + QStringLiteral(".nmea"), nmeaLog(recording)});
        break;
    case Sidecar::BlackVue: {
        // One pair per moment, named without the channel letter (BlackVue's SD-card file list).
        static const QRegularExpression name(QStringLiteral("^(\\d{8}_\\d{6}_[A-Z])[FRIO]$"));
        const QRegularExpressionMatch match = name.match(info.completeBaseName());
        if (!match.hasMatch()) {
            *reason = QStringLiteral("a BlackVue recording is named <date>_<time>_<type><channel>: %1")
                          .arg(info.fileName());
            return false;
        }
        const QString moment = info.dir().filePath(match.captured(1));
        files.append({moment + QStringLiteral(".gps"), blackVueSidecarLog(recording)});
        files.append({moment + QStringLiteral(".3gf"), blackVue3gf(recording)});
        break;
    }
    }
    for (const auto &file : qAsConst(files)) {
        if (!writeFile(file.first, file.second, reason))
            return false;
        if (written)
            written->append(file.first);
    }
    return true;
}

bool sidecarFromName(const QString &name, Sidecar *kind)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("gpx"))
        *kind = Sidecar::Gpx;
    else if (lower == QLatin1String("nmea"))
        *kind = Sidecar::Nmea;
    else if (lower == QLatin1String("blackvue"))
        *kind = Sidecar::BlackVue;
    else
        return false;
    return true;
}

QByteArray build(const Recording &recording, QString *error)
{
    QString ignored;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeTo(recording, &buffer, error ? error : &ignored))
        return QByteArray();
    buffer.close();
    return bytes;
}

QString arrangementName(Arrangement arrangement)
{
    for (const Name &entry : Names) {
        if (entry.arrangement == arrangement)
            return QLatin1String(entry.name);
    }
    return QString();
}

bool arrangementFromName(const QString &name, Arrangement *arrangement)
{
    for (const Name &entry : Names) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *arrangement = entry.arrangement;
            return true;
        }
    }
    return false;
}

QList<Arrangement> gpsArrangements()
{
    QList<Arrangement> all;
    for (const Name &entry : Names) {
        if (entry.arrangement != Arrangement::None)
            all.append(entry.arrangement);
    }
    return all;
}

} // namespace Simulator
