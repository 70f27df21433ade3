#pragma once

#include "library/namepattern.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The folders a channel lookup reads, each listed once and kept while the object lives:
// the window keeps one per recording start, the probe one per scan. A card of 10,000 files
// otherwise lists a folder of 1,000 names again for every row and channel.
//
// Results are those of walking a fresh listing in directory order; the running-number
// index only narrows the names that are tried.
class FolderListings
{
public:
    // Uncached lists the folder again for every search and walks every name: the plain
    // walk the cache must agree with.
    enum class Mode
    {
        Cached,
        Uncached
    };
    explicit FolderListings(Mode mode = Mode::Cached) : mode(mode) {}

    // The first name in `dir`, in directory order, that differs from `exclude`, matches
    // `pattern` and contains `target` (without regard to case; an empty target is in every
    // name). Empty when there is none or the folder cannot be listed.
    QString firstMatch(const QString &dir, const NamePattern &pattern, const QString &exclude,
                       const QString &target);

    // Folders listed so far.
    int listedCount() const { return listings.size(); }

private:
    struct Listing
    {
        QStringList names; // directory order
        // Every seven-digit run that follows a '_' in a name -> positions of those names,
        // ascending. A name that carries "_<number>" is always found under the number's
        // first seven digits.
        QHash<int, QVector<int>> byNumber;
    };
    const Listing &listing(const QString &dir);

    Mode mode;
    QHash<QString, Listing> listings;
};
