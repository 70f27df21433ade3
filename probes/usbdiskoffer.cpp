#include "probes/usbdiskoffer.h"

#include "platform/removabledisks.h"

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

void UsbDiskOffer::onMountsSettled()
{
    if (diskDialog->isChoosingFolder()) {
        settle->start();
        return;
    }
    const QSet<QString> now = currentMountPoints();
    const bool anyNew = !(now - offered).isEmpty();
    // A disk taken out and put back in is offered again.
    offered = now;
    // An open dialog follows the disks as they come and go.
    if (anyNew || diskDialog->isVisible())
        diskDialog->checkUSBDisk();
}

void UsbDiskOffer::onChecked(CUSBDiskDialog::CheckUSBStatu status)
{
    if (status != CUSBDiskDialog::CheckUSB_Success || running || diskDialog->isVisible())
        return;
    running = true;
    const int result = diskDialog->exec();
    running = false;
    if (result != QDialog::Accepted)
        return;
    QString folder;
    QList<QUrl> urls;
    diskDialog->selection(folder, urls);
    if (!folder.isEmpty())
        emit folderChosen(urls);
}
