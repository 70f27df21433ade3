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

namespace {

// A camera layout says which file is which camera, so each plays in its own place (Tesla:
// back, left and right repeater), unlike the built-in schemes, where the third-kind file
// takes the rear player. Only a missing rear lets the others move up, so that no player
// stays black between two that play. The row's own
// file always plays in the main player, whichever camera wrote it.
ChannelSetup layoutSetup(const PlaylistItem &item, FolderScheme scheme, FolderListings &listings)
{
    ChannelSetup s;
    QUrl u[3] = {ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindRear, listings),
                 ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindThird, listings),
                 ChannelLookup::relatedUrl(item, scheme, ChannelLookup::KindFourth, listings)};
    if (u[0].isEmpty()) {
        const QUrl third = u[1];
        const QUrl fourth = u[2];
        u[1] = u[2] = QUrl();
        int next = 0;
        for (const QUrl &url : {third, fourth}) {
            if (!url.isEmpty())
                u[next++] = url;
        }
    }
    s.front = true;
    s.rearUrl = u[0];
    s.thirdUrl = u[1];
    s.fourthUrl = u[2];
    s.rear = !u[0].isEmpty();
    s.third = !u[1].isEmpty();
    s.fourth = !u[2].isEmpty();
    s.count = 1 + int(s.rear) + int(s.third) + int(s.fourth);
    return s;
}

} // namespace

ChannelSetup channelSetupFor(const PlaylistItem &item, FolderListings &listings)
{
    ChannelSetup s;
    const QString path = ChannelLookup::localPathOf(item);
    const FolderScheme scheme = folderScheme(QFileInfo(path).absolutePath());
    qCDebug(lcChannelLookup) << item.url;
    if (!ChannelLookup::layoutOf(item).isEmpty())
        return layoutSetup(item, scheme, listings);
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
