#pragma once

#include "parser/telemetry.h"

#include <QByteArray>
#include <QVector>

// GoPro's GPMF telemetry, as the camera writes it into the samples of its "gpmd" track.
class GpmfReader
{
public:
    struct Sample
    {
        QByteArray payload;
        double start = 0;    // seconds since the recording's start
        double duration = 0; // seconds the sample covers
    };

    // Adds the GPS and accelerometer streams of one sample to telemetry.
    static void readSample(const Sample &sample, Telemetry &telemetry);
    static Telemetry read(const QVector<Sample> &samples);
};
