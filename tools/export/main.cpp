// waylume-export: an incident clip (or an evidence pack) of a card's recordings from the
// command line, through the same code as the player's export dialog.

#include "export/cliptimeline.h"
#include "export/cliptimes.h"
#include "export/exportjob.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int usage(const QString &problem)
{
    QTextStream(stderr) << "waylume-export: " << problem
                        << "\nTry 'waylume-export --help' for more information.\n";
    return 2;
}

int failure(const QString &problem)
{
    QTextStream(stderr) << "waylume-export: " << problem << "\n";
    return 1;
}

void loadFont()
{
    const QString beside = QCoreApplication::applicationDirPath() +
                           QStringLiteral("/resources/fonts/wqy-microhei.ttf");
    const int id = QFontDatabase::addApplicationFont(beside);
    if (id >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            QGuiApplication::setFont(QFont(families.first()));
    }
}

bool readNumber(const QCommandLineParser &parser, const QString &name, double *value)
{
    bool ok = false;
    *value = parser.value(name).toDouble(&ok);
    return ok && *value >= 0;
}

} // namespace

// Scripts read stderr for the one line that says what went wrong; the library's debug
// lines and Qt's platform notes would bury it.
static void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("WAYLUME_EXPORT_DEBUG"))
        QTextStream(stderr) << message << "\n";
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    // Frames are painted into images; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("waylume-export"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exports a range of a card's recordings as one clip with the channels laid out and "
        "speed, time, position and a map burned in, or as an evidence pack."));
    parser.addHelpOption();
    parser.addOptions({
        {"from", "Start, camera time \"yyyy-MM-dd hh:mm:ss\".", "time"},
        {"to", "End, camera time.", "time"},
        {"row", "Recording number in camera-time order, from 0 (with --at).", "n"},
        {"at", "Seconds into that recording.", "seconds"},
        {"before", "Seconds before --at (default 30).", "seconds", "30"},
        {"after", "Seconds after --at (default 10).", "seconds", "10"},
        {"layout", "side, stack, grid, pip or front (default side).", "layout", "side"},
        {"overlay",
         "Comma-separated: time,speed,position,heading,gforce,map (default all); none for none.",
         "items", "time,speed,position,heading,gforce,map"},
        {"text", "A free text line in the overlay.", "text"},
        {"quality", "high, standard or small (default standard).", "preset", "standard"},
        {"mph", "Speed in MPH instead of km/h."},
        {"time",
         "The overlay's time: local (the camera's clock less its drift, where GPS tells the "
         "offset; default), utc, or camera (as the camera's clock ran).",
         "clock", "local"},
        {"evidence", "Write an evidence pack folder instead of a clip."},
        {{"o", "output"}, "The clip file (or the evidence folder).", "path"},
    });
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The card or folder."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(QStringLiteral("exactly one FOLDER expected"));
    if (!parser.isSet(QStringLiteral("output")))
        return usage(QStringLiteral("-o OUT is required"));
    const bool byTime = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("to"));
    const bool byRow = parser.isSet(QStringLiteral("row")) || parser.isSet(QStringLiteral("at"));
    if (byTime == byRow)
        return usage(QStringLiteral("give either --from and --to, or --row and --at"));

    ExportOptions options;
    if (!ExportNames::layoutFromName(parser.value(QStringLiteral("layout")), &options.layout))
        return usage(QStringLiteral("unknown layout ") + parser.value(QStringLiteral("layout")));
    const QString items = parser.value(QStringLiteral("overlay"));
    if (items.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0 &&
        !ExportNames::overlayFromNames(items.split(QLatin1Char(',')), &options.overlay))
        return usage(QStringLiteral("unknown overlay item in ") + items);
    options.text = parser.value(QStringLiteral("text"));
    if (!options.text.isEmpty())
        options.overlay |= unsigned(OverlayItem::Text);
    if (!ExportNames::qualityFromName(parser.value(QStringLiteral("quality")), &options.quality))
        return usage(QStringLiteral("unknown quality ") + parser.value(QStringLiteral("quality")));
    options.mph = parser.isSet(QStringLiteral("mph"));
    if (!ExportNames::clockFromName(parser.value(QStringLiteral("time")), &options.clock))
        return usage(QStringLiteral("--time takes camera, utc or local"));
    options.output = parser.value(QStringLiteral("output"));

    QDateTime from;
    QDateTime to;
    double at = 0, before = 0, after = 0;
    int row = -1;
    if (byTime) {
        from = ClipTimes::parse(parser.value(QStringLiteral("from")));
        to = ClipTimes::parse(parser.value(QStringLiteral("to")));
        if (!from.isValid() || !to.isValid())
            return usage(QStringLiteral("--from and --to take \"yyyy-MM-dd hh:mm:ss\""));
        if (from >= to)
            return usage(QStringLiteral("--to must come after --from"));
    } else {
        bool ok = false;
        row = parser.value(QStringLiteral("row")).toInt(&ok);
        if (!ok || row < 0 || !readNumber(parser, QStringLiteral("at"), &at) ||
            !readNumber(parser, QStringLiteral("before"), &before) ||
            !readNumber(parser, QStringLiteral("after"), &after) || before + after <= 0)
            return usage(QStringLiteral("--row, --at, --before and --after take numbers >= 0"));
    }

    const QString folder = parser.positionalArguments().first();
    if (!QFileInfo(folder).isDir())
        return failure(QStringLiteral("%1 is not a folder").arg(folder));
    loadFont();
    const QList<ClipRecording> recordings = ClipTimeline::loadFolder(folder);
    if (recordings.isEmpty())
        return failure(QStringLiteral("no recordings in %1").arg(folder));
    if (byRow && row >= recordings.size())
        return failure(QStringLiteral("there is no recording %1 (the card has %2)")
                           .arg(row)
                           .arg(recordings.size()));
    QString error;
    bool cut = false;
    const QDateTime now = byRow ? recordings[row].start.addMSecs(qint64(at * 1000)) : QDateTime();
    if (byRow)
        to = now.addMSecs(qint64(after * 1000));
    const QList<ClipPiece> pieces =
        byRow ? ClipRange::around(recordings, now, before, after, &error, &cut)
              : ClipRange::resolve(recordings, from, to, &error, &cut);
    if (pieces.isEmpty())
        return failure(error);
    if (cut)
        QTextStream(stderr) << "waylume-export: the drive ends before " << ClipTimes::text(to)
                            << "; the clip is " << ClipRange::totalLength(pieces)
                            << " s long\n";

    const CancelFlag cancel{false};
    const ExportResult result = ExportJob::runNow(recordings, pieces, options,
                                                  parser.isSet(QStringLiteral("evidence")),
                                                  cancel, ExportProgress());
    if (!result.ok)
        return failure(result.error);
    QTextStream(stdout) << QDir::toNativeSeparators(result.output) << "\n";
    return 0;
}
