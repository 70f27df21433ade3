#include "library/gpsexplanation.h"
#include "library/trip.h"
#include "tools/probe/probe.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

namespace Probe {

int runTripMode(const QString &folder, TrackFormat format, QIODevice &out)
{
    const QString title = QFileInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())).fileName();
    out.write(TrackExport::write(format, title, Trip::collectFolder(folder),
                                 QStringLiteral("waylume-probe")));
    return 0;
}

int runExplainMode(const QString &file, QIODevice &out)
{
    out.write(GpsExplanation::text(Trip::read(file).diagnosis).toUtf8() + '\n');
    return 0;
}

} // namespace Probe
