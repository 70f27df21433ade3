#pragma once

// A small two-channel card with real video for the export tests: consecutive recordings of
// one drive, front (with GPS and sound) and rear, named as letter-scheme cameras name them.

#include "tools/simulator/recordingsimulator.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace ExportCard {

inline const QDateTime &start()
{
    static const QDateTime t(QDate(2024, 5, 17), QTime(8, 30, 0));
    return t;
}

inline bool haveFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty();
}

inline QString fileName(int k, bool rear, int seconds)
{
    return QStringLiteral("%1_%2%3.MP4")
        .arg(start().addSecs(k * seconds).toString(QStringLiteral("yyyyMMdd_hhmmss")))
        .arg(10 * k + (rear ? 2 : 1), 7, 10, QLatin1Char('0'))
        .arg(rear ? QLatin1Char('R') : QLatin1Char('F'));
}

// `count` recordings of `seconds` seconds at 10 frames a second, 320x180.
inline bool write(const QString &folder, int count, int seconds, QString *error)
{
    Simulator::TrackShape shape;
    shape.start = start();
    shape.latitude = 47.6613;
    shape.longitude = 9.3172;
    const QVector<Simulator::Fix> track = Simulator::makeTrack(count * seconds, shape);
    QDir().mkpath(folder);
    for (int k = 0; k < count; ++k) {
        for (bool rear : {false, true}) {
            Simulator::Recording r;
            r.arrangement = rear ? Simulator::Arrangement::None : Simulator::Arrangement::GpsMetaTrack;
            if (!rear)
                r.track = track.mid(k * seconds, seconds);
            r.duration = seconds;
            r.width = 320;
            r.height = 180;
            r.frameRate = 10;
            r.creationTime = start().addSecs(k * seconds);
            r.realVideo = true;
            r.soundTrack = !rear;
            // Each second of the drive looks different, and rear differs from front.
            r.videoInput = QStringList{
                QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                QStringLiteral("testsrc2=size=320x180:rate=10,trim=start=%1,setpts=PTS-STARTPTS")
                    .arg(k * seconds)};
            if (rear)
                r.videoFilter = QStringLiteral("negate");
            if (!Simulator::write(r, folder + QLatin1Char('/') + fileName(k, rear, seconds), error))
                return false;
        }
    }
    return true;
}

} // namespace ExportCard
