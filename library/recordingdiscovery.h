#pragma once

#include "library/folderplan.h"
#include "library/folderscheme.h"
#include "library/playlistitem.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class PlaylistModel;

// What discovery needs of the main window. The window implements it; tests and the probe
// tool implement it without widgets.
class DiscoveryHost
{
public:
    virtual ~DiscoveryHost() = default;
    // The control panel's media state is Stopped.
    virtual bool isMediaStopped() const = 0;
    // Start the recording of a playlist row (the window's playRecording).
    virtual void playRecording(PlaylistItem *item) = 0;
    // An open yielded no row: stop, clear the panel and the instruments.
    virtual void resetAfterEmptyOpen() = 0;
    // Why that open yielded nothing, called just before resetAfterEmptyOpen, so that the
    // window can say so instead of showing an empty play area.
    enum class EmptyOpen
    {
        NoFolder,    // the path does not exist or is not a folder
        NoRecordings // nothing in it, or below it, is a video file
    };
    virtual void reportEmptyOpen(const QString &folder, EmptyOpen why)
    {
        Q_UNUSED(folder)
        Q_UNUSED(why)
    }
    // Remember the opened folder for the next "Open Folder" ("videoFilePath").
    virtual void storeVideoFolder(const QString &folder) = 0;
};

// Turns opened folders and dropped files into playlist rows by the cameras' folder and
// file naming schemes.
class RecordingDiscovery
{
public:
    RecordingDiscovery(PlaylistModel *model, DiscoveryHost *host);

    // Scans each folder URL in order and adds its recordings. "Open Folder" passes
    // rememberFolder true; the USB disk flow passes false.
    void openUrls(const QList<QUrl> &urls, bool rememberFolder);
    void openUrls(const QStringList &folderUrls, bool rememberFolder);
    // One folder, recursively; firstRow is -1 until a row is yielded.
    void scanFolder(const QString &folderUrl, int &firstRow, const QRegularExpression &filter,
                    bool rememberFolder, bool startPlayback);

    // The "file:" URL string of the front file of `fileName` in the folder `folderUrl`
    // (URL string or local path, no trailing slash), or "" when there is none to look for.
    QString frontFileFor(const QString &folderUrl, const QString &fileName) const;
    // Rewrites `folder` (local path) to its front sibling; the rule's code (0 to 6).
    static int frontFolder(QString &folder);
    QString frontName(const QString &folder, const QString &fileName, int code) const;
    QString letterFront(const QString &folder, const QString &fileName) const;
    QString lastLetterFront(const QString &folder, const QString &fileName) const;

    static QRegularExpression videoFileFilter();

    // Set when a top-level scan ends; a scan started from inside another one (through the
    // playback it started) thereby stops the outer one at its next entry.
    bool scanCancelled = false;
    // The row handed to the window for playback.
    PlaylistItem playItem;

    // Nesting deeper than this is not a camera's card; it stops runaway trees.
    static constexpr int maxDepth = 64;

private:
    struct ScanState
    {
        QSet<QString> visited; // canonical paths of the folders entered
        QFileInfoList deferred; // orphan candidates another folder's rows may claim
    };
    void addUnclaimed(const QFileInfoList &candidates, int rowsBefore, int &firstRow);
    void scanFolder(const QString &folder, int &firstRow, const QRegularExpression &filter,
                    bool rememberFolder, bool startPlayback, ScanState &state, int depth);
    int addLayoutRow(const FolderPlan::LayoutRecording &recording);
    void progress(int i, int n, const QString &folder, int firstRow, bool rememberFolder,
                  bool startPlayback);

    PlaylistModel *model;
    DiscoveryHost *host;
};
