// waylume-demo: writes the demo card that ./run opens when it is given no folder: three
// consecutive recordings of one drive, front and rear, named as letter-scheme cameras name
// them, with real H.264 video on which the clock and the speed are burned in.

#include "tools/demo/roadscene.h"
#include "tools/simulator/recordingsimulator.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QtMath>
#include <cstdio>

namespace {

const int kRecordings = 3;
const int kSeconds = 30; // per recording
const int kFps = 25;
const QSize kSize(1280, 720);
// The road loop repeats every 24 m (two dash periods, one post period... both divide it),
// driven in two seconds.
const double kLoopMetres = 24.0;
const int kLoopFrames = 2 * kFps;
// Named anew whenever the card's content changes, so that ./run writes a card kept from an
// older build again.
const char *const kComplete = ".complete-2";
// The demo camera's clock runs an hour ahead of its GPS, as a clock set in winter and never
// moved for summer time does: the player has something to correct.
const qint64 kClockAheadSeconds = 3600;

// Speed in km/h at second t of the drive: away from a junction, cruising, a hard stop for
// something on the road in the middle recording, and on again.
double speedAt(int t)
{
    static const double braking[] = {62, 60, 33, 12, 9, 10};
    if (t < 8)
        return 28 + 4 * t;
    if (t < 43)
        return 60 + 5 * std::sin(t / 6.0);
    if (t < 49)
        return braking[t - 43];
    if (t < 60)
        return 10 + 4.2 * (t - 48);
    return 56 + 5 * std::sin(t / 5.0);
}

QVector<Simulator::Fix> drive(const QDateTime &start)
{
    QRandomGenerator random(17);
    QVector<Simulator::Fix> track;
    double latitude = 47.6613;
    double longitude = 9.3172;
    const int total = kRecordings * kSeconds;
    for (int t = 0; t < total; ++t) {
        const double speed = speedAt(t);
        const double next = speedAt(t + 1);
        const double heading = 72 + 28 * std::sin(t / 24.0);
        Simulator::Fix fix;
        fix.time = start.addSecs(t);
        fix.latitude = latitude;
        fix.longitude = longitude;
        fix.speed = int(qRound(speed));
        // Longitudinal acceleration in g (forward positive), a little road noise.
        fix.gsensorY = float((next - speed) / 3.6 / 9.81 + random.bounded(-4, 5) / 100.0);
        fix.gsensorX = float(28.0 / 24.0 * std::cos(t / 24.0) * speed / 3.6 / 57.3 / 9.81 +
                             random.bounded(-4, 5) / 100.0);
        fix.gsensorZ = float(1.0 + random.bounded(-3, 4) / 100.0);
        fix.extraNumber = t;
        track.append(fix);
        const double metres = speed / 3.6;
        latitude += metres * qCos(qDegreesToRadians(heading)) / 111320.0;
        longitude += metres * qSin(qDegreesToRadians(heading)) /
                     (111320.0 * qCos(qDegreesToRadians(latitude)));
    }
    return track;
}

bool run(const QStringList &args, QString *error)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (ffmpeg.waitForFinished(300000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
        ffmpeg.exitCode() == 0)
        return true;
    *error = QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(ffmpeg.readAll());
    return false;
}

// Two seconds of road that loop seamlessly, as a small H.264 clip.
bool writeRoadLoop(const QString &folder, bool rear, const QString &clip, QString *error)
{
    const QString prefix = folder + (rear ? QStringLiteral("/rear") : QStringLiteral("/front"));
    for (int i = 0; i < kLoopFrames; ++i) {
        const double travelled = kLoopMetres * i / kLoopFrames;
        if (!roadScene(kSize, travelled, rear)
                 .save(prefix + QStringLiteral("%1.bmp").arg(i, 2, 10, QLatin1Char('0')))) {
            *error = QStringLiteral("cannot write frames to ") + folder;
            return false;
        }
    }
    return run({"-v", "error", "-y", "-framerate", QString::number(kFps), "-i",
                prefix + QStringLiteral("%02d.bmp"), "-c:v", "libx264", "-preset", "ultrafast",
                "-crf", "14", "-pix_fmt", "yuv420p", clip},
               error);
}

QString quoted(const QString &value)
{
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// The clock and the speed as dash cameras burn them in, one speed per second.
QString overlay(const QString &font, const QString &commands, const QDateTime &start)
{
    const qint64 epoch = QDateTime(start.date(), start.time(), Qt::UTC).toSecsSinceEpoch();
    const QString style = QStringLiteral(
        "fontsize=30:fontcolor=white:borderw=2:bordercolor=black@0.8:y=h-th-26");
    return QStringLiteral("sendcmd=f=%1,"
                          "drawtext@speed=fontfile=%2:text=' ':%3:x=w-tw-32,"
                          "drawtext=fontfile=%2:text='%{pts\\:gmtime\\:%4}':%3:x=32")
        .arg(quoted(commands), quoted(font), style)
        .arg(epoch);
}

bool writeSpeedCommands(const QString &path, const QVector<Simulator::Fix> &fixes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (int s = 0; s < fixes.size(); ++s)
        out << s << ".0 drawtext@speed reinit 'text=" << fixes[s].speed << " km/h';\n";
    return true;
}

bool writeCard(const QString &folder, const QString &font, QString *error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString frontLoop = work.filePath(QStringLiteral("front.mp4"));
    const QString rearLoop = work.filePath(QStringLiteral("rear.mp4"));
    if (!writeRoadLoop(work.path(), false, frontLoop, error) ||
        !writeRoadLoop(work.path(), true, rearLoop, error))
        return false;

    // GPS time (UTC) of the first fix; the names, creation times and burned-in clock are
    // the camera's.
    const QDateTime start(QDate(2024, 5, 17), QTime(7, 30, 0), Qt::UTC);
    const QVector<Simulator::Fix> track = drive(start);
    const QDateTime cameraStart = start.addSecs(kClockAheadSeconds);
    for (int k = 0; k < kRecordings; ++k) {
        const QDateTime begins = cameraStart.addSecs(k * kSeconds);
        const QVector<Simulator::Fix> fixes = track.mid(k * kSeconds, kSeconds);
        const QString commands = work.filePath(QStringLiteral("speed%1.txt").arg(k));
        if (!writeSpeedCommands(commands, fixes)) {
            *error = QStringLiteral("cannot write ") + commands;
            return false;
        }
        const QString stamp = begins.toString(QStringLiteral("yyyyMMdd_hhmmss"));
        // Front and rear are encoded side by side: each ffmpeg runs on one core.
        QString errors[2];
        bool written[2] = {false, false};
        QThread *workers[2];
        for (int channel = 0; channel < 2; ++channel) {
            const bool rear = channel == 1;
            Simulator::Recording r;
            // The middle recording comes from a camera that keeps its GPS in another way.
            r.arrangement = rear ? Simulator::Arrangement::None
                            : k == 1 ? Simulator::Arrangement::GpsBoxTable
                                     : Simulator::Arrangement::GpsMetaTrack;
            if (!rear)
                r.track = fixes;
            r.duration = kSeconds;
            r.width = kSize.width();
            r.height = kSize.height();
            r.frameRate = kFps;
            r.creationTime = QDateTime(begins.date(), begins.time(), Qt::LocalTime);
            r.realVideo = true;
            r.videoInput = QStringList{QStringLiteral("-stream_loop"), QStringLiteral("-1"),
                                       QStringLiteral("-i"), rear ? rearLoop : frontLoop};
            r.videoFilter = overlay(font, commands, begins);
            const QString name = QStringLiteral("%1_%2%3.MP4")
                                     .arg(stamp)
                                     .arg(10 * k + (rear ? 2 : 1), 7, 10, QLatin1Char('0'))
                                     .arg(rear ? QLatin1Char('R') : QLatin1Char('F'));
            const QString path = folder + QLatin1Char('/') + name;
            QString *channelError = &errors[channel];
            bool *done = &written[channel];
            workers[channel] = QThread::create(
                [r, path, channelError, done] { *done = Simulator::write(r, path, channelError); });
            workers[channel]->start();
        }
        for (QThread *worker : workers) {
            worker->wait();
            delete worker;
        }
        for (int channel = 0; channel < 2; ++channel) {
            if (!written[channel]) {
                *error = errors[channel];
                return false;
            }
        }
    }
    QFile marker(folder + QLatin1Char('/') + QLatin1String(kComplete));
    return marker.open(QIODevice::WriteOnly);
}

QString defaultFont()
{
    const QString beside = QCoreApplication::applicationDirPath() +
                           QStringLiteral("/resources/fonts/wqy-microhei.ttf");
    return QFile::exists(beside) ? beside
                                 : QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc");
}

} // namespace

int main(int argc, char *argv[])
{
    // Frames are painted into images; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the demo card: three consecutive recordings of a drive, front and rear."));
    parser.addHelpOption();
    QCommandLineOption force(QStringLiteral("force"),
                             QStringLiteral("Write the card again even when it is complete."));
    QCommandLineOption font(QStringLiteral("font"), QStringLiteral("Font for the burned-in text."),
                            QStringLiteral("file"), defaultFont());
    parser.addOptions({force, font});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Card folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QString folder = QDir(parser.positionalArguments().first()).absolutePath();
    if (!parser.isSet(force) && QFile::exists(folder + QLatin1Char('/') + QLatin1String(kComplete)))
        return 0;
    // Written aside and moved into place, so an interrupted run leaves no half card.
    const QString partial = folder + QStringLiteral(".part");
    QDir(partial).removeRecursively();
    QString error;
    if (!QDir().mkpath(partial) || !writeCard(partial, parser.value(font), &error)) {
        std::fprintf(stderr, "waylume-demo: %s\n", qPrintable(error));
        QDir(partial).removeRecursively();
        return 1;
    }
    QDir(folder).removeRecursively();
    if (!QDir().rename(partial, folder)) {
        std::fprintf(stderr, "waylume-demo: cannot move the card to %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%s\n", qPrintable(folder));
    return 0;
}
