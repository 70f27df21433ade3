// waylume-simulate: writes one simulated dash-camera recording.

#include "tools/simulator/cardwriter.h"
#include "tools/simulator/recordingsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage(QCommandLineParser &parser, const QString &problem)
{
    QTextStream err(stderr);
    err << "waylume-simulate: " << problem << "\n\n" << parser.helpText();
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("waylume-simulate"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a dash-camera recording with an embedded GPS/G-sensor track."));
    parser.addHelpOption();
    const QCommandLineOption kind(
        QStringLiteral("kind"),
        QStringLiteral("Arrangement: GpsNone, AmbarellaTrack, GpsBoxTable, "
                       "FreeGpsAudio, Gps0Box, SStarTrack, GpsMetaTrack, "
                       "AviGpslBlock, AviAudioChunks, JldvAudio, GoProGpmf, "
                       "BlackVueBoxes, NmeaTextTrack."),
        QStringLiteral("name"), QStringLiteral("GpsMetaTrack"));
    const QCommandLineOption container(QStringLiteral("container"),
                                       QStringLiteral("mp4, mov or avi (default: by arrangement)."),
                                       QStringLiteral("type"));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Number of GPS records (default 60)."),
                                     QStringLiteral("n"), QStringLiteral("60"));
    const QCommandLineOption duration(QStringLiteral("duration"),
                                      QStringLiteral("Seconds (default: one per record)."),
                                      QStringLiteral("s"), QStringLiteral("0"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Frame size WxH."),
                                  QStringLiteral("WxH"), QStringLiteral("1280x720"));
    const QCommandLineOption fps(QStringLiteral("fps"), QStringLiteral("Frame rate."),
                                 QStringLiteral("rate"), QStringLiteral("30"));
    const QCommandLineOption codec(QStringLiteral("codec"), QStringLiteral("h264 or h265."),
                                   QStringLiteral("codec"), QStringLiteral("h264"));
    const QCommandLineOption created(QStringLiteral("created"),
                                     QStringLiteral("Creation time yyyy-MM-ddTHH:mm:ss (local)."),
                                     QStringLiteral("time"));
    const QCommandLineOption start(QStringLiteral("start"),
                                   QStringLiteral("Time of the first fix (default: --created)."),
                                   QStringLiteral("time"));
    const QCommandLineOption clockOffset(
        QStringLiteral("clock-offset"),
        QStringLiteral("Camera clock less GPS time in seconds: the first fix is --created less "
                       "this (default 0)."),
        QStringLiteral("seconds"));
    const QCommandLineOption timeOfDay(
        QStringLiteral("time-of-day-only"),
        QStringLiteral("Records carry the GPS time of day, no date."));
    const QCommandLineOption lat(QStringLiteral("lat"), QStringLiteral("Start latitude."),
                                 QStringLiteral("deg"), QStringLiteral("22.5392"));
    const QCommandLineOption lon(QStringLiteral("lon"), QStringLiteral("Start longitude."),
                                 QStringLiteral("deg"), QStringLiteral("113.9353"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Track seed."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption sound(QStringLiteral("sound"),
                                   QStringLiteral("Add a silent sound track."));
    const QCommandLineOption real(QStringLiteral("real-video"),
                                  QStringLiteral("Encode real video with ffmpeg."));
    const QCommandLineOption handler(QStringLiteral("handler"),
                                     QStringLiteral("Metadata track handler name."),
                                     QStringLiteral("name"));
    const QCommandLineOption marker(
        QStringLiteral("marker-offset"),
        QStringLiteral("freeGPS marker distance: 65540, 131076, 262148."), QStringLiteral("d"),
        QStringLiteral("65540"));
    const QCommandLineOption large(QStringLiteral("gps0-large"),
                                   QStringLiteral("Write the gps0 box with a 64-bit size."));
    const QCommandLineOption card(
        QStringLiteral("card"),
        QStringLiteral("Write the folder tree of a camera layout's card into the output folder "
                       "instead of one recording: ") +
            Simulator::cardLayouts().join(QStringLiteral(", ")) +
            QStringLiteral(". Empty videos unless --real-video is given."),
        QStringLiteral("layout"));
    const QCommandLineOption cardRecordings(
        QStringLiteral("card-recordings"),
        QStringLiteral("With --card: recordings in the card's main folder (default 4)."),
        QStringLiteral("n"), QStringLiteral("4"));
    const QCommandLineOption font(QStringLiteral("font"),
                                  QStringLiteral("With --card --real-video: a TrueType font "
                                                 "for the camera label in the picture."),
                                  QStringLiteral("file"));
    const QCommandLineOption sidecar(
        QStringLiteral("sidecar"),
        QStringLiteral("Also write the track beside the recording: gpx, nmea or blackvue "
                       "(<date>_<time>_<type>.gps and .3gf; the file must be named "
                       "<date>_<time>_<type><channel>). May be given more than once."),
        QStringLiteral("kind"));
    parser.addOptions({kind, container, records, duration, size, fps, codec, created, start,
                       clockOffset, timeOfDay, lat, lon, seed, sound, real, handler, marker,
                       large, card, cardRecordings, font, sidecar});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Output file."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(parser, QStringLiteral("exactly one output file expected"));

    if (parser.isSet(card)) {
        Simulator::CardOptions options;
        bool ok = false;
        options.recordings = parser.value(cardRecordings).toInt(&ok);
        if (!ok || options.recordings < 1 || options.recordings > 100000)
            return usage(parser, QStringLiteral("invalid --card-recordings"));
        options.realVideo = parser.isSet(real);
        const double seconds = parser.value(duration).toDouble(&ok);
        if (ok && seconds > 0)
            options.duration = seconds;
        options.fontFile = parser.value(font);
        QString error;
        if (!Simulator::writeCard(parser.value(card), parser.positionalArguments().first(),
                                  options, nullptr, &error)) {
            QTextStream(stderr) << "waylume-simulate: " << error << "\n";
            return 1;
        }
        return 0;
    }

    Simulator::Recording recording;
    if (!Simulator::arrangementFromName(parser.value(kind), &recording.arrangement))
        return usage(parser, QStringLiteral("unknown arrangement ") + parser.value(kind));
    const QString type = parser.value(container).toLower();
    if (type == QLatin1String("mp4"))
        recording.container = Simulator::Container::Mp4;
    else if (type == QLatin1String("mov"))
        recording.container = Simulator::Container::Mov;
    else if (type == QLatin1String("avi"))
        recording.container = Simulator::Container::Avi;
    else if (!type.isEmpty())
        return usage(parser, QStringLiteral("unknown container ") + type);

    bool ok = true;
    bool all = true;
    const int count = parser.value(records).toInt(&ok);
    all &= ok && count >= 0 && count <= 1000000;
    recording.duration = parser.value(duration).toDouble(&ok);
    all &= ok;
    const QStringList wh = parser.value(size).split(QLatin1Char('x'));
    all &= wh.size() == 2;
    if (wh.size() == 2) {
        recording.width = wh[0].toInt(&ok);
        all &= ok;
        recording.height = wh[1].toInt(&ok);
        all &= ok;
    }
    recording.frameRate = parser.value(fps).toDouble(&ok);
    all &= ok;
    Simulator::TrackShape shape;
    shape.latitude = parser.value(lat).toDouble(&ok);
    all &= ok;
    shape.longitude = parser.value(lon).toDouble(&ok);
    all &= ok;
    shape.seed = parser.value(seed).toUInt(&ok);
    all &= ok;
    recording.freeGpsMarkerOffset = parser.value(marker).toInt(&ok);
    all &= ok;
    const QString codecName = parser.value(codec).toLower();
    all &= codecName == QLatin1String("h264") || codecName == QLatin1String("h265");
    recording.codec =
        codecName == QLatin1String("h265") ? Simulator::Codec::H265 : Simulator::Codec::H264;
    if (parser.isSet(created)) {
        recording.creationTime = QDateTime::fromString(parser.value(created), Qt::ISODate);
        all &= recording.creationTime.isValid();
        shape.start = recording.creationTime;
    }
    if (parser.isSet(start)) {
        shape.start = QDateTime::fromString(parser.value(start), Qt::ISODate);
        all &= shape.start.isValid();
    }
    if (parser.isSet(clockOffset)) {
        const qint64 seconds = parser.value(clockOffset).toLongLong(&ok);
        all &= ok && recording.creationTime.isValid() && !parser.isSet(start);
        shape.start = recording.creationTime.addSecs(-seconds);
    }
    if (!all)
        return usage(parser, QStringLiteral("invalid option value"));
    QList<Simulator::Sidecar> sidecars;
    for (const QString &name : parser.values(sidecar)) {
        Simulator::Sidecar side;
        if (!Simulator::sidecarFromName(name, &side))
            return usage(parser, QStringLiteral("unknown sidecar ") + name);
        sidecars.append(side);
    }

    if (recording.arrangement == Simulator::Arrangement::JldvAudio)
        shape.intervalMs = 500;
    recording.track = Simulator::makeTrack(count, shape);
    for (Simulator::Fix &fix : recording.track)
        fix.timeOfDayOnly = parser.isSet(timeOfDay);
    recording.soundTrack = parser.isSet(sound);
    recording.realVideo = parser.isSet(real);
    recording.handlerName = parser.value(handler);
    recording.gps0LargeSize = parser.isSet(large);

    QString error;
    const QString output = parser.positionalArguments().first();
    bool written = Simulator::write(recording, output, &error);
    for (const Simulator::Sidecar side : qAsConst(sidecars))
        written = written && Simulator::writeSidecar(recording, output, side, nullptr, &error);
    if (!written) {
        QTextStream(stderr) << "waylume-simulate: " << error << "\n";
        return 1;
    }
    return 0;
}
