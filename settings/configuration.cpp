#include "settings/configuration.h"

#include "library/drives.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>

namespace {

const char *const kLanguage = "language";
const char *const kMaps = "maps";
const char *const kSpeedUnit = "speedUnit";
const char *const kVolume = "Volume";
const char *const kMute = "Mute";
const char *const kVideoFilePath = "videoFilePath";
const char *const kScreenshotSavePath = "ScreenshotSavePath";
const char *const kMainwindowsRect = "mainwindowsRect";
const char *const kMainwindowsIsMaximize = "mainwindowsIsMaximize";
const char *const kParseDelayMs = "ParseDelayMs";
const char *const kGoogleMapsKey = "googleMapsKey";
const char *const kBaiduMapsKey = "baiduMapsKey";
const char *const kDriveGapSeconds = "DriveGapSeconds";
const char *const kBrakingG = "Events/BrakingG";
const char *const kAccelerationG = "Events/AccelerationG";
const char *const kTurnG = "Events/TurnG";
const char *const kImpactG = "Events/ImpactG";
const char *const kSpeedingKmh = "Events/SpeedingKmh";
const char *const kDecelerationKmhPerSecond = "Events/DecelerationKmhPerSecond";

const int kNoLanguageChosen = 13;

struct Catalogues
{
    const char *app; // compiled-in application catalogue, or nullptr
    const char *qt;  // Qt's own catalogue file, or nullptr
};

// Indexed by the language index; the order is that of the settings dialog's list.
const Catalogues kCatalogues[] = {
    {":/translations/Chinese.qm", "translations/qt_zh_CN.qm"},
    {":/translations/ChineseTraditional.qm", "translations/qt_zh_TW.qm"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {":/translations/French.qm", "translations/qt_fr.qm"},
    {":/translations/Italian.qm", "translations/qt_it.qm"},
    {":/translations/Japanese.qm", "translations/qt_ja.qm"},
    {":/translations/Polish.qm", "translations/qt_pl.qm"},
    {":/translations/Russian.qm", "translations/qt_ru.qm"},
    {":/translations/German.qm", "translations/qt_de.qm"},
    {":/translations/Spanish.qm", "translations/qt_es.qm"},
    {":/translations/Portugal.qm", nullptr},
    {":/translations/Korean.qm", "translations/qt_ko.qm"},
};

const Catalogues *cataloguesFor(int index)
{
    if (index < 0 || index >= int(sizeof kCatalogues / sizeof kCatalogues[0]))
        return nullptr;
    return kCatalogues[index].app ? &kCatalogues[index] : nullptr;
}

// Qt's catalogue is named relative to the current directory; a player started from
// elsewhere would keep Qt's own texts in English. Look beside the executable and in
// Qt's translations folder as well.
bool loadQtCatalogue(QTranslator &translator, const QString &relativePath)
{
    if (translator.load(relativePath))
        return true;
    const QString name = QFileInfo(relativePath).fileName();
    const QStringList folders = {
        QCoreApplication::applicationDirPath() + QLatin1String("/translations"),
        QLibraryInfo::location(QLibraryInfo::TranslationsPath),
    };
    for (const QString &folder : folders) {
        if (translator.load(name, folder))
            return true;
    }
    return false;
}

// The settings library reads the whole file into memory. Ours holds a few hundred bytes;
// anything this large is not ours, and reading it could exhaust memory.
const qint64 kMaxFileSize = 1024 * 1024;

// Returns the path to open: `path`, after moving an oversized file out of its way. When
// it cannot be moved, an empty path, so that the store runs on its defaults and keeps its
// changes in memory.
QString setAsideIfOversized(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= kMaxFileSize)
        return path;
    const QString aside = path + QLatin1String(".oversized");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside);
    qDebug() << "Configuration file too large, size:" << info.size() << "moved aside:" << moved;
    return moved ? path : QString();
}

