#pragma once

#include <QMetaType>
#include <QString>

// The naming scheme that a folder's path reveals. The numeric values are part of the
// probe tool's output and of the main window's channel set-up, so they stay fixed.
enum class FolderScheme : quint8
{
    SchemeLetters = 0,   // channel is a letter inside the file name
    SchemeFrontRear = 1, // "Front…" / "Rear…" / "Middle…" sibling folders
    SchemePrefix = 2,    // "F…" / "R…" sibling folders
    SchemeSuffix = 3,    // "…F" / "…R" sibling folders
    SchemeNumbered = 4,  // folders "1" and "2"
};

// Classifies a folder given as a local path or a "file:" URL string. Only the text is
// examined; the folder need not exist.
FolderScheme folderScheme(const QString &path);

// The folder part of a local path: everything before the last '/', or "" when there is
// none. Unlike QFileInfo this never touches the file system.
QString folderOfPath(const QString &path);
// The text after the last '/' (the whole text when there is none).
QString lastComponent(const QString &path);
// dir + '/' + name, without doubling a '/' that dir already ends in.
QString joinPath(const QString &dir, const QString &name);
// The path without trailing slashes ("/" stays "/"): a folder typed or picked with a trailing
// slash names the same folder.
QString withoutTrailingSlash(QString path);
// The base name up to the first dot, and the suffix after the last dot ("" without a
// dot), which is how cameras' names split ("clip.R.mp4" -> "clip", "mp4").
QString baseUpToFirstDot(const QString &fileName);
QString suffixAfterLastDot(const QString &fileName);
