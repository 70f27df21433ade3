#pragma once

#include "instruments/mappoint.h"

#include <QObject>

// The whole track of the recording that plays, with its playlist row. The main window owns
// one and lends the map view a pointer, so that a reloaded map page can draw it again.
struct GPSUser : public QObjectUserData
{
    int rowId = -1;
    QVector<QVector<double>> track;
};