QString firstLocation(QStandardPaths::StandardLocation location)
{
    const QStringList paths = QStandardPaths::standardLocations(location);
    return paths.isEmpty() ? QDir::homePath() : paths.first();
}

} // namespace

Configuration *Configuration::instance()
{
    static Configuration *store = new Configuration;
    return store;
}

Configuration::Configuration()
{
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::AppLocalDataLocation);
    const QString folder =
        folders.isEmpty() ? QCoreApplication::applicationDirPath() : folders.first();
    const QString path = folder + QLatin1String("/configuration.ini");
    settings = new QSettings(setAsideIfOversized(path), QSettings::IniFormat, this);
    qDebug() << "Configuration file:" << path;
}

QString Configuration::fileName() const
{
    return settings->fileName();
}

int Configuration::languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        return (locale.country() == QLocale::Taiwan || locale.country() == QLocale::HongKong) ? 1
                                                                                              : 0;
    case QLocale::English:
        return 2;
    case QLocale::French:
        return 4;
    case QLocale::Italian:
        return 5;
    case QLocale::Japanese:
        return 6;
    case QLocale::Polish:
        return 7;
    case QLocale::Russian:
        return 8;
    case QLocale::German:
        return 9;
    case QLocale::Spanish:
        return 10;
    case QLocale::Portuguese:
        return 11;
    case QLocale::Korean:
        return 12;
    default:
        return 2;
    }
}

int Configuration::language()
{
    int index = settings->value(kLanguage, kNoLanguageChosen).toInt();
    if (index == kNoLanguageChosen) {
        const QLocale locale;
        qDebug() << "Language" << QLocale::languageToString(locale.language()) << "Country"
                 << QLocale::countryToString(locale.country());
        index = languageForLocale(locale);
    }
    qDebug() << "targetLanguage" << index;
    return index;
}

void Configuration::setLanguage(int index)
{
    if (const Catalogues *catalogues = cataloguesFor(index)) {
        if (!appTranslator.load(QString::fromLatin1(catalogues->app)))
            return;
        QCoreApplication::installTranslator(&appTranslator);
        // Portuguese has no Qt catalogue: Qt's texts stay in whatever language they were.
        if (catalogues->qt && loadQtCatalogue(qtTranslator, QString::fromLatin1(catalogues->qt)))
            QCoreApplication::installTranslator(&qtTranslator);
    } else {
        QCoreApplication::removeTranslator(&appTranslator);
        QCoreApplication::removeTranslator(&qtTranslator);
    }
    settings->setValue(kLanguage, index);
    emit updateLanguage();
}

int Configuration::maps()
{
    return settings->value(kMaps, int(OpenStreetMap)).toInt();
}

void Configuration::setMaps(MapTypes type)
{
    if (maps() == int(type))
        return;
    settings->setValue(kMaps, int(type));
    emit mapsChanged(type);
}

int Configuration::speedUnit()
{
    return settings->value(kSpeedUnit, 0).toInt();
}

void Configuration::setSpeedUnit(int unit)
{
    settings->setValue(kSpeedUnit, unit);
}

int Configuration::volume()
{
    return settings->value(kVolume, 30).toInt();
}

void Configuration::setVolume(int volume)
{
    settings->setValue(kVolume, volume);
}

bool Configuration::isMute()
{
    return settings->value(kMute, false).toBool();
}

void Configuration::setMute(bool muted)
{
    settings->setValue(kMute, muted);
}

QString Configuration::videoFilePath()
{
    return settings->value(kVideoFilePath, firstLocation(QStandardPaths::MoviesLocation))
        .toString();
}

void Configuration::setVideoFilePath(const QString &folder)
{
    settings->setValue(kVideoFilePath, folder);
}

QString Configuration::screenshotSavePath()
{
    const QString fallback = QStringLiteral("%1/%2").arg(
        firstLocation(QStandardPaths::PicturesLocation), QCoreApplication::applicationName());
    return settings->value(kScreenshotSavePath, fallback).toString();
}

