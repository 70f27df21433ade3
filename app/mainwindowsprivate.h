#pragma once

#include "library/recordingdiscovery.h"

#include <QObject>

class MainWindows;
class UsbDiskOffer;
class PlaylistModel;

// The private part of the main window: the discovery of recordings lives here, next to the
// window but out of its class, and reaches the window only through the DiscoveryHost calls.
class MainWindowsPrivate : public QObject, public DiscoveryHost
{
    Q_OBJECT

public:
    MainWindowsPrivate(MainWindows *window, PlaylistModel *model);

    MainWindows *window() const { return mainWindow; }
    RecordingDiscovery &discovery() { return recordingDiscovery; }

    bool isMediaStopped() const override;
    void playRecording(PlaylistItem *item) override;
    void resetAfterEmptyOpen() override;
    void reportEmptyOpen(const QString &folder, EmptyOpen why) override;
    void storeVideoFolder(const QString &folder) override;

    // Offers the USB disks found shortly after start-up and those mounted later; a folder
    // chosen on one is opened like any other. Called once, at the end of the window's
    // construction.
    void showUsbDiskDialog();

private:
    MainWindows *mainWindow;
    RecordingDiscovery recordingDiscovery;
    UsbDiskOffer *usbDiskOffer = nullptr;
};
