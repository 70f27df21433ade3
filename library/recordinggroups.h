#pragma once

#include "library/folderscheme.h"

#include <QHash>
#include <QString>
#include <QVector>

// The index behind PlaylistModel::addGroupedFile. The grouping rule walks the rows to the
// first one whose name contains the new file's recording key (without regard to case) and
// joins it only when that row's own key is the same; done literally, opening a card costs
// rows x files substring searches. The index gives the same answer from hash look-ups and
// one search over the case-folded names of the rows before the candidate.
class RecordingGroups
{
public:
    // The row that already holds `fileName` exactly, or -1.
    int rowOfName(const QString &fileName) const { return byName.value(fileName, -1); }
    // The row that a discovered file joins, or -1 when it needs a row of its own.
    int groupOf(const QString &fileName, FolderScheme scheme) const;
    // Records the name of the row just appended (row number = number of names so far).
    void append(const QString &fileName);
    int count() const { return offsets.size(); }

    // The recording key: the name without its last 5 characters in numbered folders,
    // without its last 7 elsewhere; a name not longer than the cut is its own key.
    static QString recordingKey(const QString &fileName, FolderScheme scheme);

private:
    bool containedBefore(const QString &key, int row) const;

    QHash<QString, int> byName;
    QHash<QString, int> byKey5; // first row of each key with the cut of 5
    QHash<QString, int> byKey7; // ... and of 7
    // Case-folded names joined by '/', which no file name contains; offsets[r] is where
    // row r starts.
    QString folded;
    QVector<int> offsets;
    // Rows whose names hold characters outside the Basic Multilingual Plane, where folding
    // one UTF-16 unit at a time is not how QString compares; those are checked directly.
    QVector<int> unfolded;
    QVector<QString> names;
};
