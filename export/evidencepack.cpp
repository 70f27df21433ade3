#include "export/evidencepack.h"

#include "export/cliptimes.h"
#include "export/ffmpegtools.h"
#include "export/outputfile.h"
#include "library/trackexport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

#ifndef WAYLUME_VERSION
#define WAYLUME_VERSION "unknown"
#endif

namespace {


constexpr qint64 kChunk = 1 << 20;

struct Copier
{
    const CancelFlag &cancel;
    const ExportProgress &progress;
    qint64 total = 0;
    qint64 done = 0;

    void advance(qint64 bytes)
    {
        done += bytes;
        if (progress && total > 0)
            progress(qBound(0.0, double(done) / total, 1.0) * 0.9, -1);
    }

    // Copies byte for byte, hashing what was read; false on any short write (disk full).
    bool copy(const QString &from, const QString &to, QByteArray *hash, QString *error)
    {
        QFile in(from);
        QFile out(to);
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QCoreApplication::translate("EvidencePack", "cannot read %1").arg(from);
            return false;
        }
        if (!out.open(QIODevice::WriteOnly)) {
            *error = QCoreApplication::translate("EvidencePack", "cannot write %1").arg(to);
            return false;
        }
        QCryptographicHash sha(QCryptographicHash::Sha256);
        while (!in.atEnd()) {
            if (cancel.load()) {
                *error = QCoreApplication::translate("EvidencePack", "cancelled");
                return false;
            }
            const QByteArray block = in.read(kChunk);
            if (block.isEmpty() && in.error() != QFileDevice::NoError) {
                *error = QCoreApplication::translate("EvidencePack", "cannot read %1").arg(from);
                return false;
            }
            sha.addData(block);
            if (out.write(block) != block.size()) {
                *error = QCoreApplication::translate("EvidencePack", "cannot write %1: %2").arg(to, out.errorString());
                return false;
            }
            advance(block.size());
        }
        if (!out.flush() || out.size() != in.size()) {
            *error = QCoreApplication::translate("EvidencePack", "cannot write %1: %2").arg(to, out.errorString());
            return false;
        }
        *hash = sha.result().toHex();
        return true;
    }
};

QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue offsetValue(const ClockOffset &offset)
{
    return offset.isKnown() ? QJsonValue(double(offset.seconds)) : QJsonValue(QJsonValue::Null);
}

QJsonObject fileEntry(const QString &name, qint64 size, const QByteArray &hash)
{
    return {{"name", name}, {"size", size}, {"sha256", QString::fromLatin1(hash)}};
}

