#pragma once

#include <QString>
#include <QStringList>

// Writes the folder tree of a camera layout's card (Tesla, BlackVue, GoPro, Thinkware,
// Garmin): the names, folders and side files as those cameras write them, with empty
// videos for the library's tests and benchmark, or with playable ones (ffmpeg) that show
// which camera each file stands for.
namespace Simulator {

struct CardOptions
{
    int recordings = 4;      // recordings of the layout's main folder
    bool realVideo = false;  // playable H.264 instead of empty files
    double duration = 10;    // seconds, with realVideo
    QString fontFile;        // with realVideo: a TrueType font for the camera's label
};

// The layouts cards can be written for.
QStringList cardLayouts();
// Writes the card below `root` (created); the relative paths written, in the order written,
// into *written when given. False with a reason in *error.
bool writeCard(const QString &layout, const QString &root, const CardOptions &options,
               QStringList *written = nullptr, QString *error = nullptr);

} // namespace Simulator
