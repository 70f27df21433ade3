#include "library/folderscheme.h"

#include "library/channelnames.h"
#include "platform/fileurl.h"

#include <QRegularExpression>

namespace ChannelNames {

bool hasMarker(const QString &fileName, QLatin1String marker)
{
    return fileName.contains(marker, Qt::CaseInsensitive);
}

// One pass over the name instead of a case-insensitive search per letter: a scan meets
// every file of the card, and "X." is found exactly where a dot follows a character that
// folds to 'x', which is how the case-insensitive search compares.
static bool letterBeforeDot(const QString &fileName, const char *letters)
{
    const int n = fileName.size();
    const QChar *text = fileName.constData();
    for (int i = 1; i < n; ++i) {
        if (text[i] != QLatin1Char('.'))
            continue;
        const ushort folded = text[i - 1].toCaseFolded().unicode();
        for (const char *l = letters; *l; ++l) {
            if (folded == ushort(*l))
                return true;
        }
    }
    return false;
}

bool hasFrontLetter(const QString &fileName)
{
    return letterBeforeDot(fileName, "af");
}

bool hasSecondaryLetter(const QString &fileName)
{
    return letterBeforeDot(fileName, "bcirxy");
}

} // namespace ChannelNames

FolderScheme folderScheme(const QString &path)
{
    const QString local = withoutTrailingSlash(FileUrl::toLocalPath(path));
    if (!local.contains(QLatin1Char('/')))
        return FolderScheme::SchemeLetters;
    static const QRegularExpression numbered(QStringLiteral("/1/|/2/|/1$|/2$"));
    if (numbered.match(local).hasMatch())
        return FolderScheme::SchemeNumbered;
    const QString name = lastComponent(local);
    if (name.startsWith(ChannelNames::frontFolder) || name.startsWith(ChannelNames::rearFolder))
        return FolderScheme::SchemeFrontRear;
    // "RO" (read-only) and "EMR" (emergency) folders hold letter-named files.
    if (name.startsWith(QLatin1Char('F')) ||
        (name.startsWith(QLatin1Char('R')) && name != QLatin1String("RO")))
        return FolderScheme::SchemePrefix;
    if (name.endsWith(QLatin1Char('F')) ||
        (name.endsWith(QLatin1Char('R')) && name != QLatin1String("EMR")))
        return FolderScheme::SchemeSuffix;
    return FolderScheme::SchemeLetters;
}

QString folderOfPath(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString lastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString baseUpToFirstDot(const QString &fileName)
{
    const int dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString suffixAfterLastDot(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

QString joinPath(const QString &dir, const QString &name)
{
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}
