#pragma once

#include <QString>
#include <QStringList>

// The card layouts of cameras outside the built-in naming schemes (Tesla, BlackVue, GoPro,
// Thinkware, Garmin): how a file is recognised, which recording and channel it belongs to,
// how recordings order and what the camera marked them as. The knowledge is one table in
// cameralayouts.cpp; a layout is consulted only where its own file-name pattern matches, so
// the cards that the built-in schemes describe are read as before.
namespace CameraLayouts {

enum class Channel
{
    Front,
    Rear,
    Third,
    Fourth,
    Extra // recorded with the others, played in no channel (Tesla's pillar cameras)
};

// What the table says about one video file.
struct FileMatch
{
    QString layout;       // "tesla", "blackvue", ...
    QString recordingKey; // the files of one recording in one folder share it
    Channel channel = Channel::Front;
    QString orderKey;     // recordings sort by it, then by their key
    QStringList marks;    // from the name and from the folders above the file
};

// Matches `fileName` in the local folder `folder` against the table; false when no layout's
// pattern matches (the built-in schemes then decide).
bool match(const QString &folder, const QString &fileName, FileMatch *out);

// The name of channel `channel`'s file of the recording that `fileName` (a file of layout
// `layout`) belongs to, or "" when the layout has no such channel. Built from the row's own
// name, so the result is spelled as that camera spells it.
QString channelFileName(const QString &layout, const QString &fileName, Channel channel);

// Every channel a layout's recordings can have besides the front, in the order the table
// lists them (Extra channels included), as file names derived from `fileName`.
QStringList extraFileNames(const QString &layout, const QString &fileName);

// The layouts' names, in table order.
QStringList layoutNames();

} // namespace CameraLayouts
