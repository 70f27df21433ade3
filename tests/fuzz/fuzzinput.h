#pragma once

// The readers work on files, so every input is written to one scratch file per process.

#include "parser/parserobject.h"
#include "parser/recordingscan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace FuzzInput {

inline void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

inline QString scratchFile(const char *suffix)
{
    const QString dir =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/waylume-fuzz-%2.%3")
        .arg(dir)
        .arg(QCoreApplication::applicationPid())
        .arg(QLatin1String(suffix));
}

// Reads the input with Reader and decodes the whole track as a parse job does.
template <typename Reader> int run(const char *suffix, const uint8_t *data, size_t size)
{
    static const QString path = [suffix] {
        qInstallMessageHandler(&quiet);
        ParserObject::setParseDelayMs(0);
        return scratchFile(suffix);
    }();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    Reader reader(path);
    const VideoInfo info = videoInfoOf(reader);
    QList<GpsData> track = decodeTrack(reader);
    fitTrackToDuration(track, info.duration, reader.kind());
    if (track.size() > ParserObject::MaxRecords)
        __builtin_trap();
    return 0;
}

} // namespace FuzzInput
