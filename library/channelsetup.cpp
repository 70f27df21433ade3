#include "library/channelsetup.h"

#include "library/channellookup.h"
#include "library/channelnames.h"

#include <QDebug>
#include <QFileInfo>

using namespace ChannelNames;

ChannelSetup channelSetupFor(const PlaylistItem &item)
{
    // The three lookups of one recording start share the listings of its folders.
    FolderListings listings;
    return channelSetupFor(item, listings);
}

ChannelSetup channelSetupFor(const PlaylistItem &item, FolderListings &listings)
{
    ChannelSetup s;
    const QString path = ChannelLookup::localPathOf(item);
    const FolderScheme scheme = folderScheme(QFileInfo(path).absolutePath());
    qCDebug(lcChannelLookup) << item.url;
    const QUrl u1 = ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindRear, listings);
    const QUrl u2 = ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindThird, listings);
    const QUrl u4 = ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindFourth, listings);

    s.rearUrl = u1;
    s.thirdUrl = u2;
    s.rear = !u1.isEmpty();
    s.third = !u2.isEmpty();
    s.fourth = !u4.isEmpty();
    s.fourthUrl = u4;
    // The rear player plays the kind-2 file whenever there is one; the third player then
    // plays the kind-1 file.
    if (!u2.isEmpty()) {
        s.rearUrl = u2;
        s.thirdUrl = u1;
        s.rear = true;
        s.third = !u1.isEmpty();
    }
    qCDebug(lcChannelLookup) << "Real-url: " << s.rearUrl;
    qCDebug(lcChannelLookup) << "Thrid-url: " << s.thirdUrl;
    qCDebug(lcChannelLookup) << "Fourth-url: " << u4;

    const QString &name = item.fileName;
    if (scheme == FolderScheme::SchemeFrontRear) {
        s.front = hasMarker(name, frontTailMarker) || hasMarker(name, markerF) ||
                  hasMarker(name, markerA);
        s.rear = s.rear || hasMarker(name, secondaryTailMarker) || hasMarker(name, markerR) ||
                 hasMarker(name, markerB);
    } else {
        s.front = hasMarker(name, markerF) || hasMarker(name, markerA);
        s.rear = s.rear || hasMarker(name, markerR) || hasMarker(name, markerB);
    }
    s.count = int(s.front) + int(s.rear) + int(s.third) + int(s.fourth);
    if (s.count == 0)
        s.count = 1;
    return s;
}
