#include "platform/filestatus.h"

#include <QFile>
#include <sys/stat.h>

FileStatus fileStatus(const QString &path)
{
    FileStatus status;
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return status;
    status.exists = true;
    status.size = qint64(st.st_size);
    status.changed = QDateTime::fromMSecsSinceEpoch(
        qint64(st.st_ctim.tv_sec) * 1000 + st.st_ctim.tv_nsec / 1000000, Qt::UTC);
    return status;
}
