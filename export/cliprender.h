#pragma once

#include "export/cliprecording.h"
#include "export/exportoptions.h"
#include "export/exportresult.h"

#include <QSize>
#include <QStringList>

// One re-encoded clip: the channels laid out and scaled by one ffmpeg process, the overlay
// painted here frame by frame and piped to it as raw BGRA frames.
namespace ClipRender {

struct Plan
{
    QList<int> channels; // channel slots shown, in layout order (-1: a black cell)
    QSize cell;          // one channel's picture
    QSize output;
    int bandHeight = 0;  // 0 without overlay
    double frameRate = 30;
    qint64 frames = 0;
    double seconds = 0;
    bool audio = false;  // the front channel's sound is kept
    int kbit = 0;
    QString error;       // set when the clip cannot be made
};

// Checks the files (every channel shown must exist in every piece) and works out the sizes.
Plan plan(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
          const ExportOptions &options);

// ffmpeg's arguments for a plan, writing to `target`.
QStringList arguments(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                      const ExportOptions &options, const Plan &plan, const QString &target);

// The overlay's values `seconds` into the clip.
struct Where
{
    int recording = -1;
    double second = 0; // into that recording
};
Where locate(const QList<ClipPiece> &pieces, double seconds);

// Renders to options.output through a temporary file beside it.
ExportResult run(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                 const ExportOptions &options, const CancelFlag &cancel,
                 const ExportProgress &progress);

} // namespace ClipRender
