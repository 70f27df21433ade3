#include "library/recordingdiscovery.h"

#include "library/channellookup.h"
#include "library/channelnames.h"
#include "library/namepattern.h"
#include "library/playlistmodel.h"
#include "platform/fileurl.h"

#include <QDebug>
#include <QDir>
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
        if (firstRow == -1)
            host->resetAfterEmptyOpen();
        scanCancelled = true;
    }
}

void RecordingDiscovery::scanFolder(const QString &folderUrl, int &firstRow,
                                    const QRegularExpression &filter, bool rememberFolder,
                                    bool startPlayback)
{
    ScanState state;
    scanFolder(withoutTrailingSlash(FileUrl::toLocalPath(folderUrl)), firstRow, filter,
               rememberFolder, startPlayback, state, 0);
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
    const int n = entries.size();
    for (int i = 0; i < n; ++i) {
        if (scanCancelled) {
            scanCancelled = false;
            break;
        }
        const QFileInfo &entry = entries.at(i);
        const QString name = entry.fileName();
        if (entry.isDir()) {
            scanFolder(joinPath(folder, name), firstRow, filter, false, false, state, depth + 1);
        } else if (filter.match(name).hasMatch()) {
            int row = -1;
            if (scheme != FolderScheme::SchemeLetters ||
                (!hasSecondaryLetter(name) && hasFrontLetter(name))) {
                bool added = false;
                row = model->addGroupedFile(entry, name, scheme, added);
            }
            if (row >= 0 && firstRow < 0)
                firstRow = row;
        }
        progress(i, n, folder, firstRow, rememberFolder, startPlayback);
    }
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
