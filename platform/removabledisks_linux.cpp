#include "platform/removabledisks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

// Linux: the mount table is /proc/self/mountinfo; a mount's device (major:minor) leads
// through /sys/dev/block to the device's place in the device tree, which passes through a
// USB bus ("usb1", "usb2", ...) for USB storage. Volume labels come from udev's
// /dev/disk/by-label links.

namespace {

const qint64 kMaxLine = 16 * 1024;

// mountinfo writes space, tab, newline and backslash as three-digit octal escapes.
QString unescapeMountPath(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QString::fromUtf8(out);
}

// udev's link names escape unsafe characters as \xNN.
QString unescapeLinkName(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    QByteArray out;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            bool ok = false;
            const int value = bytes.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += bytes[i];
    }
    return QString::fromUtf8(out);
}

bool isOnUsbBus(const QString &devicePath)
{
    const QStringList parts = devicePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part.startsWith(QLatin1String("usb")) && part.size() > 3) {
            bool number = false;
            part.mid(3).toInt(&number);
            if (number)
                return true;
        }
    }
    return false;
}

QString labelOf(const QString &root, const QString &kernelName)
{
    const QDir labels(QDir(root).filePath(QStringLiteral("dev/disk/by-label")));
    const QFileInfoList links = labels.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &link : links) {
        if (link.isSymLink() && QFileInfo(link.symLinkTarget()).fileName() == kernelName)
            return unescapeLinkName(link.fileName());
    }
    return QString();
}

} // namespace

QString RemovableDisk::displayName() const
{
    const QString name = label.isEmpty() ? QFileInfo(mountPoint).fileName() : label;
    return name.isEmpty() ? mountPoint : name;
}

RemovableDisks::RemovableDisks(const QString &root) : root(root) {}

QList<RemovableDisk> RemovableDisks::usbDisks() const
{
    QList<RemovableDisk> disks;
    const QDir base(root);
    QFile table(base.filePath(QStringLiteral("proc/self/mountinfo")));
    if (!table.open(QIODevice::ReadOnly))
        return disks;
    QSet<QByteArray> devicesSeen;
    // The kernel's table reports a size of 0, so atEnd() holds from the start: read until a
    // read returns nothing.
    // "36 35 8:17 / /media/card rw,relatime shared:1 - vfat /dev/sdb1 rw,..."
    for (QByteArray line = table.readLine(kMaxLine); !line.isEmpty();
         line = table.readLine(kMaxLine)) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray &device = fields[2];
        if (devicesSeen.contains(device))
            continue;
        const QString sysPath =
            base.filePath(QStringLiteral("sys/dev/block/") + QString::fromLatin1(device));
        const QString devicePath = QFileInfo(sysPath).canonicalFilePath();
        if (devicePath.isEmpty() || !isOnUsbBus(devicePath))
            continue;
        devicesSeen.insert(device);
        const QString mountPoint = unescapeMountPath(fields[4]);
        disks << RemovableDisk{QDir::cleanPath(base.filePath(mountPoint.mid(1))),
                               labelOf(root, QFileInfo(devicePath).fileName())};
    }
    std::sort(disks.begin(), disks.end(), [](const RemovableDisk &a, const RemovableDisk &b) {
        return a.mountPoint < b.mountPoint;
    });
    return disks;
}

MountWatcher::MountWatcher(const QString &root, QObject *parent) : QObject(parent)
{
    // The kernel flags the mount table with POLLPRI (and POLLERR) on every change; a plain
    // file of a made-up root never does.
    const QByteArray path = QDir(root).filePath(QStringLiteral("proc/self/mountinfo")).toLocal8Bit();
    fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    notifier = new QSocketNotifier(fd, QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, &MountWatcher::mountsChanged);
}

MountWatcher::~MountWatcher()
{
    delete notifier;
    if (fd >= 0)
        ::close(fd);
}
