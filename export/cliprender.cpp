#include "export/cliprender.h"

#include "export/ffmpegtools.h"
#include "export/outputfile.h"
#include "export/overlaysamples.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtMath>

namespace {


// ffmpeg reads frames as fast as it encodes them; a few frames in the pipe keep it busy
// without holding a second's worth of pictures in memory.
constexpr qint64 kFramesInFlight = 4;
constexpr int kPollMs = 100;

int even(double value)
{
    return qMax(2, int(qRound(value / 2.0)) * 2);
}

QString seconds(double value)
{
    return QString::number(value, 'f', 3);
}

QList<int> slotsFor(ClipLayout layout, const ClipRecording &first)
{
    switch (layout) {
    case ClipLayout::Front:
        return {0};
    case ClipLayout::Grid: {
        QList<int> shown;
        for (int c = 0; c < 4; ++c)
            shown.append(first.channels[c].isEmpty() ? -1 : c);
        return shown;
    }
    case ClipLayout::Side:
    case ClipLayout::Stack:
    case ClipLayout::Pip:
        break;
    }
    // Two channels: the rear, or whichever secondary camera the card has.
    for (int c = 1; c < 4; ++c) {
        if (!first.channels[c].isEmpty())
            return {0, c};
    }
    return {0};
}

QSize outputFor(ClipLayout layout, const QSize &cell, int shown)
{
    if (shown < 2 || layout == ClipLayout::Front || layout == ClipLayout::Pip)
        return cell;
    if (layout == ClipLayout::Side)
        return QSize(cell.width() * 2, cell.height());
    if (layout == ClipLayout::Stack)
        return QSize(cell.width(), cell.height() * 2);
    return QSize(cell.width() * 2, cell.height() * 2);
}

QString lastLine(const QByteArray &text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return lines.isEmpty() ? QString() : QString::fromLocal8Bit(lines.last().trimmed());
}

} // namespace

