#include "platform/filebytesource.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileByteSource::FileByteSource(const QString &path)
{
    // Non-blocking, so that a named pipe called like a video cannot stall the open; whatever
    // is not a regular file is closed again at once.
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    mHandle = fd;
    mSize = qMax<qint64>(qint64(info.st_size), 0);
}

FileByteSource::~FileByteSource()
{
    if (isOpen())
        ::close(int(mHandle));
}

qint64 FileByteSource::read(qint64 offset, char *dst, qint64 length)
{
    if (!isOpen() || offset < 0 || length <= 0)
        return 0;
    // One positioned read instead of a seek and a read: a track is a few thousand of them.
    qint64 done = 0;
    while (done < length) {
        const ssize_t got =
            ::pread(int(mHandle), dst + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}
