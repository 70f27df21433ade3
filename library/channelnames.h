#pragma once

#include <QLatin1String>
#include <QString>

// The words, tails and letters by which cameras mark a file's channel. Letters are always
// searched followed by a dot ("A.", "R.") and without regard to case, so that "clip.f.mov"
// counts as a front file, "clip.mp4" as none, and "x.f.mov" as a secondary file: its "X."
// wins over its "F.".
namespace ChannelNames {

// QLatin1String's pointer-only constructor counts with strlen, which clang will not run at
// compile time; the array size is known here.
template <int N> constexpr QLatin1String word(const char (&text)[N])
{
    return QLatin1String(text, N - 1);
}

// Channel folder words of the Front/Rear layout.
inline constexpr QLatin1String frontFolder = word("Front");
inline constexpr QLatin1String rearFolder = word("Rear");
inline constexpr QLatin1String middleFolder = word("Middle");

// Base-name tails of the Front/Rear layout.
inline constexpr QLatin1String frontTail = word("00");
inline constexpr QLatin1String secondaryTail = word("01_b");

// Markers as they are searched in a file name (tail or letter followed by the dot).
inline constexpr QLatin1String frontTailMarker = word("00.");
inline constexpr QLatin1String secondaryTailMarker = word("01_b.");
inline constexpr QLatin1String markerA = word("A.");
inline constexpr QLatin1String markerB = word("B.");
inline constexpr QLatin1String markerC = word("C.");
inline constexpr QLatin1String markerF = word("F.");
inline constexpr QLatin1String markerI = word("I.");
inline constexpr QLatin1String markerR = word("R.");
inline constexpr QLatin1String markerX = word("X.");
inline constexpr QLatin1String markerY = word("Y.");

// Video file filter, matched without regard to case against the file name.
inline constexpr QLatin1String videoFilePattern = word("\\.(mov|mp4|avi)$");

// True when the name carries a front letter ("A." or "F.").
bool hasFrontLetter(const QString &fileName);
// True when the name carries a secondary letter ("B.", "C.", "I.", "R.", "X." or "Y.").
bool hasSecondaryLetter(const QString &fileName);
// Case-insensitive "contains", the one test all marker rules use.
bool hasMarker(const QString &fileName, QLatin1String marker);

} // namespace ChannelNames
