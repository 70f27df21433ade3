#include "app/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

const QStringList kHelpNames = {QStringLiteral("h"), QStringLiteral("help")};
const QStringList kVersionNames = {QStringLiteral("v"), QStringLiteral("version")};

} // namespace

bool CommandLine::asksForInformation(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        // After "--" everything is a path, even "--help".
        if (argument == QLatin1String("--"))
            return false;
        for (const QStringList &names : {kHelpNames, kVersionNames}) {
            for (const QString &name : names) {
                const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
                if (argument == dashes + name)
                    return true;
            }
        }
    }
    return false;
}

QString CommandLine::information(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Plays dash-camera recordings with their track on a map, speed and G-sensor."));
    // Qt's own options ("-platform xcb") are single-dash words; they must not be taken
    // apart into letters, one of which could be -v or -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(kHelpNames, tr("Print this help and exit."));
    const QCommandLineOption version(kVersionNames, tr("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(tr("path"), tr("A folder of recordings, or one recording, to open."),
                                 tr("[FOLDER | FILE]"));
    // Unknown options are Qt's or the web engine's; they are no error here.
    parser.parse(arguments);
    if (parser.isSet(help))
        return parser.helpText();
    return QCoreApplication::applicationName() + QLatin1Char('\n');
}
