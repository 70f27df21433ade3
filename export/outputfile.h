#pragma once

#include <QString>

// What an export writes goes first to a hidden name beside its target and takes the target's
// name only when complete; an export that fails or is cancelled leaves nothing behind.
class OutputFile
{
public:
    // `folder`: the target is a folder (the evidence pack) rather than a file.
    OutputFile(const QString &target, bool folder);
    ~OutputFile(); // removes the temporary unless committed
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Creates the target's folder when missing, and for a folder target the temporary folder.
    bool prepare(QString *error);
    QString temporaryPath() const { return temporary; }
    // Replaces any earlier target with the temporary.
    bool commit(QString *error);

private:
    QString target;
    QString temporary;
    bool folder;
    bool committed = false;
};
