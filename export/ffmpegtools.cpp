#include "export/ffmpegtools.h"

#include "platform/renderdevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

namespace {

const int kProbeTimeoutMs = 30000;

double rateOf(const QString &fraction)
{
    const QStringList parts = fraction.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return fraction.toDouble();
    const double den = parts[1].toDouble();
    return den > 0 ? parts[0].toDouble() / den : 0;
}

bool vaapiWorks(const QString &ffmpeg, const QString &device)
{
    QProcess list;
    list.start(ffmpeg, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")});
    if (!list.waitForFinished(kProbeTimeoutMs) ||
        !list.readAllStandardOutput().contains("h264_vaapi"))
        return false;
    // Listed is not working: the driver may lack an H.264 encode entry point.
    QProcess trial;
    trial.start(ffmpeg, {"-v", "error", "-vaapi_device", device, "-f", "lavfi", "-i",
                         "color=s=256x144:d=0.2", "-vf", "format=nv12,hwupload", "-c:v",
                         "h264_vaapi", "-frames:v", "1", "-f", "null", "-"});
    return trial.waitForFinished(kProbeTimeoutMs) && trial.exitStatus() == QProcess::NormalExit &&
           trial.exitCode() == 0;
}

} // namespace

namespace FfmpegTools {

QString ffmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QString ffprobe()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
}

MediaFacts probe(const QString &path)
{
    MediaFacts facts;
    const QString program = ffprobe();
    if (program.isEmpty())
        return facts;
    QProcess process;
    process.start(program, {"-v", "error", "-show_entries",
                            "format=duration:stream=codec_type,width,height,avg_frame_rate", "-of",
                            "json", path});
    if (!process.waitForFinished(kProbeTimeoutMs) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return facts;
    }
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    facts.duration = root.value(QStringLiteral("format"))
                         .toObject()
                         .value(QStringLiteral("duration"))
                         .toString()
                         .toDouble();
    bool video = false;
    for (const QJsonValue &value : root.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QStringLiteral("codec_type")).toString();
        if (type == QLatin1String("audio"))
            facts.audio = true;
        if (type == QLatin1String("video") && !video) {
            video = true;
            facts.width = stream.value(QStringLiteral("width")).toInt();
            facts.height = stream.value(QStringLiteral("height")).toInt();
            facts.frameRate = rateOf(stream.value(QStringLiteral("avg_frame_rate")).toString());
        }
    }
    facts.ok = video && facts.duration > 0;
    return facts;
}

QStringList Encoder::codecOptions(const char *x264Preset, int kbit) const
{
    const QString rate = QStringLiteral("%1k").arg(kbit);
    const QString buffer = QStringLiteral("%1k").arg(kbit * 2);
    if (hardware)
        return {"-c:v", "h264_vaapi", "-b:v", rate, "-maxrate", rate, "-bufsize", buffer};
    return {"-c:v",     "libx264", "-preset", QLatin1String(x264Preset), "-b:v", rate,
            "-maxrate", rate,      "-bufsize", buffer,                   "-pix_fmt", "yuv420p"};
}

const Encoder &encoder()
{
    static const Encoder chosen = [] {
        Encoder e;
        const QString device = RenderDevice::vaapiNode();
        const QString program = ffmpeg();
        if (!device.isEmpty() && !program.isEmpty() && vaapiWorks(program, device)) {
            e.hardware = true;
            e.device = device;
            e.globalOptions = QStringList{QStringLiteral("-vaapi_device"), device};
            e.uploadFilter = QStringLiteral("format=nv12,hwupload");
        }
        return e;
    }();
    return chosen;
}

} // namespace FfmpegTools
