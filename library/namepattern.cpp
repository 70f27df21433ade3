#include "library/namepattern.h"

#include <QDir>

namespace {
constexpr int longNameLength = 20;
constexpr int headCut = 19;
constexpr int numberFromEnd = 12;
constexpr int numberDigits = 7;
} // namespace

int NamePattern::runningNumber(const QString &fileName)
{
    if (fileName.size() < longNameLength)
        return -1;
    int n = 0;
    const int start = fileName.size() - numberFromEnd;
    for (int i = start; i < start + numberDigits; ++i) {
        const QChar c = fileName.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

NamePattern NamePattern::forName(const QString &fileName, int delta)
{
    NamePattern p;
    if (fileName.size() < longNameLength) {
        p.head = fileName;
        p.valid = true;
        return p;
    }
    const int n = runningNumber(fileName);
    // Seven digits plus a small delta stays far from int overflow; a result past 9999999
    // simply has eight digits and matches nothing a camera wrote.
    if (n < 0 || n + delta < 0)
        return p;
    p.head = fileName.left(fileName.size() - headCut);
    p.tail = QLatin1Char('_') + QString::asprintf("%07d", n + delta);
    p.key = p.tail.midRef(1, numberDigits).toInt();
    p.valid = true;
    return p;
}

bool NamePattern::matches(const QString &name) const
{
    if (!valid)
        return false;
    const int at = name.indexOf(head, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    return tail.isEmpty() || name.indexOf(tail, at + head.size(), Qt::CaseInsensitive) >= 0;
}

QStringList folderEntries(const QString &dir)
{
    if (dir.isEmpty())
        return {};
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
}
