#include "app/mainwindowsprivate.h"

#include "app/mainwindows.h"
#include "platform/fileurl.h"
#include "probes/usbdiskbar.h"
#include "probes/usbdiskoffer.h"
#include "settings/configuration.h"

MainWindowsPrivate::MainWindowsPrivate(MainWindows *window, PlaylistModel *model)
    : QObject(window), mainWindow(window), recordingDiscovery(model, this)
{
}

bool MainWindowsPrivate::isMediaStopped() const
{
    return mainWindow->mediaState() == QMediaPlayer::StoppedState;
}

void MainWindowsPrivate::playRecording(PlaylistItem *item)
{
    mainWindow->playRecording(item);
}

void MainWindowsPrivate::resetAfterEmptyOpen()
{
    mainWindow->resetAfterEmptyOpen();
}

void MainWindowsPrivate::reportEmptyOpen(const QString &folder, EmptyOpen why)
{
    mainWindow->showEmptyOpen(folder, why == EmptyOpen::NoFolder);
}

void MainWindowsPrivate::storeVideoFolder(const QString &folder)
{
    Configuration::instance()->setVideoFilePath(folder);
}

void MainWindowsPrivate::showUsbDiskDialog()
{
    if (usbDiskOffer)
        return;
    usbDiskOffer = new UsbDiskOffer(mainWindow);
    connect(usbDiskOffer, &UsbDiskOffer::folderChosen, this, [this](const QList<QUrl> &urls) {
        recordingDiscovery.openUrls(urls, false);
        mainWindow->activateWindow();
    });
    // Later disks are offered in the window's bar: a modal dialog would cover a recording
    // that plays. The dialog is for start-up only.
    UsbDiskBar *bar = mainWindow->usbDiskBar();
    connect(usbDiskOffer, &UsbDiskOffer::recordingsMounted, bar, &UsbDiskBar::offer);
    connect(usbDiskOffer, &UsbDiskOffer::diskUnmounted, bar, &UsbDiskBar::withdraw);
    connect(bar, &UsbDiskBar::openRequested, this, [this](const QString &mountPoint) {
        recordingDiscovery.openUrls(QStringList{FileUrl::fromLocalPath(mountPoint)}, false);
    });
    usbDiskOffer->start();
}
