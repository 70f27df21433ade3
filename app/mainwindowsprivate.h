#pragma once

#include <QObject>

class MainWindows;

// The private part of the main window: the discovery of recordings and the USB disk flow
// live here, next to the window but out of its class.
class MainWindowsPrivate : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowsPrivate(MainWindows *window);

    MainWindows *window() const { return mainWindow; }

private:
    MainWindows *mainWindow;
};