void Configuration::setScreenshotSavePath(const QString &folder)
{
    settings->setValue(kScreenshotSavePath, folder);
}

QRect Configuration::mainwindowsRect()
{
    return settings->value(kMainwindowsRect, QRect(483, 166, 621, 628)).toRect();
}

void Configuration::setMainwindowsRect(const QRect &rect)
{
    settings->setValue(kMainwindowsRect, rect);
}

bool Configuration::isMainwindowsMaximize()
{
    return settings->value(kMainwindowsIsMaximize, false).toBool();
}

void Configuration::setMainwindowsMaximize(bool maximised)
{
    settings->setValue(kMainwindowsIsMaximize, maximised);
}

QString Configuration::exportLayout()
{
    return settings->value(QStringLiteral("exportLayout"), QStringLiteral("side")).toString();
}

void Configuration::setExportLayout(const QString &layout)
{
    settings->setValue(QStringLiteral("exportLayout"), layout);
}

QString Configuration::exportOverlay()
{
    return settings
        ->value(QStringLiteral("exportOverlay"),
                QStringLiteral("time,speed,position,heading,gforce,map"))
        .toString();
}

void Configuration::setExportOverlay(const QString &items)
{
    settings->setValue(QStringLiteral("exportOverlay"), items);
}

QString Configuration::exportText()
{
    return settings->value(QStringLiteral("exportText")).toString();
}

void Configuration::setExportText(const QString &text)
{
    settings->setValue(QStringLiteral("exportText"), text);
}

QString Configuration::exportQuality()
{
    return settings->value(QStringLiteral("exportQuality"), QStringLiteral("standard")).toString();
}

void Configuration::setExportQuality(const QString &quality)
{
    settings->setValue(QStringLiteral("exportQuality"), quality);
}

bool Configuration::exportEvidence()
{
    return settings->value(QStringLiteral("exportEvidence"), false).toBool();
}

void Configuration::setExportEvidence(bool evidence)
{
    settings->setValue(QStringLiteral("exportEvidence"), evidence);
}

QString Configuration::exportFolder()
{
    const QString fallback = QStringLiteral("%1/%2").arg(
        firstLocation(QStandardPaths::MoviesLocation), QCoreApplication::applicationName());
    return settings->value(QStringLiteral("exportFolder"), fallback).toString();
}

void Configuration::setExportFolder(const QString &folder)
{
    settings->setValue(QStringLiteral("exportFolder"), folder);
}

int Configuration::exportBefore()
{
    return qBound(1, settings->value(QStringLiteral("exportBefore"), 30).toInt(), 600);
}

void Configuration::setExportBefore(int seconds)
{
    settings->setValue(QStringLiteral("exportBefore"), seconds);
}

int Configuration::exportAfter()
{
    return qBound(1, settings->value(QStringLiteral("exportAfter"), 10).toInt(), 600);
}

void Configuration::setExportAfter(int seconds)
{
    settings->setValue(QStringLiteral("exportAfter"), seconds);
}

int Configuration::parseDelayMs()
{
    bool ok = false;
    // No pauses unless asked for: the background parse threads run at idle I/O and lowest CPU
    // priority, which keeps playback in real time even while a slow card is read, whereas
    // pauses of 5 ms left a card of 500 recordings without all its facts for 40 s.
    const int ms = settings->value(kParseDelayMs, 0).toInt(&ok);
    // A hand-edited value must not stall parsing for minutes or go negative.
    return ok ? qBound(0, ms, 1000) : 0;
}

QString Configuration::cardClockChoice(const QString &cardKey)
{
    return settings->value(QStringLiteral("cardClock/") + cardKey).toString();
}

void Configuration::setCardClockChoice(const QString &cardKey, const QString &choice)
{
    settings->setValue(QStringLiteral("cardClock/") + cardKey, choice);
}

