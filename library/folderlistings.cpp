#include "library/folderlistings.h"

namespace {

constexpr int indexDigits = 7;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Seven ASCII digits at `from`, or -1.
int digitsAt(const QString &name, int from)
{
    if (from + indexDigits > name.size())
        return -1;
    int n = 0;
    for (int i = from; i < from + indexDigits; ++i) {
        const QChar c = name.at(i);
        if (!isDigit(c))
            return -1;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace

const FolderListings::Listing &FolderListings::listing(const QString &dir)
{
    auto found = listings.constFind(dir);
    if (found != listings.constEnd())
        return *found;
    Listing l;
    l.names = folderEntries(dir);
    for (int i = 0; i < l.names.size(); ++i) {
        const QString &name = l.names.at(i);
        for (int at = name.indexOf(QLatin1Char('_')); at >= 0;
             at = name.indexOf(QLatin1Char('_'), at + 1)) {
            const int number = digitsAt(name, at + 1);
            if (number < 0)
                continue;
            QVector<int> &positions = l.byNumber[number];
            if (positions.isEmpty() || positions.last() != i)
                positions.append(i);
        }
    }
    return *listings.insert(dir, std::move(l));
}

QString FolderListings::firstMatch(const QString &dir, const NamePattern &pattern,
                                   const QString &exclude, const QString &target)
{
    if (!pattern.isValid())
        return QString();
    auto qualifies = [&](const QString &name) {
        return name != exclude && pattern.matches(name) &&
               name.contains(target, Qt::CaseInsensitive);
    };
    if (mode == Mode::Uncached) {
        for (const QString &name : folderEntries(dir)) {
            if (qualifies(name))
                return name;
        }
        return QString();
    }
    const Listing &l = listing(dir);
    const int key = pattern.indexKey();
    if (key < 0) {
        for (const QString &name : l.names) {
            if (qualifies(name))
                return name;
        }
        return QString();
    }
    for (int i : l.byNumber.value(key)) {
        if (qualifies(l.names.at(i)))
            return l.names.at(i);
    }
    return QString();
}
