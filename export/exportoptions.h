#pragma once

#include "library/cardclock.h"

#include <QString>
#include <QStringList>

// How the channels of a clip share the picture.
enum class ClipLayout
{
    Front, // the front channel alone
    Side,  // front and rear side by side
    Stack, // front above rear
    Grid,  // up to four channels two by two
    Pip    // front, the rear small in the top right corner
};

// What the overlay draws; a set of flags.
enum class OverlayItem : unsigned
{
    Time = 1,
    Speed = 2,
    Position = 4,
    Heading = 8,
    GForce = 16,
    Map = 32,
    Text = 64
};

// Frame height of one channel, bit rate and the encoder's speed, from best to fastest.
enum class QualityPreset
{
    High,
    Standard,
    Small
};

struct QualitySettings
{
    int cellHeight;     // lines of one channel's picture
    int kbitPerChannel; // the bit rate grows with the channels shown
    const char *x264Preset;
};

struct ExportOptions
{
    ClipLayout layout = ClipLayout::Side;
    unsigned overlay = 0; // OverlayItem flags
    QString text;         // the free text line
    QualityPreset quality = QualityPreset::Standard;
    bool mph = false;
    ClockChoice clock; // how the overlay shows times: the card's choice in the window
    QString output; // the clip file, or the evidence folder
};

namespace ExportNames {

// "front", "side", "stack", "grid", "pip"; false for anything else.
bool layoutFromName(const QString &name, ClipLayout *layout);
QString layoutName(ClipLayout layout);
// "time,speed,position,heading,gforce,map" (and "text"); false on an unknown item.
bool overlayFromNames(const QStringList &names, unsigned *items);
QStringList overlayNames(unsigned items);
unsigned allOverlayItems();
// "camera", "utc", "local" (from the offset); false for anything else.
bool clockFromName(const QString &name, ClockChoice *choice);
bool qualityFromName(const QString &name, QualityPreset *quality);
QString qualityName(QualityPreset quality);
QualitySettings qualitySettings(QualityPreset quality);

} // namespace ExportNames

inline bool hasItem(unsigned items, OverlayItem item)
{
    return (items & unsigned(item)) != 0;
}
