#include "tools/simulator/writers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace Simulator {

namespace {

QStringList sourceArguments(const Recording &recording)
{
    const QString size = QStringLiteral("%1x%2").arg(recording.width).arg(recording.height);
    const int gop = qMax(1, qRound(recording.frameRate));
    QStringList args{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")};
    if (recording.videoInput.isEmpty())
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc2=size=%1:rate=%2").arg(size).arg(recording.frameRate);
    else
        args << recording.videoInput;
    if (!recording.videoFilter.isEmpty())
        args << QStringLiteral("-vf") << recording.videoFilter;
    args << QStringLiteral("-r") << QString::number(recording.frameRate) << QStringLiteral("-s")
         << size << QStringLiteral("-t") << QString::number(durationOf(recording))
         << QStringLiteral("-an") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p")
         << QStringLiteral("-g") << QString::number(gop);
    if (recording.codec == Codec::H265)
        args << QStringLiteral("-c:v") << QStringLiteral("libx265") << QStringLiteral("-preset")
             << QStringLiteral("ultrafast") << QStringLiteral("-x265-params")
             << QStringLiteral("log-level=error");
    else
        args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("ultrafast");
    return args;
}

bool runFfmpeg(const QStringList &args, const QString &output, QByteArray *bytes, QString *error)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (!ffmpeg.waitForStarted(10000)) {
        *error = QStringLiteral("ffmpeg could not be started");
        return false;
    }
    if (!ffmpeg.waitForFinished(300000) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0) {
        ffmpeg.kill();
        *error = QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(ffmpeg.readAll());
        return false;
    }
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("ffmpeg wrote no output");
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool isDelimiter(const QByteArray &stream, int nalAt, bool hevc)
{
    if (nalAt >= stream.size())
        return false;
    const quint8 header = quint8(stream.at(nalAt));
    return hevc ? ((header >> 1) & 0x3F) == 35 : (header & 0x1F) == 9;
}

} // namespace

bool encodeMovie(const Recording &recording, bool quickTime, QByteArray *movie, QString *error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString output =
        dir.filePath(quickTime ? QStringLiteral("v.mov") : QStringLiteral("v.mp4"));
    QStringList args = sourceArguments(recording);
    // Players and the readers look for "hvc1"; ffmpeg would label HEVC "hev1".
    if (recording.codec == Codec::H265)
        args << QStringLiteral("-tag:v") << QStringLiteral("hvc1");
    args << output;
    return runFfmpeg(args, output, movie, error);
}

bool encodeAccessUnits(const Recording &recording, QVector<QByteArray> *units, QString *error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const bool hevc = recording.codec == Codec::H265;
    const QString output = dir.filePath(hevc ? QStringLiteral("v.hevc") : QStringLiteral("v.h264"));
    QStringList args = sourceArguments(recording);
    args << QStringLiteral("-bsf:v")
         << (hevc ? QStringLiteral("hevc_metadata=aud=insert")
                  : QStringLiteral("h264_metadata=aud=insert"))
         << QStringLiteral("-f") << (hevc ? QStringLiteral("hevc") : QStringLiteral("h264"))
         << output;
    QByteArray stream;
    if (!runFfmpeg(args, output, &stream, error))
        return false;

    units->clear();
    int unitStart = -1;
    for (int i = 0; i + 3 < stream.size(); ++i) {
        if (stream.at(i) != 0 || stream.at(i + 1) != 0 || stream.at(i + 2) != 1)
            continue;
        if (isDelimiter(stream, i + 3, hevc)) {
            const int start = (i > 0 && stream.at(i - 1) == 0) ? i - 1 : i;
            if (unitStart >= 0)
                units->append(stream.mid(unitStart, start - unitStart));
            unitStart = start;
        }
        i += 2;
    }
    if (unitStart >= 0)
        units->append(stream.mid(unitStart));
    if (units->isEmpty()) {
        *error = QStringLiteral("ffmpeg produced no frames");
        return false;
    }
    return true;
}

} // namespace Simulator
