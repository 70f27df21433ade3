#pragma once

#include "library/recordingdiscovery.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// Writes an empty file for every relative path below `root` (folders end in '/').
inline bool makeTree(const QString &root, const QStringList &paths)
{
    for (const QString &rel : paths) {
        const QString path = root + '/' + rel;
        if (rel.endsWith('/')) {
            if (!QDir().mkpath(path))
                return false;
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

// A main window stand-in that records what discovery asked of it.
class RecordingHost : public DiscoveryHost
{
public:
    bool isMediaStopped() const override { return stopped; }
    void playRecording(PlaylistItem *item) override
    {
        played << (item ? item->rowId : -2);
        stopped = false;
    }
    void resetAfterEmptyOpen() override { ++resets; }
    void storeVideoFolder(const QString &folder) override { stored << folder; }
    void reportEmptyOpen(const QString &folder, EmptyOpen why) override
    {
        emptyOpens << qMakePair(folder, why);
    }

    bool stopped = true;
    QList<int> played;
    int resets = 0;
    QStringList stored;
    QList<QPair<QString, EmptyOpen>> emptyOpens;
};
