#pragma once

#include <QMetaType>

// The map provider; the stored value of the "maps" setting and the index of the map list
// in the settings dialog, so the numbers are part of the settings file.
enum MapTypes : int {
    BaiduMap = 0,
    GoogleMap = 1,
    OpenStreetMap = 2,
};

Q_DECLARE_METATYPE(MapTypes)
