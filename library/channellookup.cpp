#include "library/channellookup.h"

#include "library/cameralayouts.h"
#include "library/channelnames.h"
#include "library/namepattern.h"
#include "platform/fileurl.h"

#include <QDebug>
#include <QFileInfo>

using namespace ChannelNames;

Q_LOGGING_CATEGORY(lcChannelLookup, "waylume.library.lookup")

namespace ChannelLookup {

QString localPathOf(const PlaylistItem &item)
{
    // Straight from the URL for the rows a scan adds; the text round trip is for the rest.
    if (item.url.isLocalFile())
        return item.url.toLocalFile();
    return FileUrl::toLocalPath(QString::fromUtf8(item.url.toEncoded()));
}

QUrl localUrl(const QString &path)
{
    return FileUrl::urlFromLocalPath(path);
}

namespace {

bool fileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

// Target letter of each attempt; an empty string matches every name, a null one stops.
QString attemptTarget(const QString &frontName, int kind, int attempt)
{
    if (hasMarker(frontName, markerF)) {
        static const QLatin1String rear[] = {markerR, markerI, markerX};
        static const QLatin1String third[] = {markerR, markerI, markerY};
        if (kind == KindRear)
            return rear[attempt];
        if (kind == KindThird)
            return third[attempt];
        if (kind == KindFourth && attempt == 0)
            return markerR;
        return QString();
    }
    if (hasMarker(frontName, markerA)) {
        if (kind == KindRear && attempt < 2)
            return attempt == 0 ? QString(markerB) : QString(markerC);
        if (kind == KindThird && attempt < 2)
            return attempt == 0 ? QString(markerC) : QString(markerB);
        if (kind == KindFourth)
            return QStringLiteral(""); // any channel file carrying the number
    }
    return QString();
}

int numberDelta(int kind)
{
    switch (kind) {
    case KindRear:
        return 1;
    case KindThird:
        return 2;
    case KindFourth:
        return 3;
    default:
        return 0;
    }
}

// "clip_0042F" -> "clip_0043B" for the rear: the digits between the last '_' and the
// last character, moved by the channel, keeping their width.
QString numberedCandidate(const QString &base, const QString &suffix, int kind)
{
    const int underscore = base.lastIndexOf(QLatin1Char('_'));
    if (underscore < 0)
        return QString();
    const QString digits = base.mid(underscore + 1, base.size() - underscore - 2);
    // Up to 18 digits fit a qint64 with room for the +2.
    if (digits.isEmpty() || digits.size() > 18)
        return QString();
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QString();
    }
    const qint64 n = digits.toLongLong();
    QString text;
    if (kind == KindRear)
        text = QString::asprintf("%0*lld", int(digits.size()), n + 1) + QLatin1Char('B');
    else if (kind == KindThird)
        text = QString::asprintf("%0*lld", int(digits.size()), n + 2) + QLatin1Char('C');
    else if (kind == KindFourth)
        text = digits;
    else
        return QString();
    return base.left(underscore) + QLatin1Char('_') + text + QLatin1Char('.') + suffix;
}

// Local paths are compared component by component so that "/10trips/1" does not turn
// into "/20trips/2".
QString numberedRearFolder(const QString &dir)
{
    QStringList parts = dir.split(QLatin1Char('/'));
    for (QString &part : parts) {
        if (part == QLatin1String("1"))
            part = QStringLiteral("2");
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace

QUrl numberSearch(const PlaylistItem &item, FolderScheme scheme, int kind, const QString &dir,
                  FolderListings &listings)
{
    if (scheme != FolderScheme::SchemeLetters && scheme != FolderScheme::SchemePrefix &&
        scheme != FolderScheme::SchemeSuffix)
        return QUrl();
    const QString &p = item.fileName;
    const NamePattern pattern = NamePattern::forName(p, numberDelta(kind));
    if (!pattern.isValid())
        return QUrl();
    qCDebug(lcChannelLookup) << "numberSearch dir:" << dir;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString target = attemptTarget(p, kind, attempt);
        if (target.isNull())
            return QUrl();
        const QString name = listings.firstMatch(dir, pattern, p, target);
        if (!name.isEmpty()) {
            const QString path = joinPath(dir, name);
            qCDebug(lcChannelLookup) << "found related file: " << path;
            return localUrl(path);
        }
    }
    return QUrl();
}

QUrl numberSearch(const PlaylistItem &item, FolderScheme scheme, int kind, const QString &dir)
{
    FolderListings listings;
    return numberSearch(item, scheme, kind, dir, listings);
}

QUrl lastLetterSearch(const PlaylistItem &item, const QString &dir, int kind)
{
    const QString folder = FileUrl::toLocalPath(dir);
    const QString base = baseUpToFirstDot(item.fileName);
    const QString stem = base.left(base.size() - 1);
    const QString suffix = suffixAfterLastDot(item.fileName);
    auto candidate = [&](QChar letter) {
        return joinPath(folder, stem + letter + QLatin1Char('.') + suffix);
    };
    QString letters;
    if (fileExists(candidate(QLatin1Char('R')))) {
        if (kind == KindRear)
            return localUrl(candidate(QLatin1Char('R')));
        letters = kind == KindThird ? QStringLiteral("MIAC")
                                    : (kind == KindFourth ? QStringLiteral("B") : QString());
    } else {
        letters = kind == KindRear ? QStringLiteral("B")
                                   : (kind == KindThird ? QStringLiteral("IC") : QString());
    }
    for (QChar letter : letters) {
        if (fileExists(candidate(letter)))
            return localUrl(candidate(letter));
    }
    const QString numbered = numberedCandidate(base, suffix, kind);
    if (!numbered.isEmpty() && fileExists(joinPath(folder, numbered)))
        return localUrl(joinPath(folder, numbered));
    return QUrl();
}

QUrl relatedUrl(const PlaylistItem &item, FolderScheme scheme, int kind)
{
    FolderListings listings;
    return relatedUrl(item, scheme, kind, listings);
}

QString layoutOf(const PlaylistItem &item)
{
    if (!item.layout.isEmpty())
        return item.layout;
    // Rows added by a drop carry no layout; the name says the same.
    CameraLayouts::FileMatch m;
    if (CameraLayouts::match(folderOfPath(localPathOf(item)), item.fileName, &m))
        return m.layout;
    return QString();
}

QUrl layoutChannelUrl(const PlaylistItem &item, const QString &layout, int kind)
{
    CameraLayouts::Channel channel;
    switch (kind) {
    case KindRear:
        channel = CameraLayouts::Channel::Rear;
        break;
    case KindThird:
        channel = CameraLayouts::Channel::Third;
        break;
    case KindFourth:
        channel = CameraLayouts::Channel::Fourth;
        break;
    default:
        return QUrl();
    }
    const QString name = CameraLayouts::channelFileName(layout, item.fileName, channel);
    // A row carried by its rear file (the front deleted) does not play itself twice.
    if (name.isEmpty() || name.compare(item.fileName, Qt::CaseInsensitive) == 0)
        return QUrl();
    const QString path = joinPath(folderOfPath(localPathOf(item)), name);
    if (!fileExists(path))
        return QUrl();
    qCDebug(lcChannelLookup) << "found related file: " << path;
    return localUrl(path);
}

QUrl relatedUrl(const PlaylistItem &item, FolderScheme scheme, int kind,
                FolderListings &listings)
{
    // A camera layout's channel files lie beside the row's file, named from it; the
    // built-in schemes' letters and numbers would find a wrong file or none there.
    const QString layout = layoutOf(item);
    if (!layout.isEmpty()) {
        const QUrl u = layoutChannelUrl(item, layout, kind);
        // In the built-in schemes' channel folders ("Front_2" beside "Rear_2") the other
        // channels lie where those schemes look for them.
        if (!u.isEmpty() || scheme == FolderScheme::SchemeLetters)
            return u;
    }
    const QString path = localPathOf(item);
    const QString dir = folderOfPath(path);
    switch (scheme) {
    case FolderScheme::SchemeLetters: {
        if (hasSecondaryLetter(item.fileName))
            return QUrl();
        const QUrl u = numberSearch(item, scheme, kind, dir, listings);
        return u.isEmpty() ? lastLetterSearch(item, dir, kind) : u;
    }
    case FolderScheme::SchemeNumbered: {
        // Folders "1" and "2" hold front and rear only; the rear is derived without looking
        // so that the rear player reports a missing file itself.
        if (kind != KindRear || hasMarker(item.fileName, markerB))
            return QUrl();
        if (!path.contains(QLatin1Char('/')))
            return QUrl();
        QString name = item.fileName;
        name.replace(markerA, markerB);
        return localUrl(joinPath(numberedRearFolder(dir), name));
    }
    case FolderScheme::SchemeFrontRear:
    case FolderScheme::SchemePrefix:
    case FolderScheme::SchemeSuffix:
        break;
    }

    const int slash = dir.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || !path.contains(QLatin1Char('/')))
        return QUrl();
    const QString folder = dir.mid(slash + 1);
    const QString parent = dir.left(slash + 1);

    if (folder.startsWith(frontFolder)) {
        const QString rest = folder.mid(frontFolder.size());
        QString sibling;
        if (kind == KindRear)
            sibling = parent + rearFolder + rest;
        else if (kind == KindThird)
            sibling = parent + middleFolder + rest;
        else if (kind == KindFourth)
            sibling = parent;
        else
            return QUrl();
        const QString base = baseUpToFirstDot(item.fileName);
        const QString name = base.left(base.size() - frontTail.size()) + secondaryTail +
                             QLatin1Char('.') + suffixAfterLastDot(item.fileName);
        const QString candidate = joinPath(sibling, name);
        if (fileExists(candidate))
            return localUrl(candidate);
        return lastLetterSearch(item, sibling, kind);
    }
    if (folder.startsWith(QLatin1Char('F'))) {
        const QString sibling = parent + QLatin1Char('R') + folder.mid(1);
        const QUrl u = numberSearch(item, scheme, kind, sibling, listings);
        return u.isEmpty() ? lastLetterSearch(item, sibling, kind) : u;
    }
    if (folder.endsWith(QLatin1Char('F'))) {
        if (kind != KindRear)
            return QUrl();
        const QString base = parent + folder.left(folder.size() - 1);
        QUrl u = numberSearch(item, scheme, kind, base + QLatin1Char('R'), listings);
        if (u.isEmpty())
            u = numberSearch(item, scheme, kind, base + QLatin1Char('I'), listings);
        return u.isEmpty() ? lastLetterSearch(item, base + QLatin1Char('I'), kind) : u;
    }
    return QUrl();
}

} // namespace ChannelLookup
