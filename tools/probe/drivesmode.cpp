#include "library/drivereport.h"
#include "tools/probe/probe.h"

#include <QIODevice>
#include <QJsonDocument>

namespace Probe {

int runDrivesMode(const QString &folder, QIODevice &out)
{
    const DriveReport::Card card = DriveReport::readFolder(folder);
    out.write(QJsonDocument(DriveReport::drivesJson(card)).toJson(QJsonDocument::Indented));
    return 0;
}

int runEventsMode(const QString &folder, QIODevice &out)
{
    const DriveReport::Card card = DriveReport::readFolder(folder);
    out.write(QJsonDocument(DriveReport::eventsJson(card, DriveEvents::Thresholds()))
                  .toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace Probe