// The recording's path, escaped whole: its slashes would otherwise nest settings groups.
static QString trackFileKey(const QString &recording)
{
    return QStringLiteral("trackFile/") + QString::fromLatin1(QUrl::toPercentEncoding(recording));
}

QString Configuration::trackFileFor(const QString &recording, double *offsetSeconds)
{
    const QStringList stored = settings->value(trackFileKey(recording)).toStringList();
    bool ok = false;
    const double offset = stored.value(1).toDouble(&ok);
    if (stored.size() != 2 || stored.first().isEmpty() || !ok || !std::isfinite(offset))
        return QString();
    if (offsetSeconds)
        *offsetSeconds = offset;
    return stored.first();
}

void Configuration::setTrackFileFor(const QString &recording, const QString &trackFile,
                                    double offsetSeconds)
{
    if (trackFile.isEmpty())
        settings->remove(trackFileKey(recording));
    else
        settings->setValue(trackFileKey(recording),
                           QStringList{trackFile, QString::number(offsetSeconds)});
}

void Configuration::setParseDelayMs(int ms)
{
    settings->setValue(kParseDelayMs, ms);
}

QString Configuration::googleMapsKey()
{
    return settings->value(kGoogleMapsKey).toString();
}

void Configuration::setGoogleMapsKey(const QString &key)
{
    setMapKey(kGoogleMapsKey, key);
}

QString Configuration::baiduMapsKey()
{
    return settings->value(kBaiduMapsKey).toString();
}

void Configuration::setBaiduMapsKey(const QString &key)
{
    setMapKey(kBaiduMapsKey, key);
}

void Configuration::setMapKey(const char *name, const QString &key)
{
    // A key pasted from a web page often brings a blank or a line break along.
    const QString clean = key.trimmed();
    if (settings->value(name).toString() == clean)
        return;
    if (clean.isEmpty())
        settings->remove(name);
    else
        settings->setValue(name, clean);
    emit mapKeysChanged();
}

namespace {

// A hand-edited value outside [low, high] or not a number gives the default.
double boundedValue(QSettings *settings, const char *key, double fallback, double low, double high)
{
    bool ok = false;
    const double value = settings->value(QLatin1String(key), fallback).toDouble(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

int Configuration::driveGapSeconds()
{
    return int(boundedValue(settings, kDriveGapSeconds, Drives::DefaultGapSeconds, 0, 3600));
}

void Configuration::setDriveGapSeconds(int seconds)
{
    settings->setValue(kDriveGapSeconds, seconds);
}

DriveEvents::Thresholds Configuration::eventThresholds()
{
    const DriveEvents::Thresholds d;
    DriveEvents::Thresholds t;
    t.brakingG = boundedValue(settings, kBrakingG, d.brakingG, 0.05, 5);
    t.accelerationG = boundedValue(settings, kAccelerationG, d.accelerationG, 0.05, 5);
    t.turnG = boundedValue(settings, kTurnG, d.turnG, 0.05, 5);
    t.impactG = boundedValue(settings, kImpactG, d.impactG, 0.1, 16);
    t.speedingKmh = int(boundedValue(settings, kSpeedingKmh, d.speedingKmh, 1, 999));
    t.decelerationKmhPerSecond =
        boundedValue(settings, kDecelerationKmhPerSecond, d.decelerationKmhPerSecond, 1, 200);
    return t;
}

void Configuration::setEventThresholds(const DriveEvents::Thresholds &t)
{
    settings->setValue(kBrakingG, t.brakingG);
    settings->setValue(kAccelerationG, t.accelerationG);
    settings->setValue(kTurnG, t.turnG);
    settings->setValue(kImpactG, t.impactG);
    settings->setValue(kSpeedingKmh, t.speedingKmh);
    settings->setValue(kDecelerationKmhPerSecond, t.decelerationKmhPerSecond);
}
