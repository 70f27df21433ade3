#include "library/folderplan.h"

#include "library/cameraeventreader.h"
#include "library/cameralayouts.h"
#include "library/channellookup.h"
#include "library/channelnames.h"
#include "library/folderlistings.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using CameraLayouts::Channel;

namespace {

constexpr int channelSlots = 5; // Front, Rear, Third, Fourth, Extra

struct Group
{
    QString layout;
    QString key;
    QString order;
    QStringList marks;
    int files[channelSlots - 1] = {-1, -1, -1, -1}; // entry of each playing channel
    QVector<int> extras;
};

} // namespace

FolderPlan::FolderPlan(const QString &folder, const QFileInfoList &entries, FolderScheme scheme,
                       const QRegularExpression &filter,
                       const std::function<bool(const QString &)> &joinsRow)
    : roles(entries.size(), Role::Ignored)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isDir())
            roles[i] = Role::Directory;
        else if (filter.match(entries.at(i).fileName()).hasMatch())
            roles[i] = Role::BuiltIn;
    }
    planLayouts(folder, entries, scheme, joinsRow);
    if (scheme == FolderScheme::SchemeLetters)
        findOrphans(folder, entries);
}

void FolderPlan::planLayouts(const QString &folder, const QFileInfoList &entries,
                             FolderScheme scheme,
                             const std::function<bool(const QString &)> &joinsRow)
{
    QHash<QString, int> byKey;
    std::vector<Group> groups;
    int first = -1;
    bool hasEventFile = false;
    for (int i = 0; i < entries.size(); ++i) {
        const QString name = entries.at(i).fileName();
        if (roles.at(i) == Role::Directory)
            continue;
        if (name == QLatin1String("event.json")) {
            hasEventFile = true;
            continue;
        }
        CameraLayouts::FileMatch m;
        if (roles.at(i) != Role::BuiltIn || !CameraLayouts::match(folder, name, &m))
            continue;
        // A "Rear_2" folder's BlackVue-named file joins the row of its "Front_2" sibling, as
        // the built-in schemes have always done; only the files they would add themselves
        // (or drop) are the layout's.
        const bool builtInAdds = scheme != FolderScheme::SchemeLetters ||
                                 (!ChannelNames::hasSecondaryLetter(name) &&
                                  ChannelNames::hasFrontLetter(name));
        if (builtInAdds && joinsRow && joinsRow(name))
            continue;
        roles[i] = Role::Ignored;
        if (first < 0)
            first = i;
        const QString key = m.layout + QLatin1Char('/') + m.recordingKey;
        auto it = byKey.find(key);
        if (it == byKey.end()) {
            it = byKey.insert(key, int(groups.size()));
            Group g;
            g.layout = m.layout;
            g.key = m.recordingKey;
            g.order = m.orderKey;
            groups.push_back(g);
        }
        Group &g = groups[size_t(*it)];
        for (const QString &mark : m.marks) {
            if (!g.marks.contains(mark))
                g.marks << mark;
        }
        if (m.channel == Channel::Extra) {
            g.extras << i;
        } else {
            int &slot = g.files[int(m.channel)];
            // Two spellings of one channel (".mp4" and ".MP4"): the first in name order plays,
            // the other is kept as an extra file rather than lost.
            if (slot < 0)
                slot = i;
            else
                g.extras << i;
        }
    }
    if (groups.empty())
        return;
    roles[first] = Role::Layout;
    std::stable_sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) {
        return a.order != b.order ? a.order < b.order : a.key < b.key;
    });
    CameraEvent event;
    if (hasEventFile)
        event = CameraEventReader::fromFile(joinPath(folder, QStringLiteral("event.json")));
    for (const Group &g : groups) {
        LayoutRecording r;
        for (int entry : g.files) {
            if (entry >= 0) {
                r.file = entries.at(entry);
                break;
            }
        }
        if (r.file.filePath().isEmpty()) {
            // Only cameras played in no channel: the first of them carries the row.
            r.file = entries.at(g.extras.first());
        }
        r.layout = g.layout;
        r.marks = g.marks;
        for (int entry : g.extras) {
            if (entries.at(entry) != r.file)
                r.extraFiles << entries.at(entry).absoluteFilePath();
        }
        // Tesla writes one event.json per event folder, for the clips beside it.
        if (g.layout == QLatin1String("tesla"))
            r.event = event;
        recordings.push_back(r);
    }
}

bool FolderPlan::reachableFromOutside(const QString &folder, const QFileInfoList &entries)
{
    // The lookups of the Front/Rear scheme read "Middle..." siblings and the parent of a
    // "Front..." folder; those of the suffix scheme read "...I" siblings.
    const QString name = lastComponent(folder);
    if (name.startsWith(ChannelNames::middleFolder) || name.endsWith(QLatin1Char('I')))
        return true;
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && entry.fileName().startsWith(ChannelNames::frontFolder))
            return true;
    }
    return false;
}

void FolderPlan::findOrphans(const QString &folder, const QFileInfoList &entries)
{
    using namespace ChannelNames;
    QVector<int> skipped;
    QVector<int> fronts;
    for (int i = 0; i < entries.size(); ++i) {
        if (roles.at(i) != Role::BuiltIn)
            continue;
        const QString name = entries.at(i).fileName();
        if (hasSecondaryLetter(name) || !hasFrontLetter(name))
            skipped << i;
        else
            fronts << i;
    }
    if (skipped.isEmpty())
        return;
    // The files the folder's front files find as their rear, third and fourth channels, by
    // the same lookup that plays them; lookups of this scheme stay in the folder.
    QSet<QString> unclaimed;
    for (int i : skipped)
        unclaimed.insert(entries.at(i).fileName());
    // The rear lookups first: on most cards they account for every secondary file, and the
    // third and fourth lookups, which mostly test names that do not exist, are then spared.
    FolderListings listings;
    for (const auto &kinds : {std::vector<int>{ChannelLookup::KindRear},
                              std::vector<int>{ChannelLookup::KindThird,
                                               ChannelLookup::KindFourth}}) {
        for (int i : fronts) {
            if (unclaimed.isEmpty())
                break;
            PlaylistItem item;
            item.fileName = entries.at(i).fileName();
            item.url = ChannelLookup::localUrl(entries.at(i).absoluteFilePath());
            for (int kind : kinds) {
                const QUrl u = ChannelLookup::relatedUrl(item, FolderScheme::SchemeLetters, kind,
                                                         listings);
                if (!u.isEmpty())
                    unclaimed.remove(lastComponent(u.toLocalFile()));
            }
        }
    }
    const bool reachable = reachableFromOutside(folder, entries);
    for (int i : skipped) {
        if (!unclaimed.contains(entries.at(i).fileName()))
            roles[i] = Role::Ignored;
        else
            roles[i] = reachable ? Role::Deferred : Role::Orphan;
    }
}
