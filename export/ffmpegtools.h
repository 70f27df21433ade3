#pragma once

#include <QString>
#include <QStringList>

// The external ffmpeg and ffprobe, looked up on the search path by name as the screenshot
// worker runs them.
namespace FfmpegTools {

QString ffmpeg();  // full path, or empty when there is none
QString ffprobe(); // the same

struct MediaFacts
{
    bool ok = false;
    double duration = 0; // seconds, from the container
    bool audio = false;
    int width = 0;
    int height = 0;
    double frameRate = 0;
};
MediaFacts probe(const QString &path);

// The encoder arguments and the filter that hands it frames: h264_vaapi when ffmpeg has it
// and a one-frame trial encode on the render device works, libx264 otherwise.
struct Encoder
{
    bool hardware = false;
    QString device;             // the VA-API render node
    QStringList globalOptions;  // before the inputs
    QString uploadFilter;       // appended to the video chain
    QStringList codecOptions(const char *x264Preset, int kbit) const;
};
// Decided once per process.
const Encoder &encoder();

} // namespace FfmpegTools
