#pragma once

#include "library/folderlistings.h"
#include "library/folderscheme.h"
#include "library/playlistitem.h"

#include <QLoggingCategory>
#include <QUrl>

// The lookup's debug lines ("found related file: ..."). A category rather than plain qDebug
// so that a caller without a debug log (the probe over a whole card) skips their formatting,
// which otherwise costs more than the lookups themselves.
Q_DECLARE_LOGGING_CATEGORY(lcChannelLookup)

// Finding a playlist row's rear, third and fourth channel files from the front file's name,
// folder and folder scheme. Touches only the file system; every result is a local-file URL
// or an empty URL for an absent channel.
namespace ChannelLookup {

// Channel kinds as the main window passes them.
enum Kind : int
{
    KindRear = 1,
    KindThird = 2,
    KindFourth = 4
};

// Folders are listed through `listings`, so lookups that share it list each folder once.
QUrl relatedUrl(const PlaylistItem &item, FolderScheme scheme, int kind,
                FolderListings &listings);
QUrl relatedUrl(const PlaylistItem &item, FolderScheme scheme, int kind);
// The letter-and-number search in the local folder `dir`.
QUrl numberSearch(const PlaylistItem &item, FolderScheme scheme, int kind, const QString &dir,
                  FolderListings &listings);
QUrl numberSearch(const PlaylistItem &item, FolderScheme scheme, int kind, const QString &dir);
// The last-letter search in `dir`, a local folder or a "file:" URL string.
QUrl lastLetterSearch(const PlaylistItem &item, const QString &dir, int kind);

// The camera layout of a row: its own, or the one its file's name and folder show; "" for
// the built-in schemes.
QString layoutOf(const PlaylistItem &item);

// The local path of the row's file (its URL as a local file, or the text as a path).
QString localPathOf(const PlaylistItem &item);
// The local-file URL of a local path.
QUrl localUrl(const QString &path);

} // namespace ChannelLookup
