#include "app/mainwindowsprivate.h"

#include "app/mainwindows.h"
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
    usbDiskOffer->start();
}
