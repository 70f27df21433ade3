#pragma once

#include "parser/gpsdiagnosis.h"

#include <QCoreApplication>
#include <QString>

// A recording's GPS diagnosis in words a user can act on: the playlist's row tooltip and
// "waylume-probe --explain".
class GpsExplanation
{
    Q_DECLARE_TR_FUNCTIONS(GpsExplanation)
public:
    // Empty while the recording has not been examined.
    static QString text(const GpsDiagnosis &diagnosis);
    // "Ambarella track", "GPS box table", ...
    static QString arrangementName(GpsSourceKind kind);
};
