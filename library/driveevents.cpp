#include "library/driveevents.h"

#include "library/drives.h"

#include <QtMath>
#include <cmath>
#include <algorithm>
#include <limits>
#include <vector>

namespace DriveEvents {

namespace {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double correlation(const std::vector<double> &a, const std::vector<double> &b)
{
    const size_t n = std::min(a.size(), b.size());
    if (n < 3)
        return 0;
    double ma = 0, mb = 0;
    for (size_t i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= double(n);
    mb /= double(n);
    double sab = 0, saa = 0, sbb = 0;
    for (size_t i = 0; i < n; ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0;
}

// The G-sensor with its constant part removed, in the car's axes.
struct Motion
{
    std::vector<double> along;  // forward positive
    std::vector<double> across; // sideways
    std::vector<double> up;
};

Motion motionOf(const QList<GpsData> &records)
{
    const size_t n = size_t(records.size());
    std::vector<double> x(n), y(n), z(n);
    // A reading that is not a number (a reader of floats met garbage) counts as none: the
    // median's ordering and every threshold need numbers.
    const auto finite = [](float v) { return std::isfinite(v) ? double(v) : 0.0; };
    for (size_t i = 0; i < n; ++i) {
        x[i] = finite(records.at(int(i)).gsensorX);
        y[i] = finite(records.at(int(i)).gsensorY);
        z[i] = finite(records.at(int(i)).gsensorZ);
    }
    // Gravity and the tilt of the mounting are what stays while the car drives; the median
    // of each axis over the recording is that, untouched by the few seconds of an event.
    const double mx = median(x), my = median(y), mz = median(z);
    for (size_t i = 0; i < n; ++i) {
        x[i] -= mx;
        y[i] -= my;
        z[i] -= mz;
    }
    Motion motion;
    // Most cameras put the driving direction on Y, forward positive. A camera mounted turned
    // (or one that counts braking as positive) shows in how each axis follows the change of
    // the GPS speed; with a clear answer, that decides.
    std::vector<double> change, cx, cy;
    for (size_t i = 0; i + 1 < n; ++i) {
        const GpsData &a = records.at(int(i));
        const GpsData &b = records.at(int(i + 1));
        if (!a.hasPosition() || !b.hasPosition())
            continue;
        change.push_back(double(b.speed - a.speed));
        cx.push_back(x[i]);
        cy.push_back(y[i]);
    }
    const double rx = correlation(change, cx);
    const double ry = correlation(change, cy);
    const bool swap = std::abs(rx) > 0.6 && std::abs(rx) > std::abs(ry) + 0.2;
    const double sign = (swap ? rx : ry) < -0.6 ? -1.0 : 1.0;
    motion.along = swap ? x : y;
    motion.across = swap ? y : x;
    for (double &v : motion.along)
        v *= sign;
    motion.up = z;
    return motion;
}

// A place for second `i`: its own fix, else the nearest one of the recording.
void placeAt(const QList<GpsData> &records, int i, Event &event)
{
    for (int d = 0; d < records.size(); ++d) {
        for (int j : {i - d, i + d}) {
            if (j >= 0 && j < records.size() && records.at(j).hasPosition() &&
                std::isfinite(records.at(j).latitude) && std::isfinite(records.at(j).longitude)) {
                event.latitude = records.at(j).latitude;
                event.longitude = records.at(j).longitude;
                event.hasPosition = true;
                return;
            }
        }
    }
}

// Runs of samples where value(i) passes its threshold become one event each, at the run's
// first sample, as strong as its peak.
template <typename Value>
void runsOf(Kind kind, int count, double perRecord, Value value, double threshold,
            const QList<GpsData> &records, QVector<Event> &out)
{
    int i = 0;
    while (i < count) {
        if (value(i) < threshold) {
            ++i;
            continue;
        }
        Event event;
        event.kind = kind;
        event.second = i * perRecord;
        int end = i;
        while (end < count && value(end) >= threshold) {
            event.strength = std::max(event.strength, value(end));
            ++end;
        }
        event.length = (end - i) * perRecord;
        placeAt(records, i, event);
        out.append(event);
        i = end;
    }
}

double timeline(const Event &event)
{
    // Recordings without a known start keep to themselves.
    return event.time.isValid() ? double(event.time.toMSecsSinceEpoch()) / 1000.0
                                : event.recording * 1.0e7 + event.second;
}

} // namespace

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Impact:
        return "impact";
    case Kind::HardBraking:
        return "hardBraking";
    case Kind::SuddenDeceleration:
        return "suddenDeceleration";
    case Kind::SharpTurn:
        return "sharpTurn";
    case Kind::HardAcceleration:
        return "hardAcceleration";
    case Kind::Speeding:
        return "speeding";
    case Kind::CameraMark:
        return "cameraMark";
    }
    return "unknown";
}

bool hasGsensor(const QList<GpsData> &records)
{
    return std::any_of(records.begin(), records.end(), [](const GpsData &r) {
        return r.gsensorX != 0.0f || r.gsensorY != 0.0f || r.gsensorZ != 0.0f;
    });
}

QVector<Event> detectMotion(int index, const Recording &recording, const Thresholds &thresholds)
{
    QVector<Event> events;
    const QList<GpsData> &records = recording.records;
    const int n = records.size();
    if (n == 0)
        return events;
    const double perRecord = Drives::secondsPerRecord(n, recording.duration);

    if (hasGsensor(records)) {
        const Motion m = motionOf(records);
        const auto horizontal = [&m](int i) { return std::hypot(m.along[size_t(i)], m.across[size_t(i)]); };
        // A pothole or a kerb throws the car up: a sample led by the vertical axis is a bump,
        // whatever the horizontal axes show with it.
        const auto bump = [&m, &horizontal](int i) { return std::abs(m.up[size_t(i)]) > horizontal(i); };
        const auto gated = [&bump](int i, double v) { return bump(i) ? 0.0 : v; };
        runsOf(Kind::Impact, n, perRecord, [&](int i) { return gated(i, horizontal(i)); },
               thresholds.impactG, records, events);
        const auto belowImpact = [&](int i, double v) {
            return horizontal(i) >= thresholds.impactG ? 0.0 : gated(i, v);
        };
        runsOf(Kind::HardBraking, n, perRecord,
               [&](int i) { return belowImpact(i, -m.along[size_t(i)]); }, thresholds.brakingG,
               records, events);
        runsOf(Kind::HardAcceleration, n, perRecord,
               [&](int i) { return belowImpact(i, m.along[size_t(i)]); },
               thresholds.accelerationG, records, events);
        runsOf(Kind::SharpTurn, n, perRecord,
               [&](int i) { return belowImpact(i, std::abs(m.across[size_t(i)])); },
               thresholds.turnG, records, events);
    } else {
        // Without a G-sensor the GPS speed tells a sudden stop, coarser by a second.
        runsOf(
            Kind::SuddenDeceleration, n - 1, perRecord,
            [&](int i) {
                const GpsData &a = records.at(i);
                const GpsData &b = records.at(i + 1);
                return a.hasPosition() && b.hasPosition() ? (a.speed - b.speed) / perRecord : 0.0;
            },
            thresholds.decelerationKmhPerSecond, records, events);
    }
    runsOf(Kind::Speeding, n, perRecord,
           [&](int i) {
               const GpsData &r = records.at(i);
               // "At least": a camera writes whole km/h, and 120 on a 120 road is speeding only
               // past it.
               return r.hasPosition() && r.speed > thresholds.speedingKmh ? double(r.speed) : 0.0;
           },
           thresholds.speedingKmh + 1, records, events);
    for (Event &event : events) {
        event.recording = index;
        if (recording.start.isValid())
            event.time = recording.start.addMSecs(qint64(qRound64(event.second * 1000.0)));
    }
    return events;
}

QVector<Event> merge(QVector<Event> events, int mergeSeconds)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return timeline(a) < timeline(b); });
    QVector<Event> merged;
    // Per merged event: the start of its latest member (what "within" is measured from) and
    // the end of all its members.
    std::vector<double> lastStart, lastEnd;
    for (const Event &event : events) {
        const bool sensor = event.kind != Kind::Speeding && event.kind != Kind::CameraMark;
        const double at = timeline(event);
        int into = -1;
        for (int k = merged.size() - 1; k >= 0 && sensor; --k) {
            if (at - lastStart[size_t(k)] > mergeSeconds)
                break;
            const Kind kind = merged.at(k).kind;
            if (kind != Kind::Speeding && kind != Kind::CameraMark) {
                into = k;
                break;
            }
        }
        if (into < 0) {
            merged.append(event);
            lastStart.push_back(at);
            lastEnd.push_back(at + event.length);
            continue;
        }
        Event &target = merged[into];
        lastStart[size_t(into)] = at;
        lastEnd[size_t(into)] = std::max(lastEnd[size_t(into)], at + event.length);
        // Strengths of different kinds are in one unit (g) only among the sensor kinds; the
        // GPS deceleration keeps its own when it wins.
        if (int(event.kind) < int(target.kind)) {
            const Event earlier = target;
            target = event;
            target.second = earlier.second;
            target.recording = earlier.recording;
            target.time = earlier.time;
            if (earlier.hasPosition) {
                target.latitude = earlier.latitude;
                target.longitude = earlier.longitude;
                target.hasPosition = true;
            }
        } else if (event.kind == target.kind) {
            target.strength = std::max(target.strength, event.strength);
        }
        target.length = lastEnd[size_t(into)] - timeline(target);
    }
    return merged;
}

