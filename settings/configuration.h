#pragma once

#include "settings/maptypes.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QTranslator>

class QSettings;

// The user's settings in "configuration.ini", and the translators of the user interface.
// A process-wide singleton used on the GUI thread; created on first use, never destroyed.
class Configuration : public QObject
{
    Q_OBJECT

public:
    static Configuration *instance();

    int language();
    void setLanguage(int index);

    int maps();
    void setMaps(MapTypes type);

    int speedUnit();
    void setSpeedUnit(int unit);

    int volume();
    void setVolume(int volume);

    bool isMute();
    void setMute(bool muted);

    QString videoFilePath();
    void setVideoFilePath(const QString &folder);

    QString screenshotSavePath();
    void setScreenshotSavePath(const QString &folder);

    QRect mainwindowsRect();
    void setMainwindowsRect(const QRect &rect);

    bool isMainwindowsMaximize();
    void setMainwindowsMaximize(bool maximised);

    // Pause in milliseconds that the parse jobs take after every box and record, so that
    // parsing a whole card stays gentle on the machine while a recording plays.
    int parseDelayMs();
    void setParseDelayMs(int ms);

    // The clip export dialog's last choices. Layout, overlay items and quality are the
    // command line's names ("side", "time,speed,...", "standard"); before/after are the
    // seconds that "Export around now" takes, bounded to 1..600.
    QString exportLayout();
    void setExportLayout(const QString &layout);
    QString exportOverlay();
    void setExportOverlay(const QString &items);
    QString exportText();
    void setExportText(const QString &text);
    QString exportQuality();
    void setExportQuality(const QString &quality);
    bool exportEvidence();
    void setExportEvidence(bool evidence);
    QString exportFolder();
    void setExportFolder(const QString &folder);
    int exportBefore();
    void setExportBefore(int seconds);
    int exportAfter();
    void setExportAfter(int seconds);

    // The language index that the system locale maps to; exposed for tests.
    static int languageForLocale(const QLocale &locale);

    // Where the INI file lives.
    QString fileName() const;

signals:
    void updateLanguage();
    void mapsChanged(MapTypes map);

private:
    Configuration();

    QTranslator appTranslator;
    QTranslator qtTranslator;
    QSettings *settings = nullptr;
};
