#pragma once

#include "library/driveevents.h"
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

    // The keys the Google Maps and Baidu Maps pages need, as the user entered them; empty
    // when none was. Kept here only, never in a file beside the pages.
    QString googleMapsKey();
    void setGoogleMapsKey(const QString &key);
    QString baiduMapsKey();
    void setBaiduMapsKey(const QString &key);

    // Pause in milliseconds that the parse jobs take after every box and record, so that
    // parsing a whole card stays gentle on the machine while a recording plays.
    int parseDelayMs();
    void setParseDelayMs(int ms);

    // How far apart (seconds) one recording's end and the next one's start may be for both
    // to belong to one drive.
    int driveGapSeconds();
    void setDriveGapSeconds(int seconds);
    // What counts as an event; a value missing or out of range gives the default.
    DriveEvents::Thresholds eventThresholds();
    void setEventThresholds(const DriveEvents::Thresholds &thresholds);
    // How a card's times are shown ("local", "zone:<IANA id>", "utc", "camera"), under the
    // card's key (its folder and the camera's identity); empty when never chosen.
    QString cardClockChoice(const QString &cardKey);
    void setCardClockChoice(const QString &cardKey, const QString &choice);
    // The GPS track file chosen for the recording at `recording` (its absolute path) and the
    // offset in seconds the user gave it; empty when none. An empty file forgets the choice.
    QString trackFileFor(const QString &recording, double *offsetSeconds);
    void setTrackFileFor(const QString &recording, const QString &trackFile, double offsetSeconds);
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
    // A map key was changed; the page that uses it loads again.
    void mapKeysChanged();

private:
    Configuration();
    void setMapKey(const char *name, const QString &key);

    QTranslator appTranslator;
    QTranslator qtTranslator;
    QSettings *settings = nullptr;
};
