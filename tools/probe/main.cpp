// waylume-probe [--raw] [--format json|csv|gpx] FILE...
// waylume-probe --scan FOLDER
// waylume-probe --front FILE
// waylume-probe --trip FOLDER [--format gpx|kml|csv]
// waylume-probe --explain FILE
// waylume-probe --drives FOLDER
// waylume-probe --events FOLDER
//
// Scripts depend on this contract: exit 0 whenever the files were examined (with or without
// GPS, also when it cannot be opened), exit 2 with a usage message for bad arguments.

#include "parser/parserobject.h"
#include "tools/probe/probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <cstdio>

namespace {

const char Usage[] = "usage: waylume-probe [--raw] [--format json|csv|gpx] FILE...\n"
                     "       waylume-probe --scan FOLDER\n"
                     "       waylume-probe --front FILE\n"
                     "       waylume-probe --trip FOLDER [--format gpx|kml|csv]\n"
                     "       waylume-probe --explain FILE\n"
                     "       waylume-probe --drives FOLDER\n"
                     "       waylume-probe --events FOLDER\n";

enum class Mode
{
    File,
    Scan,
    Front,
    Trip,
    Explain,
    Drives,
    Events
};

int usageError(const QString &problem)
{
    fprintf(stderr, "waylume-probe: %s\n%s", qPrintable(problem), Usage);
    return 2;
}

// The readers report damaged input on the debug channel; a probe over a folder of camera
// files would drown its caller's terminal in them. Warnings and worse still go through.
void quietDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietDebug);
    // Categorised debug lines are then not even formatted.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    Probe::FileOptions file;
    Mode mode = Mode::File;
    bool formatGiven = false;
    QStringList positional;
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            fputs(Usage, stdout);
            return 0;
        } else if (arg == QLatin1String("--scan") || arg == QLatin1String("--front") ||
                   arg == QLatin1String("--trip") || arg == QLatin1String("--explain") ||
                   arg == QLatin1String("--drives") || arg == QLatin1String("--events")) {
            if (mode != Mode::File)
                return usageError(QStringLiteral(
                    "--scan, --front, --trip, --explain, --drives and --events exclude each other"));
            mode = arg == QLatin1String("--scan")     ? Mode::Scan
                   : arg == QLatin1String("--front")  ? Mode::Front
                   : arg == QLatin1String("--trip")   ? Mode::Trip
                   : arg == QLatin1String("--drives") ? Mode::Drives
                   : arg == QLatin1String("--events") ? Mode::Events
                                                      : Mode::Explain;
        } else if (arg == QLatin1String("--raw")) {
            file.raw = true;
        } else if (arg == QLatin1String("--format") || arg.startsWith(QLatin1String("--format="))) {
            QString value;
            if (arg.contains(QLatin1Char('='))) {
                value = arg.section(QLatin1Char('='), 1);
            } else if (i + 1 < args.size()) {
                value = args.at(++i);
            } else {
                return usageError(QStringLiteral("--format needs a value"));
            }
            if (value == QLatin1String("json"))
                file.format = Probe::Format::Json;
            else if (value == QLatin1String("csv"))
                file.format = Probe::Format::Csv;
            else if (value == QLatin1String("gpx"))
                file.format = Probe::Format::Gpx;
            else if (value == QLatin1String("kml"))
                file.format = Probe::Format::Kml;
            else
                return usageError(QStringLiteral("unknown format \"%1\"").arg(value));
            formatGiven = true;
        } else {
            return usageError(QStringLiteral("unknown option \"%1\"").arg(arg));
        }
    }
    if (positional.isEmpty())
        return usageError(QStringLiteral("no file given"));
    if (mode != Mode::File && positional.size() != 1)
        return usageError(QStringLiteral("a mode takes one path"));
    file.paths = positional;
    if (mode == Mode::Trip) {
        if (file.raw || (formatGiven && file.format == Probe::Format::Json))
            return usageError(QStringLiteral("--trip writes gpx, kml or csv"));
    } else if (mode != Mode::File && (file.raw || formatGiven)) {
        return usageError(QStringLiteral("--raw and --format go with recordings only"));
    } else if (file.format == Probe::Format::Kml) {
        return usageError(QStringLiteral("kml goes with --trip"));
    }

    ParserObject::setParseDelayMs(0);
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    switch (mode) {
    case Mode::Scan:
        return Probe::runScanMode(file.paths.first(), out);
    case Mode::Front:
        return Probe::runFrontMode(file.paths.first(), out);
    case Mode::Trip: {
        // Without --format a trip is GPX.
        const TrackFormat format = !formatGiven                          ? TrackFormat::Gpx
                                   : file.format == Probe::Format::Kml ? TrackFormat::Kml
                                   : file.format == Probe::Format::Csv ? TrackFormat::Csv
                                                                       : TrackFormat::Gpx;
        return Probe::runTripMode(file.paths.first(), format, out);
    }
    case Mode::Explain:
        return Probe::runExplainMode(file.paths.first(), out);
    case Mode::Drives:
        return Probe::runDrivesMode(file.paths.first(), out);
    case Mode::Events:
        return Probe::runEventsMode(file.paths.first(), out);
    case Mode::File:
        break;
    }
    return Probe::runFileMode(file, out);
}
