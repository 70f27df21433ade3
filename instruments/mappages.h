#pragma once

#include "instruments/mappoint.h"
#include "settings/maptypes.h"

#include <QString>
#include <QUrl>
#include <QVector>

// The contract between the map view and its HTML pages: which file each provider's page
// is, the query items it is opened with, and the exact text of every statement it is
// sent. Numbers go out fixed-point with six decimals so that every page parses the same
// text whatever the locale.
namespace MapPages {

// The "maps" folder beside the executable.
QString directory();

// The page of a map type opened for a language index of the settings, with its default
// centre; an empty URL for a value that names no provider.
QUrl pageUrl(int mapType, int languageIndex, const QString &pagesDirectory = directory());

// Tests serve the OpenStreetMap page's tiles from a server of their own on this machine
// (127.0.0.1, plain HTTP, the port given; 0 ends it). Only code can set it: no setting, file
// or argument reaches it, and the request guard lets that one origin through only while set.
void setLocalTileServerForTesting(quint16 port);
quint16 localTileServerPort();

QString clearAllStatement();
QString addPointStatement(const MapPoint &point);
QString currentPointStatement(const MapPoint &point);
QString centerStatement(double longitude, double latitude);
QString trackPointStatement(double longitude, double latitude, int position, int count);

// A marker with a label on the map for each moment; labels go out as JSON strings, so any
// text is safe inside the statement.
struct EventMark
{
    double longitude = 0;
    double latitude = 0;
    QString label;
};
QString eventMarksStatement(const QVector<EventMark> &marks);

} // namespace MapPages