namespace ClipRender {

Plan plan(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
          const ExportOptions &options)
{
    Plan p;
    if (pieces.isEmpty()) {
        p.error = QCoreApplication::translate("ClipRender", "the range holds no video");
        return p;
    }
    const ClipRecording &first = recordings[pieces.first().recording];
    p.channels = slotsFor(options.layout, first);
    const int shownFiles = int(std::count_if(p.channels.begin(), p.channels.end(),
                                             [](int c) { return c >= 0; }));
    p.audio = true;
    FfmpegTools::MediaFacts front;
    for (int i = 0; i < pieces.size(); ++i) {
        const ClipRecording &r = recordings[pieces[i].recording];
        for (int c : p.channels) {
            if (c < 0)
                continue;
            const QString &file = r.channels[c];
            if (file.isEmpty() || !QFileInfo(file).isFile()) {
                p.error = QCoreApplication::translate("ClipRender", "the %1 channel file of %2 is missing")
                              .arg(QLatin1String(channelName(c)),
                                   QFileInfo(r.channels[0]).fileName());
                return p;
            }
        }
        const FfmpegTools::MediaFacts facts = FfmpegTools::probe(r.channels[0]);
        if (!facts.ok) {
            p.error = QCoreApplication::translate("ClipRender", "%1 cannot be read").arg(QFileInfo(r.channels[0]).fileName());
            return p;
        }
        if (i == 0)
            front = facts;
        p.audio = p.audio && facts.audio;
    }
    p.frameRate = front.frameRate > 0 ? front.frameRate : (first.frameRate > 0 ? first.frameRate : 30);
    const QualitySettings quality = ExportNames::qualitySettings(options.quality);
    const int sourceHeight = front.height > 0 ? front.height : quality.cellHeight;
    const int height = even(qMin(quality.cellHeight, sourceHeight));
    const double aspect = front.height > 0 ? double(front.width) / front.height : 16.0 / 9.0;
    p.cell = QSize(even(height * aspect), height);
    p.output = outputFor(options.layout, p.cell, int(p.channels.size()));
    p.bandHeight = options.overlay ? OverlayPainter::bandHeight(p.cell.height()) : 0;
    p.seconds = ClipRange::totalLength(pieces);
    p.frames = qMax<qint64>(1, qRound64(p.seconds * p.frameRate));
    p.kbit = quality.kbitPerChannel * qMax(1, shownFiles);
    return p;
}

QStringList arguments(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                      const ExportOptions &options, const Plan &plan, const QString &target)
{
    const FfmpegTools::Encoder &encoder = FfmpegTools::encoder();
    QStringList args{"-hide_banner", "-nostats", "-loglevel", "error", "-y"};
    args << encoder.globalOptions;
    // Inputs: every shown channel's pieces in order, then the overlay frames.
    QList<QList<int>> inputsOf;
    int input = 0;
    for (int c : plan.channels) {
        QList<int> indices;
        if (c >= 0) {
            for (const ClipPiece &piece : pieces) {
                args << "-ss" << seconds(piece.from) << "-t" << seconds(piece.length) << "-i"
                     << recordings[piece.recording].channels[c];
                indices.append(input++);
            }
        }
        inputsOf.append(indices);
    }
    const int overlayInput = input;
    if (plan.bandHeight > 0)
        args << "-f" << "rawvideo" << "-pix_fmt" << "bgra" << "-s"
             << QStringLiteral("%1x%2").arg(plan.output.width()).arg(plan.bandHeight)
             << "-framerate" << QString::number(plan.frameRate, 'f', 3) << "-i" << "pipe:0";

    QStringList graph;
    const QString fit = QStringLiteral(
                            "fps=%1,scale=%2:%3:force_original_aspect_ratio=decrease,"
                            "pad=%2:%3:(ow-iw)/2:(oh-ih)/2,setsar=1")
                            .arg(QString::number(plan.frameRate, 'f', 3))
                            .arg(plan.cell.width())
                            .arg(plan.cell.height());
    for (int k = 0; k < plan.channels.size(); ++k) {
        const QList<int> &indices = inputsOf[k];
        const bool withAudio = k == 0 && plan.audio;
        if (indices.isEmpty()) {
            graph << QStringLiteral("color=c=black:s=%1x%2:r=%3:d=%4[c%5]")
                         .arg(plan.cell.width())
                         .arg(plan.cell.height())
                         .arg(QString::number(plan.frameRate, 'f', 3), seconds(plan.seconds))
                         .arg(k);
            continue;
        }
        QString chain;
        for (int i : indices)
            chain += withAudio ? QStringLiteral("[%1:v][%1:a]").arg(i) : QStringLiteral("[%1:v]").arg(i);
        if (indices.size() > 1 || withAudio)
            chain += QStringLiteral("concat=n=%1:v=1:a=%2[j%3]%4;[j%3]")
                         .arg(indices.size())
                         .arg(withAudio ? 1 : 0)
                         .arg(k)
                         .arg(withAudio ? QStringLiteral("[aout]") : QString());
        graph << chain + fit + QStringLiteral("[c%1]").arg(k);
    }
    const int n = int(plan.channels.size());
    if (n == 1) {
        graph << QStringLiteral("[c0]null[base]");
    } else if (options.layout == ClipLayout::Side) {
        graph << QStringLiteral("[c0][c1]hstack=inputs=2[base]");
    } else if (options.layout == ClipLayout::Stack) {
        graph << QStringLiteral("[c0][c1]vstack=inputs=2[base]");
    } else if (options.layout == ClipLayout::Pip) {
        // A third of the width, in the top right corner: the overlay band is at the bottom.
        const int margin = even(plan.cell.height() * 0.03);
        graph << QStringLiteral("[c1]scale=%1:-2[small]").arg(even(plan.cell.width() / 3.0))
              << QStringLiteral("[c0][small]overlay=W-w-%1:%1[base]").arg(margin);
    } else {
        graph << QStringLiteral("[c0][c1][c2][c3]xstack=inputs=4:layout=0_0|w0_0|0_h0|w0_h0[base]");
    }
    QString last = QStringLiteral("[base]");
    if (plan.bandHeight > 0) {
        graph << QStringLiteral("[base][%1:v]overlay=0:H-h:eof_action=pass:format=yuv420[ov]")
                     .arg(overlayInput);
        last = QStringLiteral("[ov]");
    }
    if (!encoder.uploadFilter.isEmpty()) {
        graph << last + encoder.uploadFilter + QStringLiteral("[up]");
        last = QStringLiteral("[up]");
    }
    args << "-filter_complex" << graph.join(QLatin1Char(';')) << "-map" << last;
    if (plan.audio)
        args << "-map" << "[aout]" << "-c:a" << "aac" << "-b:a" << "128k";
    else
        args << "-an";
    const QualitySettings quality = ExportNames::qualitySettings(options.quality);
    args << encoder.codecOptions(quality.x264Preset, plan.kbit);
    args << "-frames:v" << QString::number(plan.frames) << "-t" << seconds(plan.seconds)
         << "-movflags" << "+faststart" << "-progress" << "pipe:1" << "-f" << "mp4" << target;
    return args;
}

Where locate(const QList<ClipPiece> &pieces, double at)
{
    Where where;
    double start = 0;
    for (const ClipPiece &piece : pieces) {
        where.recording = piece.recording;
        where.second = piece.from + qMin(at - start, piece.length);
        if (at < start + piece.length)
            break;
        start += piece.length;
    }
    return where;
}

namespace {

// ffmpeg's "-progress" lines: out_time_us=12345678 among others.
double progressSeconds(QByteArray &pending, QProcess &process)
{
    pending += process.readAllStandardOutput();
    double latest = -1;
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        if (line.startsWith("out_time_us=")) {
            bool ok = false;
            const qint64 us = line.mid(12).toLongLong(&ok);
            if (ok && us >= 0)
                latest = us / 1e6;
        }
    }
    return latest;
}

} // namespace

