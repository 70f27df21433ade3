#include "parser/gpmf.h"
#include "parser/gpxreader.h"
#include "parser/nmea.h"
#include "parser/parserobject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>

namespace {

// No telemetry sample or sidecar log comes near this; a larger size is damage.
constexpr qint32 MaxSampleBytes = 4 * 1024 * 1024;
constexpr qint64 MaxSidecarBytes = 64 * 1024 * 1024;

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSidecarBytes)
        return QByteArray();
    return file.read(MaxSidecarBytes);
}

Telemetry readTrackFile(const QString &path)
{
    const QByteArray bytes = readSmallFile(path);
    if (path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive))
        return GpxReader::read(bytes);
    NmeaReader nmea;
    nmea.addText(bytes);
    return nmea.finish();
}

// Recordings whose sidecar track was meant for them lie within the recording; when the
// camera's clock and the logger's disagree by more than that, the first fix is second 0.
void alignSidecar(Telemetry &telemetry, const QDateTime &start, int duration)
{
    alignToRecording(telemetry, start, 0);
    for (const TelemetryFix &fix : telemetry.fixes) {
        if (fix.seconds >= -2 && fix.seconds <= duration + 2)
            return;
    }
    alignToRecording(telemetry, QDateTime(), 0);
}

} // namespace

QByteArray ParserObject::readBlock(const StreamSample &sample)
{
    const qint64 available = qBound<qint64>(0, mFileSize - sample.offset, MaxSampleBytes);
    const qint64 length = qBound<qint64>(0, sample.size, available);
    QByteArray bytes(int(length), '\0');
    bytes.truncate(int(readAt(sample.offset, bytes.data(), length)));
    return bytes;
}

void ParserObject::readTelemetry()
{
    mTelemetryRead = true;
    // The samples of a real track never hold more bytes than the file: a damaged table
    // whose entries all claim megabytes from the same offset stops there.
    qint64 budget = mFileSize;
    const auto samples = [&](const std::function<void(const StreamSample &, QByteArray)> &take) {
        for (const StreamSample &s : qAsConst(mStreamSamples)) {
            budget -= qMax(s.size, 0);
            if (budget < 0)
                break;
            take(s, readBlock(s));
        }
    };
    switch (mKind) {
    case GpsSourceKind::GoProGpmf:
        samples([this](const StreamSample &s, QByteArray bytes) {
            GpmfReader::readSample({std::move(bytes), s.start, s.duration}, mTelemetry);
            pause();
        });
        break;
    case GpsSourceKind::NmeaTextTrack: {
        NmeaReader nmea;
        samples([&nmea](const StreamSample &s, QByteArray bytes) { nmea.addTextSample(bytes, s.start); });
        mTelemetry = nmea.finish();
        break;
    }
    case GpsSourceKind::BlackVueBoxes: {
        NmeaReader nmea;
        nmea.addBlackVueLog(readBlock(mBlackVueGps));
        mTelemetry = nmea.finish();
        NmeaReader::addBlackVueAccel(readBlock(mBlackVue3gf), mTelemetry);
        break;
    }
    case GpsSourceKind::BlackVueSidecar:
    case GpsSourceKind::SidecarTrack:
    case GpsSourceKind::ChosenTrack:
        mTelemetry = readSidecars();
        break;
    default:
        break;
    }
    // Two seconds past the end: the track is fitted to the length afterwards anyway.
    mTelemetryTrack = perSecondTrack(mTelemetry, mDuration > 0 ? mDuration + 2 : 24 * 3600 * 2);
}

Telemetry ParserObject::readSidecars()
{
    Telemetry telemetry;
    if (mKind == GpsSourceKind::BlackVueSidecar) {
        NmeaReader nmea;
        for (const QString &file : qAsConst(mSidecars)) {
            if (file.endsWith(QLatin1String(".gps"), Qt::CaseInsensitive))
                nmea.addBlackVueLog(readSmallFile(file));
        }
        telemetry = nmea.finish();
        for (const QString &file : qAsConst(mSidecars)) {
            if (file.endsWith(QLatin1String(".3gf"), Qt::CaseInsensitive))
                NmeaReader::addBlackVueAccel(readSmallFile(file), telemetry);
        }
        return telemetry;
    }
    if (mSidecars.isEmpty())
        return telemetry;
    telemetry = readTrackFile(mSidecars.first());
    if (mKind == GpsSourceKind::ChosenTrack)
        alignToRecording(telemetry, mCreationTime, mChosenOffset);
    else
        alignSidecar(telemetry, mCreationTime, mDuration);
    return telemetry;
}

void ParserObject::useSidecarFiles(const QString &path)
{
    if (mKind != GpsSourceKind::GpsNone)
        return;
    const QFileInfo info(path);
    const QDir dir = info.dir();
    const QString base = info.completeBaseName();
    // BlackVue names its recordings <YYYYMMDD>_<HHMMSS>_<type><channel> and writes one log
    // pair per moment without the channel letter (BlackVue's SD-card file list).
    static const QRegularExpression blackVue(QStringLiteral("^(\\d{8}_\\d{6}_[A-Z])[FRIO]$"));
    const QRegularExpressionMatch match = blackVue.match(base);
    if (match.hasMatch()) {
        QStringList found;
        for (const char *suffix : {".gps", ".3gf"}) {
            const QString file = dir.filePath(match.captured(1) + QLatin1String(suffix));
            if (QFileInfo::exists(file))
                found << file;
        }
        if (!found.isEmpty()) {
            mSidecars = found;
            mKind = GpsSourceKind::BlackVueSidecar;
            return;
        }
    }
    for (const char *suffix : {".gpx", ".GPX", ".nmea", ".NMEA"}) {
        const QString file = dir.filePath(base + QLatin1String(suffix));
        if (QFileInfo::exists(file)) {
            mSidecars = QStringList{file};
            mKind = GpsSourceKind::SidecarTrack;
            return;
        }
    }
}

void ParserObject::useChosenTrack(const QString &file, double offsetSeconds)
{
    mSidecars = QStringList{file};
    mChosenOffset = offsetSeconds;
    mKind = GpsSourceKind::ChosenTrack;
    mTelemetryRead = false;
    mTelemetry = Telemetry();
    mTelemetryTrack.clear();
}
