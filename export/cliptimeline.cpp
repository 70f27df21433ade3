#include "export/cliptimeline.h"

#include "export/cliptimes.h"
#include "library/channelsetup.h"
#include "library/playlistitem.h"
#include "library/probereport.h"
#include "library/trip.h"
#include "platform/fileurl.h"

#include <QFileInfo>
#include <algorithm>

namespace ClipTimeline {

ClipRecording fromItem(const PlaylistItem &item)
{
    ClipRecording r;
    const QString front = item.url.toLocalFile();
    r.channels[0] = front;
    FolderListings listings;
    const ChannelSetup setup = channelSetupFor(item, listings);
    r.channels[1] = setup.rearUrl.toLocalFile();
    r.channels[2] = setup.thirdUrl.toLocalFile();
    r.channels[3] = setup.fourthUrl.toLocalFile();
    const Trip::Reading reading = Trip::read(front);
    r.duration = reading.info.duration;
    r.frameRate = reading.info.frameRate;
    r.size = QSize(reading.info.width, reading.info.height);
    r.track = reading.records;
    r.clock = reading.clock;
    r.start = ClipTimes::recordingStart(QFileInfo(front).fileName(), r.track,
                                        reading.info.creationTime.isValid()
                                            ? reading.info.creationTime
                                            : item.createDate);
    return r;
}

QList<ClipRecording> load(const QList<PlaylistItem> &items)
{
    QList<ClipRecording> recordings;
    for (const PlaylistItem &item : items)
        recordings.append(fromItem(item));
    QVector<RecordingClock> clocks;
    QVector<QList<GpsData>> tracks;
    for (const ClipRecording &r : qAsConst(recordings)) {
        clocks.append(r.clock);
        tracks.append(r.track);
    }
    Trip::settleClocks(clocks, tracks);
    for (int i = 0; i < recordings.size(); ++i)
        recordings[i].clock = clocks.at(i);
    std::stable_sort(recordings.begin(), recordings.end(),
                     [](const ClipRecording &a, const ClipRecording &b) {
                         if (a.start.isValid() != b.start.isValid())
                             return a.start.isValid();
                         return a.start < b.start;
                     });
    return recordings;
}

QList<ClipRecording> loadFolder(const QString &folder)
{
    QList<PlaylistItem> items;
    for (const QString &path : ProbeReport::recordingPaths(folder)) {
        PlaylistItem item;
        item.url = FileUrl::urlFromLocalPath(path);
        item.fileName = QFileInfo(path).fileName();
        items.append(item);
    }
    return load(items);
}

} // namespace ClipTimeline
