#include "probes/usbdiskoffer.h"

#include "library/channelnames.h"
#include "platform/removabledisks.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTimer>

namespace {

// Desktop automounters mount a card's partitions one after another; one offer for all.
const int kSettleMs = 300;

} // namespace

UsbDiskOffer::UsbDiskOffer(QWidget *window, const QString &root)
    : QObject(window), root(root), diskDialog(new CUSBDiskDialog(window, root)),
      settle(new QTimer(this))
{
    settle->setSingleShot(true);
    settle->setInterval(kSettleMs);
    connect(settle, &QTimer::timeout, this, &UsbDiskOffer::onMountsSettled);
    connect(diskDialog, &CUSBDiskDialog::checkUSBDisked, this, &UsbDiskOffer::onChecked);
}

void UsbDiskOffer::start()
{
    QTimer::singleShot(500, diskDialog, [this] {
        offered = currentMountPoints();
        diskDialog->checkUSBDisk();
    });
    watcher = new MountWatcher(root, this);
    connect(watcher, &MountWatcher::mountsChanged, settle, qOverload<>(&QTimer::start));
}

QSet<QString> UsbDiskOffer::currentMountPoints() const
{
    QSet<QString> points;
    for (const RemovableDisk &disk : RemovableDisks(root).usbDisks())
        points.insert(disk.mountPoint);
    return points;
}

bool UsbDiskOffer::holdsRecordings(const QString &folder, int maxEntries)
{
    static const QRegularExpression video(ChannelNames::videoFilePattern,
                                          QRegularExpression::CaseInsensitiveOption);
    QDirIterator it(folder, QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    for (int looked = 0; it.hasNext() && looked < maxEntries; ++looked) {
        it.next();
        if (it.fileInfo().isFile() && video.match(it.fileName()).hasMatch())
            return true;
    }
    return false;
}

void UsbDiskOffer::onMountsSettled()
{
    if (diskDialog->isChoosingFolder()) {
        settle->start();
        return;
    }
    const QList<RemovableDisk> disks = RemovableDisks(root).usbDisks();
    QSet<QString> now;
    for (const RemovableDisk &disk : disks)
        now.insert(disk.mountPoint);
    if (startupOfferDone && !diskDialog->isVisible()) {
        for (const RemovableDisk &disk : disks) {
            if (!offered.contains(disk.mountPoint) && holdsRecordings(disk.mountPoint))
                emit recordingsMounted(disk.displayName(), disk.mountPoint);
        }
        for (const QString &gone : offered - now)
            emit diskUnmounted(gone);
        // A disk taken out and put back in is offered again.
        offered = now;
        return;
    }
    const bool anyNew = !(now - offered).isEmpty();
    offered = now;
    // An open dialog follows the disks as they come and go.
    if (anyNew || diskDialog->isVisible())
        diskDialog->checkUSBDisk();
}

void UsbDiskOffer::onChecked(CUSBDiskDialog::CheckUSBStatu status)
{
    if (running || diskDialog->isVisible())
        return;
    if (status != CUSBDiskDialog::CheckUSB_Success) {
        startupOfferDone = true;
        return;
    }
    running = true;
    const int result = diskDialog->exec();
    running = false;
    startupOfferDone = true;
    if (result != QDialog::Accepted)
        return;
    QString folder;
    QList<QUrl> urls;
    diskDialog->selection(folder, urls);
    if (!folder.isEmpty())
        emit folderChosen(urls);
}
