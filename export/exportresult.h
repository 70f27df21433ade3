#pragma once

#include <QString>

#include <atomic>
#include <functional>

// How an export ended. Failures carry one line for the user; a cancelled export is a failure
// with `cancelled` set. Either way nothing half-written is left behind.
struct ExportResult
{
    bool ok = false;
    bool cancelled = false;
    QString error;
    QString output; // the file or folder written
};

// fraction 0..1, seconds left (-1 while unknown). Called on the exporting thread.
using ExportProgress = std::function<void(double fraction, int secondsLeft)>;
using CancelFlag = std::atomic_bool;
