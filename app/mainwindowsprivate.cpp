#include "app/mainwindowsprivate.h"

#include "app/mainwindows.h"

MainWindowsPrivate::MainWindowsPrivate(MainWindows *window) : QObject(window), mainWindow(window) {}
