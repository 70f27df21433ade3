#pragma once

#include <QLatin1String>
#include <QString>

// The words, tails and letters by which cameras mark a file's channel. Letters are always
// searched followed by a dot ("A.", "R.") and without regard to case, so that "x.f.mov"
// counts as a front file and "clip.mp4" as none.
namespace ChannelNames {

// Channel folder words of the Front/Rear layout.
inline constexpr QLatin1String frontFolder{"Front"};
inline constexpr QLatin1String rearFolder{"Rear"};
inline constexpr QLatin1String middleFolder{"Middle"};

// Base-name tails of the Front/Rear layout.
inline constexpr QLatin1String frontTail{"00"};
inline constexpr QLatin1String secondaryTail{"01_b"};

// Markers as they are searched in a file name (tail or letter followed by the dot).
inline constexpr QLatin1String frontTailMarker{"00."};
inline constexpr QLatin1String secondaryTailMarker{"01_b."};
inline constexpr QLatin1String markerA{"A."};
inline constexpr QLatin1String markerB{"B."};
inline constexpr QLatin1String markerC{"C."};
inline constexpr QLatin1String markerF{"F."};
inline constexpr QLatin1String markerI{"I."};
inline constexpr QLatin1String markerR{"R."};
inline constexpr QLatin1String markerX{"X."};
inline constexpr QLatin1String markerY{"Y."};

// Video file filter, matched without regard to case against the file name.
inline constexpr QLatin1String videoFilePattern{"\\.(mov|mp4|avi)$"};

// True when the name carries a front letter ("A." or "F.").
bool hasFrontLetter(const QString &fileName);
// True when the name carries a secondary letter ("B.", "C.", "I.", "R.", "X." or "Y.").
bool hasSecondaryLetter(const QString &fileName);
// Case-insensitive "contains", the one test all marker rules use.
bool hasMarker(const QString &fileName, QLatin1String marker);

} // namespace ChannelNames
