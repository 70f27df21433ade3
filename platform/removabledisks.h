#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A mounted file system on a USB storage device: a dash camera's card in a reader, or a
// USB stick.
struct RemovableDisk
{
    QString mountPoint; // local path, below the root the disks were read from
    QString label;      // the volume label, empty when it has none

    // What the user knows the disk by: its label, else its mount point's folder name.
    QString displayName() const;
};

// Finds the mounted USB disks. Everything is read below a root folder ("/" for this
// machine), so that tests can hand in a made-up mount table and device tree.
class RemovableDisks
{
public:
    explicit RemovableDisks(const QString &root = QStringLiteral("/"));

    // One entry per USB device that is mounted, at its first mount point, ordered by path.
    QList<RemovableDisk> usbDisks() const;

private:
    QString root;
};

// Tells when file systems are mounted or unmounted. It sleeps in the event loop until the
// kernel reports a change of the mount table; nothing polls.
class MountWatcher : public QObject
{
    Q_OBJECT

public:
    explicit MountWatcher(const QString &root = QStringLiteral("/"), QObject *parent = nullptr);
    ~MountWatcher() override;

signals:
    void mountsChanged();

private:
    int fd = -1;
    QSocketNotifier *notifier = nullptr;
};
