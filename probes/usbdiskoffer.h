#pragma once

#include "probes/cusbdiskdialog.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>

class MountWatcher;
class QTimer;

// Offers the USB disks: those present shortly after start-up, and any disk mounted while
// the player runs. A folder chosen on one is handed on through folderChosen().
class UsbDiskOffer : public QObject
{
    Q_OBJECT

public:
    // The dialog gets `window` as its parent; `root` as for CUSBDiskDialog.
    explicit UsbDiskOffer(QWidget *window, const QString &root = QStringLiteral("/"));

    // Probes half a second from now, then watches the mount table.
    void start();

    CUSBDiskDialog *dialog() const { return diskDialog; }
    MountWatcher *mountWatcher() const { return watcher; }

signals:
    void folderChosen(const QList<QUrl> &urls);

private:
    void onChecked(CUSBDiskDialog::CheckUSBStatu status);
    void onMountsSettled();
    QSet<QString> currentMountPoints() const;

    QString root;
    CUSBDiskDialog *diskDialog;
    MountWatcher *watcher = nullptr;
    QTimer *settle;
    QSet<QString> offered;
    bool running = false;
};
