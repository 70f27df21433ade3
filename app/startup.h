#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// The application's identity. The organisation and application names decide where the
// settings file lives, so they are set before the settings store is first used.
class ApplicationIdentity
{
    Q_DECLARE_TR_FUNCTIONS(ApplicationIdentity)

public:
    static const char *const baseName;
    static const char *const version;

    // "Waylume 2.50".
    static QString applicationName();

    // Sets application name, organisation name and version on the running application.
    static void apply();

    // Why the player keeps the display awake; desktops show it in their power settings.
    static QString keepAwakeReason();
};

// The argument vector handed to QApplication: the process's arguments, then the web
// engine's "--disable-web-security", then a terminating null pointer. QApplication keeps
// references to both the count and the array, so the object must outlive it.
class ArgumentArray
{
public:
    static const char *const engineArgument;

    ArgumentArray(int argc, char **argv);

    int &count() { return argumentCount; }
    char **values() { return array.get(); }

private:
    int argumentCount;
    std::unique_ptr<char *[]> array;
};

// Runs `action` once `window` has been painted for the first time (or after `fallbackMs`
// when no paint comes, as for a minimised window), so that work started by the command line
// cannot keep the new window blank.
void runAfterFirstPaint(QWidget *window, std::function<void()> action, int fallbackMs = 1000);
