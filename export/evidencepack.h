#pragma once

#include "export/cliprecording.h"
#include "export/exportresult.h"

#include <QByteArray>
#include <QString>

// The range handed over for checking rather than watching: nothing re-encoded. A folder with
// the original files of the range's recordings copied untouched, each channel cut by stream
// copy at the keyframes around the range, the range's track as GPX and CSV, and
// manifest.json with every file's size and SHA-256, the camera times and the range.
namespace EvidencePack {

ExportResult write(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                   const QString &folder, const CancelFlag &cancel,
                   const ExportProgress &progress);

// SHA-256 of a file as lowercase hex; empty when it cannot be read.
QByteArray sha256Of(const QString &path);

} // namespace EvidencePack
