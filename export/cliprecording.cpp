#include "export/cliprecording.h"

#include "library/drives.h"

#include <QCoreApplication>

const char *channelName(int slot)
{
    static const char *const names[] = {"front", "rear", "third", "fourth"};
    return slot >= 0 && slot < 4 ? names[slot] : "unknown";
}

int ClipRecording::channelCount() const
{
    int count = 0;
    for (const QString &channel : channels)
        count += channel.isEmpty() ? 0 : 1;
    return count;
}

namespace ClipRange {

bool continuesPrevious(const ClipRecording &previous, const ClipRecording &next, int gapSeconds)
{
    // The drive list decides by the same rule (GPS time where both recordings have one), so a
    // clip never runs across what the Events tab shows as two drives, nor stops inside one.
    const auto span = [](const ClipRecording &r) {
        return Drives::RecordingSpan{r.start, Drives::gpsStartOf(r.track, r.duration),
                                     r.duration};
    };
    return Drives::follows(span(previous), span(next), gapSeconds);
}

QList<ClipPiece> resolve(const QList<ClipRecording> &recordings, const QDateTime &from,
                         const QDateTime &to, QString *error, bool *cut)
{
    if (cut)
        *cut = false;
    if (!from.isValid() || !to.isValid() || from >= to) {
        *error = QCoreApplication::translate("ClipRange", "the range is empty");
        return {};
    }
    int first = -1;
    for (int i = 0; i < recordings.size(); ++i) {
        const ClipRecording &r = recordings[i];
        if (r.start.isValid() && r.duration > 0 && r.start <= from && from < r.end()) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        *error = QCoreApplication::translate("ClipRange", "no recording holds %1")
                     .arg(from.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        return {};
    }
    QList<ClipPiece> pieces;
    QDateTime at = from;
    for (int i = first; i < recordings.size(); ++i) {
        const ClipRecording &r = recordings[i];
        if (i > first && !continuesPrevious(recordings[i - 1], r))
            break;
        // A recording that starts a little before its predecessor's end overlaps it; the
        // clip takes that stretch once, from the earlier file.
        const double offset = qMax(0.0, r.start.msecsTo(at) / 1000.0);
        const double until = qMin(r.duration, r.start.msecsTo(to) / 1000.0);
        if (until > offset)
            pieces.append({i, offset, until - offset});
        at = r.end();
        if (to <= at)
            return pieces;
    }
    if (cut)
        *cut = true;
    return pieces;
}

QList<ClipPiece> around(const QList<ClipRecording> &recordings, const QDateTime &now,
                        double before, double after, QString *error, bool *cut)
{
    QDateTime from = now.addMSecs(-qint64(before * 1000));
    for (int i = 0; i < recordings.size(); ++i) {
        const ClipRecording &r = recordings[i];
        if (!r.start.isValid() || now < r.start || now >= r.end())
            continue;
        int first = i;
        while (first > 0 && continuesPrevious(recordings[first - 1], recordings[first]))
            --first;
        if (from < recordings[first].start)
            from = recordings[first].start;
        break;
    }
    return resolve(recordings, from, now.addMSecs(qint64(after * 1000)), error, cut);
}

double totalLength(const QList<ClipPiece> &pieces)
{
    double total = 0;
    for (const ClipPiece &piece : pieces)
        total += piece.length;
    return total;
}

} // namespace ClipRange
