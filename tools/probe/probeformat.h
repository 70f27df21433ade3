#pragma once

#include "parser/gpsdata.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Probe {

QByteArray toJson(const QString &path, GpsSourceKind kind, const VideoInfo &info,
                  const QList<GpsData> &records);
QByteArray toCsv(const QList<GpsData> &records);
QByteArray toGpx(const QString &path, const QList<GpsData> &records);

} // namespace Probe
