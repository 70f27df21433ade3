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

    // How a card's times are shown ("local", "zone:<IANA id>", "utc", "camera"), under the
    // card's key (its folder and the camera's identity); empty when never chosen.
    QString cardClockChoice(const QString &cardKey);
    void setCardClockChoice(const QString &cardKey, const QString &choice);

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