// One channel's pieces joined by ffmpeg's concat demuxer with stream copy: cuts fall on the
// keyframes at or before each in-point, so the cut holds the whole range.
bool cutChannel(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces, int channel,
                const QString &target, const QString &scratch, QString *error)
{
    const QString list = scratch + QStringLiteral("/%1.txt").arg(channel);
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QCoreApplication::translate("EvidencePack", "cannot write %1").arg(list);
        return false;
    }
    for (const ClipPiece &piece : pieces) {
        QString path = QFileInfo(recordings[piece.recording].channels[channel]).absoluteFilePath();
        path.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
        file.write(QStringLiteral("file '%1'\ninpoint %2\noutpoint %3\n")
                       .arg(path)
                       .arg(piece.from, 0, 'f', 3)
                       .arg(piece.from + piece.length, 0, 'f', 3)
                       .toUtf8());
    }
    file.close();
    QProcess ffmpeg;
    ffmpeg.start(FfmpegTools::ffmpeg(),
                 {"-hide_banner", "-nostdin", "-loglevel", "error", "-y", "-f", "concat", "-safe",
                  "0", "-i", list, "-map", "0:v", "-map", "0:a?", "-c", "copy", "-f", "mov",
                  target});
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0) {
        const QString why = QString::fromLocal8Bit(ffmpeg.readAllStandardError()).trimmed();
        *error = QCoreApplication::translate("EvidencePack", "ffmpeg could not cut the %1 channel: %2")
                     .arg(QLatin1String(channelName(channel)), why.section(QLatin1Char('\n'), -1));
        return false;
    }
    return true;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QCoreApplication::translate("EvidencePack", "cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

namespace EvidencePack {

QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash sha(QCryptographicHash::Sha256);
    if (!sha.addData(&file))
        return {};
    return sha.result().toHex();
}

ExportResult write(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                   const QString &folder, const CancelFlag &cancel,
                   const ExportProgress &progress)
{
    ExportResult result;
    if (pieces.isEmpty()) {
        result.error = QCoreApplication::translate("EvidencePack", "the range holds no video");
        return result;
    }
    if (FfmpegTools::ffmpeg().isEmpty()) {
        result.error = QCoreApplication::translate("EvidencePack", "ffmpeg was not found on the search path");
        return result;
    }
    OutputFile out(folder, true);
    QTemporaryDir scratch;
    if (!out.prepare(&result.error))
        return result;
    const QString root = out.temporaryPath();
    if (!scratch.isValid() || !QDir(root).mkpath(QStringLiteral("originals")) ||
        !QDir(root).mkpath(QStringLiteral("cuts"))) {
        result.error = QCoreApplication::translate("EvidencePack", "cannot create %1").arg(root);
        return result;
    }

    Copier copier{cancel, progress};
    for (const ClipPiece &piece : pieces) {
        for (const QString &file : recordings[piece.recording].channels)
            copier.total += file.isEmpty() ? 0 : QFileInfo(file).size();
    }

    QJsonArray recordingEntries;
    for (const ClipPiece &piece : pieces) {
        const ClipRecording &r = recordings[piece.recording];
        QJsonArray files;
        for (int c = 0; c < 4; ++c) {
            if (r.channels[c].isEmpty())
                continue;
            const QFileInfo source(r.channels[c]);
            if (!source.isFile()) {
                result.error = QCoreApplication::translate("EvidencePack", "the %1 channel file %2 is missing")
                                   .arg(QLatin1String(channelName(c)), source.fileName());
                return result;
            }
            QByteArray hash;
            const QString copy = root + QStringLiteral("/originals/") + source.fileName();
            if (!copier.copy(source.absoluteFilePath(), copy, &hash, &result.error)) {
                result.cancelled = cancel.load();
                return result;
            }
            QJsonObject entry = fileEntry(QStringLiteral("originals/") + source.fileName(),
                                          source.size(), hash);
            entry.insert(QStringLiteral("channel"), QLatin1String(channelName(c)));
            files.append(entry);
        }
        recordingEntries.append(QJsonObject{
            {"start", ClipTimes::isoText(r.start)},
            {"cameraStart", orNull(ClipTimes::cameraIsoText(r, 0))},
            {"utcStart", orNull(ClipTimes::utcIsoText(r, 0))},
            {"clockOffsetSeconds", offsetValue(r.clock.offset)},
            {"duration", r.duration},
            {"rangeStart", piece.from},
            {"rangeLength", piece.length},
            {"files", files}});
    }

    // Cuts of the channels that every recording of the range has.
    QJsonArray cuts;
    for (int c = 0; c < 4; ++c) {
        bool everywhere = true;
        for (const ClipPiece &piece : pieces)
            everywhere = everywhere && !recordings[piece.recording].channels[c].isEmpty();
        if (!everywhere)
            continue;
        if (cancel.load()) {
            result.cancelled = true;
            result.error = QCoreApplication::translate("EvidencePack", "cancelled");
            return result;
        }
        // QuickTime rather than MP4: cameras write PCM sound that the MP4 muxer refuses.
        const QString name = QStringLiteral("cuts/%1.mov").arg(QLatin1String(channelName(c)));
        if (!cutChannel(recordings, pieces, c, root + QLatin1Char('/') + name, scratch.path(),
                        &result.error))
            return result;
        QJsonObject entry =
            fileEntry(name, QFileInfo(root + QLatin1Char('/') + name).size(),
                      sha256Of(root + QLatin1Char('/') + name));
        entry.insert(QStringLiteral("channel"), QLatin1String(channelName(c)));
        cuts.append(entry);
    }

    QList<TrackSegment> segments;
    for (const ClipPiece &piece : pieces) {
        const ClipRecording &r = recordings[piece.recording];
        TrackSegment segment;
        segment.name = QFileInfo(r.channels[0]).fileName();
        segment.clock = r.clock;
        const int first = qMax(0, int(piece.from));
        const int last = qMin(r.track.size() - 1, int(std::ceil(piece.from + piece.length)) - 1);
        for (int i = first; i <= last; ++i)
            segment.records.append(r.track[i]);
        segments.append(segment);
    }
    const ClipRecording &first = recordings[pieces.first().recording];
    const QDateTime from = first.start.addMSecs(qint64(pieces.first().from * 1000));
    const QDateTime to =
        from.addMSecs(qint64(ClipRange::totalLength(pieces) * 1000.0 + 0.5));
    const QString title = QStringLiteral("%1 - %2").arg(ClipTimes::text(from), ClipTimes::text(to));
    const ClipPiece &lastPiece = pieces.last();
    const ClipRecording &last = recordings[lastPiece.recording];
    const double lastSecond = lastPiece.from + lastPiece.length;
    QJsonArray tracks;
    for (const auto &[name, format] :
         {std::pair<QString, TrackFormat>{QStringLiteral("track.gpx"), TrackFormat::Gpx},
          std::pair<QString, TrackFormat>{QStringLiteral("track.csv"), TrackFormat::Csv}}) {
        const QByteArray bytes = TrackExport::write(format, title, segments);
        if (!writeBytes(root + QLatin1Char('/') + name, bytes, &result.error))
            return result;
        tracks.append(fileEntry(name, bytes.size(),
                                QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
    }

    const QJsonObject manifest{
        {"tool", QStringLiteral("Waylume")},
        {"version", QStringLiteral(WAYLUME_VERSION)},
        {"written", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {"timeNote",
         QStringLiteral("from, to, start: the recordings' timeline, no time zone; cameraFrom, "
                        "cameraTo, cameraStart: the camera's clock as it ran, no time zone; "
                        "utcFrom, utcTo, utcStart: UTC; clockOffsetSeconds: camera clock "
                        "less UTC")},
        {"range",
         QJsonObject{{"from", ClipTimes::isoText(from)},
                     {"to", ClipTimes::isoText(to)},
                     {"cameraFrom", orNull(ClipTimes::cameraIsoText(first, pieces.first().from))},
                     {"cameraTo", orNull(ClipTimes::cameraIsoText(last, lastSecond))},
                     {"utcFrom", orNull(ClipTimes::utcIsoText(first, pieces.first().from))},
                     {"utcTo", orNull(ClipTimes::utcIsoText(last, lastSecond))},
                     {"clockOffsetSeconds", offsetValue(first.clock.offset)},
                     {"seconds", ClipRange::totalLength(pieces)}}},
        {"recordings", recordingEntries},
        {"cuts", cuts},
        {"track", tracks}};
    if (!writeBytes(root + QStringLiteral("/manifest.json"),
                    QJsonDocument(manifest).toJson(QJsonDocument::Indented), &result.error))
        return result;
    if (!out.commit(&result.error))
        return result;
    if (progress)
        progress(1.0, 0);
    result.ok = true;
    result.output = QFileInfo(folder).absoluteFilePath();
    return result;
}

} // namespace EvidencePack