ExportResult run(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                 const ExportOptions &options, const CancelFlag &cancel,
                 const ExportProgress &progress)
{
    ExportResult result;
    const QString program = FfmpegTools::ffmpeg();
    if (program.isEmpty()) {
        result.error = QCoreApplication::translate("ClipRender", "ffmpeg was not found on the search path");
        return result;
    }
    const Plan p = plan(recordings, pieces, options);
    if (!p.error.isEmpty()) {
        result.error = p.error;
        return result;
    }
    OutputFile out(options.output, false);
    if (!out.prepare(&result.error))
        return result;

    std::unique_ptr<OverlayPainter> painter;
    if (p.bandHeight > 0)
        painter = std::make_unique<OverlayPainter>(QSize(p.output.width(), p.bandHeight),
                                                   options.overlay, options.mph, options.text,
                                                   OverlaySamples::track(recordings, pieces));
    QProcess ffmpeg;
    ffmpeg.start(program, arguments(recordings, pieces, options, p, out.temporaryPath()));
    if (!ffmpeg.waitForStarted(30000)) {
        result.error = QCoreApplication::translate("ClipRender", "ffmpeg could not be started");
        return result;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray pending;
    double done = 0;
    auto report = [&](double secondsDone) {
        if (secondsDone < 0 || !progress)
            return;
        done = qMax(done, secondsDone);
        const double fraction = qBound(0.0, done / p.seconds, 1.0);
        const int left = fraction > 0.02
                             ? int(clock.elapsed() / 1000.0 * (1 - fraction) / fraction + 0.5)
                             : -1;
        progress(fraction, left);
    };
    auto abandon = [&](const QString &why, bool cancelled) {
        ffmpeg.kill();
        ffmpeg.waitForFinished(10000);
        result.cancelled = cancelled;
        result.error = why;
        return result; // `out` removes the partial file as it goes
    };

    if (painter) {
        const qint64 frameBytes = qint64(p.output.width()) * p.bandHeight * 4;
        for (qint64 k = 0; k < p.frames; ++k) {
            const Where where = locate(pieces, k / p.frameRate);
            const QImage &frame =
                painter->paint(OverlaySamples::at(recordings[where.recording], where.second,
                                                  options.clock));
            ffmpeg.write(reinterpret_cast<const char *>(frame.constBits()), frameBytes);
            while (ffmpeg.bytesToWrite() > kFramesInFlight * frameBytes) {
                if (cancel.load())
                    return abandon(QCoreApplication::translate("ClipRender", "cancelled"), true);
                if (ffmpeg.state() != QProcess::Running)
                    break;
                ffmpeg.waitForBytesWritten(kPollMs);
                report(progressSeconds(pending, ffmpeg));
            }
            if (cancel.load())
                return abandon(QCoreApplication::translate("ClipRender", "cancelled"), true);
            if (ffmpeg.state() != QProcess::Running)
                break;
            report(progressSeconds(pending, ffmpeg));
        }
        while (ffmpeg.bytesToWrite() > 0 && ffmpeg.state() == QProcess::Running) {
            if (cancel.load())
                return abandon(QCoreApplication::translate("ClipRender", "cancelled"), true);
            ffmpeg.waitForBytesWritten(kPollMs);
        }
        ffmpeg.closeWriteChannel();
    } else {
        ffmpeg.closeWriteChannel();
    }
    while (!ffmpeg.waitForFinished(kPollMs)) {
        if (cancel.load())
            return abandon(QCoreApplication::translate("ClipRender", "cancelled"), true);
        report(progressSeconds(pending, ffmpeg));
    }
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        const QString why = lastLine(ffmpeg.readAllStandardError());
        result.error = why.isEmpty() ? QCoreApplication::translate("ClipRender", "ffmpeg failed") : QCoreApplication::translate("ClipRender", "ffmpeg failed: %1").arg(why);
        return result;
    }
    if (!out.commit(&result.error))
        return result;
    report(p.seconds);
    result.ok = true;
    result.output = options.output;
    return result;
}

} // namespace ClipRender
