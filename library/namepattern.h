#pragma once

#include <QString>
#include <QStringList>

// The running-number pattern by which the letter layouts tie a recording's channel files
// together. A name of 20 characters or more reads as: a head, 7 characters that are not
// compared (cameras put the clock there and the channels' clocks may differ by a second or
// two), a 7-digit running number starting 12 characters before the end, one channel letter
// and a 4-character extension. Shorter names match only names that contain them whole.
class NamePattern
{
public:
    // The pattern of the file with `fileName`'s number moved by `delta`. Invalid when the
    // number is not seven ASCII digits or the moved number is negative.
    static NamePattern forName(const QString &fileName, int delta);

    bool isValid() const { return valid; }
    // Without regard to case, like the folder name filter "*<head>*_<number>*".
    bool matches(const QString &name) const;

    // The seven-digit number at 12 characters before the end, or -1.
    static int runningNumber(const QString &fileName);

    // The first seven digits of the number a matching name must carry after a '_', or -1
    // for short names, which carry no number. Lets a folder's names be indexed by number.
    int indexKey() const { return key; }

private:
    QString head;
    QString tail; // "_" + number, empty for short names
    int key = -1;
    bool valid = false;
};

// Names in `dir` in directory order, files and folders, without hidden entries (cards
// written on a Mac carry "._" shadow files that must not pass for a channel).
QStringList folderEntries(const QString &dir);
