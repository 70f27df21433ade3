#pragma once

#include "export/cliprecording.h"

#include <QStringList>

struct PlaylistItem;

// The recordings of a card in camera-time order, read on the calling thread.
namespace ClipTimeline {

// One recording from its playlist row: the channel files the play area would play, the
// track and the camera clock.
ClipRecording fromItem(const PlaylistItem &item);
// The rows that opening `folder` adds, each read as above, sorted by their start.
QList<ClipRecording> loadFolder(const QString &folder);
// Front files already known (the playlist's rows), read and sorted the same way.
QList<ClipRecording> load(const QList<PlaylistItem> &items);

} // namespace ClipTimeline
