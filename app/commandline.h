#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The player's own options: --help and --version, both answered without a window. Every
// other option belongs to Qt or the web engine and is passed through untouched.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // True when `arguments` (argv, the program first) ask for help or the version. Checked
    // before any application object exists: both must work without a display.
    static bool asksForInformation(const QStringList &arguments);

    // The text --help or --version prints; needs the application object, its identity and
    // the translators in place.
    static QString information(const QStringList &arguments);
};
