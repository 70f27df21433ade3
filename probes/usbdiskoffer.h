#pragma once

#include "probes/cusbdiskdialog.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>

class MountWatcher;
class QTimer;

// Offers the USB disks: those present shortly after start-up in the modal dialog, and a
// disk with recordings mounted later through recordingsMounted(), for a bar in the window
// that leaves a recording playing uncovered. A folder chosen in the dialog is handed on
// through folderChosen().
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

    // Looks for a recording (MP4, MOV or AVI) below `folder`, giving up after `maxEntries`
    // entries so that a large disk of other files cannot stall the window. A dash camera's
    // card holds a few folders of recordings, found long before that.
    static bool holdsRecordings(const QString &folder, int maxEntries = 4000);

signals:
    void folderChosen(const QList<QUrl> &urls);
    // A disk mounted after the start-up offer, with recordings on it.
    void recordingsMounted(const QString &name, const QString &mountPoint);
    void diskUnmounted(const QString &mountPoint);

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
    // Set once the start-up probe has had its answer (and its dialog, if any, has closed).
    bool startupOfferDone = false;
};
