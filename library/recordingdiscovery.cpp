#include "library/recordingdiscovery.h"

#include "library/cameralayouts.h"
#include "library/channellookup.h"
#include "library/channelsetup.h"
#include "library/channelnames.h"
#include "library/folderplan.h"
#include "library/namepattern.h"
#include "library/playlistmodel.h"
#include "platform/fileurl.h"

#include <QDebug>
#include <QDir>
#include <QSet>
#include <QUrl>

using namespace ChannelNames;

namespace {

QString urlOf(const QString &path)
{
    return FileUrl::fromLocalPath(path);
}

} // namespace

RecordingDiscovery::RecordingDiscovery(PlaylistModel *model, DiscoveryHost *host)
    : model(model), host(host)
{
}

QRegularExpression RecordingDiscovery::videoFileFilter()
{
    return QRegularExpression(videoFilePattern, QRegularExpression::CaseInsensitiveOption);
}

void RecordingDiscovery::openUrls(const QList<QUrl> &urls, bool rememberFolder)
{
    QStringList list;
    for (const QUrl &url : urls)
        list << QString::fromUtf8(url.toEncoded());
    openUrls(list, rememberFolder);
}

void RecordingDiscovery::openUrls(const QStringList &folderUrls, bool rememberFolder)
{
    for (const QString &url : folderUrls) {
        const QString local = withoutTrailingSlash(FileUrl::toLocalPath(url));
        scanCancelled = false;
        int firstRow = -1;
        scanFolder(urlOf(local), firstRow, videoFileFilter(), rememberFolder, true);
        if (firstRow == -1) {
            host->reportEmptyOpen(local, QFileInfo(local).isDir()
                                             ? DiscoveryHost::EmptyOpen::NoRecordings
                                             : DiscoveryHost::EmptyOpen::NoFolder);
            host->resetAfterEmptyOpen();
        }
        scanCancelled = true;
    }
}

void RecordingDiscovery::scanFolder(const QString &folderUrl, int &firstRow,
                                    const QRegularExpression &filter, bool rememberFolder,
                                    bool startPlayback)
{
    ScanState state;
    const int rowsBefore = model->rowCount();
    scanFolder(withoutTrailingSlash(FileUrl::toLocalPath(folderUrl)), firstRow, filter,
               rememberFolder, startPlayback, state, 0);
    addUnclaimed(state.deferred, rowsBefore, firstRow);
}

void RecordingDiscovery::addUnclaimed(const QFileInfoList &candidates, int rowsBefore,
                                      int &firstRow)
{
    if (candidates.isEmpty())
        return;
    // Which of them the rows of this scan in a neighbouring folder (sibling or child) play.
    QSet<QString> folders;
    QSet<QString> parents;
    for (const QFileInfo &file : candidates) {
        folders.insert(file.absolutePath());
        parents.insert(folderOfPath(file.absolutePath()));
    }
    QSet<QString> claimed;
    FolderListings listings;
    for (int row = rowsBefore; row < model->rowCount(); ++row) {
        const PlaylistItem *item = model->itemAt(row);
        const QString dir = folderOfPath(ChannelLookup::localPathOf(*item));
        const QString parent = folderOfPath(dir);
        if (!folders.contains(parent) && !parents.contains(parent) && !folders.contains(dir))
            continue;
        const ChannelSetup s = channelSetupFor(*item, listings);
        for (const QUrl &u : {s.rearUrl, s.thirdUrl, s.fourthUrl}) {
            if (!u.isEmpty())
                claimed.insert(QDir::cleanPath(u.toLocalFile()));
        }
    }
    for (const QFileInfo &file : candidates) {
        // Listed after the scan's other rows: only then is it known that no row plays it.
        if (claimed.contains(QDir::cleanPath(file.absoluteFilePath())))
            continue;
        const int row = model->addSingleFile(file, file.fileName());
        if (row >= 0 && firstRow < 0)
            firstRow = row;
    }
}

void RecordingDiscovery::scanFolder(const QString &folder, int &firstRow,
                                    const QRegularExpression &filter, bool rememberFolder,
                                    bool startPlayback, ScanState &state, int depth)
{
    qDebug() << "scanFolder:" << folder;
    // Links may lead back to an ancestor or to a folder already listed: each real folder is
    // entered once, so no loop and no recording listed twice through two paths.
    const QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty() || state.visited.contains(real) || depth > maxDepth)
        return;
    state.visited.insert(real);

    const FolderScheme scheme = folderScheme(folder);
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    const FolderPlan plan(folder, entries, scheme, filter, [this, scheme](const QString &name) {
        return model->joinedRow(name, scheme) >= 0;
    });
    const int n = entries.size();
    for (int i = 0; i < n; ++i) {
        if (scanCancelled) {
            scanCancelled = false;
            break;
        }
        const QFileInfo &entry = entries.at(i);
        const QString name = entry.fileName();
        int row = -1;
        switch (plan.role(i)) {
        case FolderPlan::Role::Directory:
            scanFolder(joinPath(folder, name), firstRow, filter, false, false, state, depth + 1);
            break;
        case FolderPlan::Role::Layout:
            for (const FolderPlan::LayoutRecording &r : plan.layoutRecordings()) {
                const int added = addLayoutRow(r);
                if (row < 0)
                    row = added;
            }
            break;
        case FolderPlan::Role::BuiltIn:
            if (scheme != FolderScheme::SchemeLetters ||
                (!hasSecondaryLetter(name) && hasFrontLetter(name))) {
                bool added = false;
                row = model->addGroupedFile(entry, name, scheme, added);
            }
            break;
        case FolderPlan::Role::Orphan:
            row = model->addSingleFile(entry, name);
            break;
        case FolderPlan::Role::Deferred:
            state.deferred.append(entry);
            break;
        case FolderPlan::Role::Ignored:
            break;
        }
        if (row >= 0 && firstRow < 0)
            firstRow = row;
        progress(i, n, folder, firstRow, rememberFolder, startPlayback);
    }
}

