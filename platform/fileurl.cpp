#include "platform/fileurl.h"

#include <QUrl>

namespace FileUrl {

QString fromLocalPath(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

QUrl urlFromLocalPath(const QString &path)
{
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

QString toLocalPath(const QString &urlOrPath)
{
    if (!urlOrPath.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return urlOrPath;
    return QUrl(urlOrPath).toLocalFile();
}

} // namespace FileUrl
