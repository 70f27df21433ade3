#pragma once

// Comparisons between what the simulator wrote and what the parser decoded, shared by the
// end-to-end tests of tools/.

#include "parser/gpsdata.h"
#include "tools/simulator/recordingsimulator.h"

#include <QString>
#include <cmath>

namespace SimulatorCheck {

// The first record the decoder reads from a slot the camera filled: the audio-chunk and
// JLDV families have no slot for record 0.
inline int firstFilledRecord(Simulator::Arrangement a)
{
    return (a == Simulator::Arrangement::AviAudioChunks || a == Simulator::Arrangement::JldvAudio)
               ? 1
               : 0;
}

// Empty when the record matches the fix within the precision of the record's text fields.
inline QString mismatch(const GpsData &got, const Simulator::Fix &want, bool decimalDegrees)
{
    // Six digits of minutes with four decimals, or of millionths of a degree.
    const double angle = decimalDegrees ? 0.6e-6 : 0.6e-4 / 60.0;
    const QString time = want.time.toString(QStringLiteral("yyyyMMddhhmmss"));
    if (QLatin1String(got.dateTime) != time)
        return QStringLiteral("dateTime %1 != %2").arg(QLatin1String(got.dateTime), time);
    if (std::abs(got.latitude - want.latitude) > angle)
        return QStringLiteral("latitude %1 != %2").arg(got.latitude, 0, 'f', 8).arg(want.latitude);
    if (std::abs(got.longitude - want.longitude) > angle)
        return QStringLiteral("longitude %1 != %2")
            .arg(got.longitude, 0, 'f', 8)
            .arg(want.longitude);
    if (got.latHemisphere != (want.latitude < 0 ? 'S' : 'N') ||
        got.lonHemisphere != (want.longitude < 0 ? 'W' : 'E'))
        return QStringLiteral("hemispheres %1%2").arg(got.latHemisphere).arg(got.lonHemisphere);
    if (got.speed != want.speed || got.extraNumber != want.extraNumber)
        return QStringLiteral("speed %1 / extra %2").arg(got.speed).arg(got.extraNumber);
    const float g[] = {got.gsensorX, got.gsensorY, got.gsensorZ};
    const float w[] = {want.gsensorX, want.gsensorY, want.gsensorZ};
    for (int axis = 0; axis < 3; ++axis) {
        if (std::abs(g[axis] - w[axis]) > 0.0051f)
            return QStringLiteral("gsensor axis %1: %2 != %3").arg(axis).arg(g[axis]).arg(w[axis]);
    }
    if (got.extraChar1 != want.extraChar1 || got.extraChar2 != want.extraChar2 ||
        QByteArray(got.extraText).trimmed() != want.extraText.trimmed())
        return QStringLiteral("pass-through fields");
    return QString();
}

} // namespace SimulatorCheck