QVector<Event> detect(const QVector<Recording> &recordings, const Thresholds &thresholds)
{
    QVector<Event> events;
    // One camera event (Tesla's event.json) is shared by every clip of its folder: it is
    // listed once, in the recording that holds its time, or the nearest.
    QVector<CameraEvent> seen;
    for (int r = 0; r < recordings.size(); ++r) {
        const Recording &recording = recordings.at(r);
        events += detectMotion(r, recording, thresholds);
        const CameraEvent &camera = recording.cameraEvent;
        if (camera.isValid()) {
            const bool known = std::any_of(seen.begin(), seen.end(), [&camera](const CameraEvent &c) {
                return c.time == camera.time && c.reason == camera.reason;
            });
            if (known)
                continue;
            seen.append(camera);
            int best = r;
            qint64 bestDistance = std::numeric_limits<qint64>::max();
            for (int k = 0; k < recordings.size() && camera.time.isValid(); ++k) {
                const Recording &other = recordings.at(k);
                if (other.cameraEvent.time != camera.time || other.cameraEvent.reason != camera.reason ||
                    !other.start.isValid())
                    continue;
                const qint64 from = other.start.secsTo(camera.time);
                const qint64 distance =
                    from < 0 ? -from : std::max<qint64>(0, from - qint64(other.duration));
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = k;
                }
            }
            const Recording &holder = recordings.at(best);
            Event event;
            event.kind = Kind::CameraMark;
            event.recording = best;
            if (camera.time.isValid() && holder.start.isValid())
                event.second = qBound(0.0, double(holder.start.secsTo(camera.time)),
                                      std::max(0.0, holder.duration));
            event.time = holder.start.isValid() ? holder.start.addSecs(qint64(event.second))
                                                : camera.time;
            event.detail = camera.reason.isEmpty() ? holder.marks.join(QLatin1Char(','))
                                                   : camera.reason;
            if (camera.hasPosition) {
                event.latitude = camera.latitude;
                event.longitude = camera.longitude;
                event.hasPosition = true;
            } else {
                placeAt(holder.records, int(event.second), event);
            }
            events.append(event);
        } else if (!recording.marks.isEmpty()) {
            Event event;
            event.kind = Kind::CameraMark;
            event.recording = r;
            event.time = recording.start;
            event.detail = recording.marks.join(QLatin1Char(','));
            placeAt(recording.records, 0, event);
            events.append(event);
        }
    }
    return merge(events, thresholds.mergeSeconds);
}

} // namespace DriveEvents
