#include "export/overlaysamples.h"

#include "export/cliptimes.h"

#include <QtMath>

#include <cmath>

namespace {

double mix(double a, double b, double f)
{
    return a + (b - a) * f;
}

// Across north the short way: 350 to 10 passes 0, not 180.
double mixCourse(double a, double b, double f)
{
    double delta = std::fmod(b - a + 540.0, 360.0) - 180.0;
    double c = a + delta * f;
    c = std::fmod(c + 360.0, 360.0);
    return c;
}

} // namespace

namespace OverlaySamples {

OverlaySample at(const ClipRecording &recording, double second, const ClockChoice &clock)
{
    OverlaySample s;
    s.timeText = ClipTimes::shownText(recording, second, clock);
    const QList<GpsData> &track = recording.track;
    if (track.isEmpty() || second < 0)
        return s;
    const int i = qMin(int(second), track.size() - 1);
    const GpsData &a = track[i];
    const GpsData &b = i + 1 < track.size() ? track[i + 1] : a;
    // A lost fix is not blended with a real one: the car would fly in from (0, 0).
    const double f = b.hasPosition() == a.hasPosition() ? qBound(0.0, second - i, 1.0) : 0.0;
    s.hasFix = a.hasPosition();
    s.speedKmh = mix(a.speed, b.speed, f);
    s.latitude = mix(a.latitude, b.latitude, f);
    s.longitude = mix(a.longitude, b.longitude, f);
    s.course = mixCourse(a.course, b.course, f);
    s.gsensorX = float(mix(a.gsensorX, b.gsensorX, f));
    s.gsensorY = float(mix(a.gsensorY, b.gsensorY, f));
    s.gsensorZ = float(mix(a.gsensorZ, b.gsensorZ, f));
    return s;
}

QList<QPointF> track(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces)
{
    QList<QPointF> points;
    for (const ClipPiece &piece : pieces) {
        const QList<GpsData> &records = recordings[piece.recording].track;
        const int first = qMax(0, int(piece.from));
        const int last = qMin(records.size() - 1, int(std::ceil(piece.from + piece.length)));
        for (int i = first; i <= last; ++i) {
            if (records[i].hasPosition())
                points.append(QPointF(records[i].longitude, records[i].latitude));
        }
    }
    return points;
}

} // namespace OverlaySamples
