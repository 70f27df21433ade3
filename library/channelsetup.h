#pragma once

#include "library/folderlistings.h"
#include "library/folderscheme.h"
#include "library/playlistitem.h"

#include <QUrl>

// Which channels a recording that starts has, and the files of its secondary players.
struct ChannelSetup
{
    bool front = false;
    bool rear = false;
    bool third = false;
    bool fourth = false;
    QUrl rearUrl;
    QUrl thirdUrl;
    QUrl fourthUrl;
    int count = 1; // channels present, at least 1
};

// The channel set-up of a playlist row as the main window does it when the row starts:
// the scheme of the row's folder, the related files of kinds 1, 2 and 4, and the front and
// rear markers of the name. Touches only the file system.
ChannelSetup channelSetupFor(const PlaylistItem &item);
// The same, listing folders through `listings` (one listing per folder for a whole scan).
ChannelSetup channelSetupFor(const PlaylistItem &item, FolderListings &listings);