int RecordingDiscovery::addLayoutRow(const FolderPlan::LayoutRecording &recording)
{
    const QString name = recording.file.fileName();
    const int existing = model->rowOfFileName(name);
    if (existing >= 0)
        return existing;
    const int row = model->addRow(recording.file, name);
    model->setCameraLayout(row, recording.layout, recording.marks, recording.extraFiles,
                           recording.event);
    return row;
}

void RecordingDiscovery::progress(int i, int n, const QString &folder, int firstRow,
                                  bool rememberFolder, bool startPlayback)
{
    const bool due = (i == 0 && n == 1) || (i == 1 && n > 1);
    if (!due || !host->isMediaStopped())
        return;
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (rememberFolder)
        host->storeVideoFolder(absolute);
    if (model->itemAt(firstRow, &playItem) && startPlayback)
        host->playRecording(&playItem);
}

QString RecordingDiscovery::frontFileFor(const QString &folderUrl, const QString &fileName) const
{
    // Without a name the folder itself would pass for an existing front file.
    if (fileName.isEmpty())
        return QString();
    QString folder = withoutTrailingSlash(FileUrl::toLocalPath(folderUrl));
    // A camera layout names the front file of a recording from any of its files; where that
    // file is not beside it, the built-in schemes may still know a front elsewhere.
    CameraLayouts::FileMatch m;
    if (CameraLayouts::match(folder, fileName, &m)) {
        const QString front =
            CameraLayouts::channelFileName(m.layout, fileName, CameraLayouts::Channel::Front);
        if (!front.isEmpty() && QFileInfo::exists(joinPath(folder, front)))
            return urlOf(joinPath(folder, front));
    }
    switch (folderScheme(folder)) {
    case FolderScheme::SchemeLetters: {
        const QString r = letterFront(folder, fileName);
        return r.isEmpty() ? lastLetterFront(folder, fileName) : r;
    }
    case FolderScheme::SchemeFrontRear:
    case FolderScheme::SchemePrefix:
    case FolderScheme::SchemeSuffix: {
        const int code = frontFolder(folder);
        return frontName(folder, fileName, code);
    }
    case FolderScheme::SchemeNumbered:
        break;
    }
    return QString();
}

int RecordingDiscovery::frontFolder(QString &folder)
{
    const int slash = folder.lastIndexOf(QLatin1Char('/'));
    const QString last = folder.mid(slash + 1);
    const QString parent = folder.left(slash + 1);
    if (last.startsWith(ChannelNames::frontFolder))
        return 1;
    if (last.startsWith(rearFolder)) {
        folder = parent + ChannelNames::frontFolder + last.mid(rearFolder.size());
        return 2;
    }
    if (last.startsWith(QLatin1Char('F')))
        return 3;
    if (last.startsWith(QLatin1Char('R'))) {
        folder = parent + QLatin1Char('F') + last.mid(1);
        return 4;
    }
    if (last.endsWith(QLatin1Char('F')))
        return 5;
    if (last.endsWith(QLatin1Char('R'))) {
        folder = parent + last.left(last.size() - 1) + QLatin1Char('F');
        return 6;
    }
    return 0;
}

QString RecordingDiscovery::frontName(const QString &folder, const QString &fileName,
                                      int code) const
{
    if (code == 2) {
        // "…01_b.MP4" -> "…00.MP4"; a shorter name cannot carry the tail.
        if (fileName.size() < 8)
            return QString();
        const QString name = fileName.left(fileName.size() - 8) + frontTail + fileName.right(4);
        return urlOf(joinPath(folder, name));
    }
    if (code == 4 || code == 6) {
        const QString r = letterFront(folder, fileName);
        return r.isEmpty() ? lastLetterFront(folder, fileName) : r;
    }
    return urlOf(joinPath(folder, fileName));
}

QString RecordingDiscovery::letterFront(const QString &folder, const QString &fileName) const
{
    const QString dir = FileUrl::toLocalPath(folder);
    QString target;
    int shift = 0;
    // An "R." file sits at its front's number plus 1 when it is the rear, which is the
    // channel a drop most often brings; third and fourth "R." files fall through to the
    // last-letter rule.
    if (hasMarker(fileName, markerR)) {
        target = markerF;
        shift = 1;
    } else if (hasMarker(fileName, markerB)) {
        target = markerA;
        shift = 1;
    } else if (hasMarker(fileName, markerC)) {
        target = markerA;
        shift = 2;
    } else {
        return urlOf(joinPath(dir, fileName));
    }
    const NamePattern pattern = NamePattern::forName(fileName, -shift);
    if (pattern.isValid()) {
        for (const QString &name : folderEntries(dir)) {
            if (name != fileName && pattern.matches(name) &&
                name.contains(target, Qt::CaseInsensitive)) {
                const QString path = joinPath(dir, name);
                qDebug() << "found Front file: " << path;
                return urlOf(path);
            }
        }
    }
    qDebug() << "NOT found Front file";
    return QString();
}

QString RecordingDiscovery::lastLetterFront(const QString &folder, const QString &fileName) const
{
    const QString dir = FileUrl::toLocalPath(folder);
    const QString base = baseUpToFirstDot(fileName);
    const QString stem = base.left(base.size() - 1);
    const QString suffix = suffixAfterLastDot(fileName);
    for (QChar letter : {QLatin1Char('F'), QLatin1Char('A')}) {
        const QString path = joinPath(dir, stem + letter + QLatin1Char('.') + suffix);
        if (QFileInfo::exists(path))
            return urlOf(path);
    }
    return QString();
}
