#pragma once

#include <QString>
#include <optional>

// Installs the application's own font file at start-up. The point size follows the DPI of
// the screen in the middle of the desktop.
//
// Kept in the shell rather than on the parser's utility object: the parser layer depends
// on QtCore only, and this needs the font database and the screens.
class ApplicationFont
{
public:
    // applicationDirPath() + "/resources/fonts/wqy-microhei.ttf".
    static QString defaultPath();

    // Adds the font file and makes it the application font. Returns false (and leaves the
    // current font) when the file cannot be added or names no family.
    static bool install(const QString &path);

    // Logical DPI / 96 of the screen that holds the centre of the desktop's available
    // area; nothing when there is no such screen.
    static std::optional<qreal> desktopDpiFactor();
};
