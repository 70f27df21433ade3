#pragma once

#include "library/cameraevent.h"
#include "library/folderscheme.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

// What a scan does with each entry of one folder, decided before the rows are added:
// recordings of a camera layout (grouped, ordered, marked), files for the built-in schemes,
// and video files that would otherwise be dropped without a word (orphans: neither a row nor
// another row's channel), which become single-channel rows in their place.
class FolderPlan
{
public:
    enum class Role
    {
        Directory,
        Ignored, // not a video file, or a layout file that plays in another file's row
        Layout,  // the first entry of the folder's layout recordings: they are added here
        BuiltIn, // the built-in schemes' grouping decides
        Orphan,
        // An orphan candidate that a row of another folder may yet claim (the built-in
        // schemes' Middle, "...I" and parent-of-Front folders): decided after the whole scan.
        Deferred
    };

    struct LayoutRecording
    {
        QFileInfo file; // the row's file: the front, or the first channel present
        QString layout;
        QStringList marks;
        QStringList extraFiles; // local paths of files of the recording played in no channel
        CameraEvent event;
    };

    // `joinsRow(name)`: the built-in grouping would make the file join a row already listed
    // (from another folder); such a file is left to it, as before there were layouts.
    FolderPlan(const QString &folder, const QFileInfoList &entries, FolderScheme scheme,
               const QRegularExpression &filter,
               const std::function<bool(const QString &)> &joinsRow);

    // Whether a row of another folder can find files of `folder` as its channels.
    static bool reachableFromOutside(const QString &folder, const QFileInfoList &entries);

    Role role(int entry) const { return roles.at(entry); }
    // In recording order.
    const std::vector<LayoutRecording> &layoutRecordings() const { return recordings; }

private:
    void planLayouts(const QString &folder, const QFileInfoList &entries, FolderScheme scheme,
                     const std::function<bool(const QString &)> &joinsRow);
    void findOrphans(const QString &folder, const QFileInfoList &entries);

    QVector<Role> roles;
    std::vector<LayoutRecording> recordings;
};
