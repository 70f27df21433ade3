#pragma once

#include <QDateTime>
#include <QString>

// What a directory listing needs of one file, from a single system call and without the
// local-time conversions of QFileInfo: opening a card asks this for thousands of files.
struct FileStatus
{
    bool exists = false;
    qint64 size = 0;
    // The last change of the file's metadata, in UTC; invalid when the file does not exist.
    QDateTime changed;
};

// One implementation per system.
FileStatus fileStatus(const QString &path);
