#pragma once

#include <QtGlobal>
#include <optional>

// Font sizes that follow the screen's logical DPI. The factor is the logical DPI divided
// by 96; no value means that no screen could be found.
namespace FontScale {

// Point size of the application font installed at start-up.
int startupPointSize(std::optional<qreal> dpiFactor);

struct SystemFont
{
    int pointSize;
    qreal scaleStep;
};

// Point size and scale step that the main window applies after start-up and after a
// DPI change.
SystemFont systemFont(std::optional<qreal> dpiFactor);

// The file-name label gets its fixed 16-pixel font only at the small scale steps; at the
// larger ones 16 pixels would be unreadably small next to the scaled title.
bool fileNameLabelFollows(qreal scaleStep);

} // namespace FontScale
