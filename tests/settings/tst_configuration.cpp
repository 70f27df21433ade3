#include "settings/configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

// The store is a process-wide singleton that reads its file once, so the damaged-file cases
// each run in a child process of this test (started with "--scenario NAME HOME"), which
// prepares the file, reads every setting and prints them as JSON.

namespace {

void useProfile(const QString &home)
{
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QByteArray(home.toUtf8() + (qstrcmp(name, "HOME") ? "/xdg" : "")));
    QStandardPaths::setTestModeEnabled(true);
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Waylume 2.50"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvix"));
}

QString iniPath()
{
    return QStandardPaths::standardLocations(QStandardPaths::AppLocalDataLocation).first() +
           QStringLiteral("/configuration.ini");
}

QJsonObject readAll(Configuration *store)
{
    const QRect r = store->mainwindowsRect();
    return QJsonObject{
        {"language", store->language()},
        {"maps", store->maps()},
        {"speedUnit", store->speedUnit()},
        {"volume", store->volume()},
        {"mute", store->isMute()},
        {"rect",
         QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())},
        {"maximize", store->isMainwindowsMaximize()},
        {"parseDelay", store->parseDelayMs()},
    };
}

int runScenario(const QString &name, const QString &home, int argc, char **argv)
{
    useProfile(home);
    QCoreApplication app(argc, argv);
    setIdentity();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString path = iniPath();
    QDir().mkpath(QFileInfo(path).path());

    if (name == QLatin1String("corrupt")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 3;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919) % 256));
        file.write(garbage);
        file.write("\n[General\nVolume=loud\nmaps=\"\nmainwindowsRect=@Rect(1 2\n\xff\xfe\x00=");
        file.write("\nParseDelayMs=99999999\n");
    } else if (name.startsWith(QLatin1String("oversized"))) {
        // Sparse: costs no disk, but the settings library would read all of it.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(256) << 20))
            return 3;
        if (name == QLatin1String("oversized-stuck")) {
            // A non-empty folder where the file would be moved to.
            if (!QDir().mkpath(path + ".oversized/keep"))
                return 3;
        }
    } else if (name == QLatin1String("unwritable")) {
        // Running as root, permissions do not stop a write; a folder where the file should
        // be does.
        if (!QDir().mkpath(path))
            return 3;
    }

    Configuration *store = Configuration::instance();
    const QJsonObject before = readAll(store);
    store->setVolume(70);
    store->setMainwindowsMaximize(true);
    store->setLanguage(4);
    QCoreApplication::processEvents(); // lets the settings write back
    QJsonObject result{{"before", before},
                       {"after", readAll(store)},
                       {"fileSize", QFileInfo(path).size()},
                       {"setAside", QFileInfo(path + ".oversized").isFile()}};
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void freshProfileHasDefaults();
    void languageFollowsLocale_data();
    void languageFollowsLocale();
    void setMapsEmitsOnlyOnChange();
    void setLanguageSwapsCatalogues();
    void valuesReachTheFile();
    void eventThresholdsKeepSaneValues();
    void trackFilesAreRememberedPerRecording();
    void damagedFileGivesDefaults_data();
    void damagedFileGivesDefaults();

private:
    QJsonObject runChild(const QString &scenario);
    QTemporaryDir childHomes;
};

void TestConfiguration::freshProfileHasDefaults()
{
    QVERIFY(!QFile::exists(iniPath()));
    Configuration *store = Configuration::instance();
    QCOMPARE(store->fileName(), iniPath());
    QCOMPARE(store->maps(), 2);
    QCOMPARE(store->volume(), 30);
    QCOMPARE(store->isMute(), false);
    QCOMPARE(store->speedUnit(), 0);
    QCOMPARE(store->mainwindowsRect(), QRect(483, 166, 621, 628));
    QCOMPARE(store->isMainwindowsMaximize(), false);

    const QStringList pictures =
        QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    QCOMPARE(store->screenshotSavePath(), pictures.first() + QStringLiteral("/Waylume 2.50"));
    QCOMPARE(store->videoFilePath(),
             QStandardPaths::standardLocations(QStandardPaths::MoviesLocation).first());
    // Reading defaults writes nothing.
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(iniPath()));
}

void TestConfiguration::languageFollowsLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("index");
    QTest::newRow("Taiwan") << "zh_TW" << 1;
    QTest::newRow("Hong Kong") << "zh_HK" << 1;
    QTest::newRow("mainland") << "zh_CN" << 0;
    QTest::newRow("Dutch") << "nl_NL" << 2;
    QTest::newRow("British is never 3") << "en_GB" << 2;
    QTest::newRow("Brazil") << "pt_BR" << 11;
    QTest::newRow("Korean") << "ko_KR" << 12;
}

void TestConfiguration::languageFollowsLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, index);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Configuration::instance()->language(), index);
    QCOMPARE(Configuration::languageForLocale(QLocale(locale)), index);
    QLocale::setDefault(previous);
}

void TestConfiguration::setMapsEmitsOnlyOnChange()
{
    Configuration *store = Configuration::instance();
    QSignalSpy spy(store, &Configuration::mapsChanged);
    store->setMaps(OpenStreetMap); // the default already reads as 2
    QCOMPARE(spy.count(), 0);
    store->setMaps(GoogleMap);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<MapTypes>(), GoogleMap);
    QCOMPARE(store->maps(), 1);
    store->setMaps(GoogleMap);
    QCOMPARE(spy.count(), 1);
    store->setMaps(BaiduMap);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(store->maps(), 0);
}

void TestConfiguration::setLanguageSwapsCatalogues()
{
    Configuration *store = Configuration::instance();
    QSignalSpy spy(store, &Configuration::updateLanguage);
    const auto appText = [] { return QCoreApplication::translate("MainWindows", "Maximize"); };
    const auto qtText = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };

    store->setLanguage(0);
    QCOMPARE(appText(), QStringLiteral("最大化"));
    QCOMPARE(qtText(), QStringLiteral("取消"));
    store->setLanguage(2);
    QCOMPARE(appText(), QStringLiteral("Maximize"));
    QCOMPARE(qtText(), QStringLiteral("Cancel"));
    QCOMPARE(store->language(), 2);

    store->setLanguage(9);
    QCOMPARE(appText(), QStringLiteral("Maximieren"));
    QCOMPARE(qtText(), QStringLiteral("Abbrechen"));
    // Portuguese has no Qt catalogue of its own: Qt's texts stay German.
    store->setLanguage(11);
    QCOMPARE(appText(), QStringLiteral("Maximizar"));
    QCOMPARE(qtText(), QStringLiteral("Abbrechen"));
    QCOMPARE(store->language(), 11);
    QCOMPARE(spy.count(), 4);

    store->setLanguage(2);
    QCOMPARE(qtText(), QStringLiteral("Cancel"));
}

void TestConfiguration::valuesReachTheFile()
{
    Configuration *store = Configuration::instance();
    store->setVolume(0);
    store->setMute(true);
    store->setMainwindowsRect(QRect(10, 20, 800, 600));
    store->setScreenshotSavePath(QStringLiteral("/tmp/shots é"));
    QCoreApplication::processEvents();
    QSettings file(iniPath(), QSettings::IniFormat);
    QCOMPARE(file.value("Volume").toInt(), 0);
    QCOMPARE(file.value("Mute").toBool(), true);
    QCOMPARE(file.value("mainwindowsRect").toRect(), QRect(10, 20, 800, 600));
    QCOMPARE(file.value("ScreenshotSavePath").toString(), QStringLiteral("/tmp/shots é"));
}

void TestConfiguration::eventThresholdsKeepSaneValues()
{
    Configuration *store = Configuration::instance();
    QCOMPARE(store->driveGapSeconds(), 5);
    QCOMPARE(store->eventThresholds().impactG, DriveEvents::Thresholds().impactG);
    DriveEvents::Thresholds t;
    t.brakingG = 0.55;
    t.speedingKmh = 100;
    store->setEventThresholds(t);
    store->setDriveGapSeconds(30);
    QCOMPARE(store->eventThresholds().brakingG, 0.55);
    QCOMPARE(store->eventThresholds().speedingKmh, 100);
    QCOMPARE(store->driveGapSeconds(), 30);
    // A hand-edited value that would make every bump an event, or none, gives the default.
    t.brakingG = -1;
    t.impactG = 1e9;
    store->setEventThresholds(t);
    store->setDriveGapSeconds(-5);
    QCOMPARE(store->eventThresholds().brakingG, DriveEvents::Thresholds().brakingG);
    QCOMPARE(store->eventThresholds().impactG, DriveEvents::Thresholds().impactG);
    QCOMPARE(store->eventThresholds().speedingKmh, 100);
    QCOMPARE(store->driveGapSeconds(), 5);
}

void TestConfiguration::trackFilesAreRememberedPerRecording()
{
    Configuration *store = Configuration::instance();
    const QString front = QStringLiteral("/media/card/DCIM/2024_0501_101500_F.MP4");
    const QString folder = QStringLiteral("/media/card/DCIM");
    store->setTrackFileFor(front, QStringLiteral("/home/me/phone é.gpx"), -2.5);
    store->setTrackFileFor(folder, QStringLiteral("/home/me/other.nmea"), 0);
    double offset = 99;
    QCOMPARE(store->trackFileFor(front, &offset), QStringLiteral("/home/me/phone é.gpx"));
    QCOMPARE(offset, -2.5);
    // A recording's path that begins with another's is a recording of its own.
    QCOMPARE(store->trackFileFor(folder, &offset), QStringLiteral("/home/me/other.nmea"));
    QCOMPARE(offset, 0.0);
    QVERIFY(store->trackFileFor(front + QStringLiteral(".bak"), &offset).isEmpty());

    store->setTrackFileFor(folder, QString(), 0);
    QVERIFY(store->trackFileFor(folder, &offset).isEmpty());
    QCOMPARE(store->trackFileFor(front, &offset), QStringLiteral("/home/me/phone é.gpx"));
}

QJsonObject TestConfiguration::runChild(const QString &scenario)
{
    const QString home = childHomes.filePath(scenario);
    QDir().mkpath(home);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--scenario", scenario, home});
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        qWarning() << "scenario" << scenario << "exit" << child.exitStatus() << child.exitCode();
        return {};
    }
    return QJsonDocument::fromJson(child.readAllStandardOutput()).object();
}

void TestConfiguration::damagedFileGivesDefaults_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("missing") << "missing";
    QTest::newRow("corrupt") << "corrupt";
    QTest::newRow("folder in the file's place") << "unwritable";
    QTest::newRow("oversized file") << "oversized";
    QTest::newRow("oversized file that cannot be moved") << "oversized-stuck";
}

void TestConfiguration::damagedFileGivesDefaults()
{
    QFETCH(QString, scenario);
    const QJsonObject result = runChild(scenario);
    QVERIFY2(!result.isEmpty(), "the child process failed");
    const QJsonObject before = result.value("before").toObject();
    QCOMPARE(before.value("language").toInt(), 4); // French locale
    QCOMPARE(before.value("speedUnit").toInt(), 0);
    // A text where a number belongs reads as 0.
    const bool corrupt = scenario == "corrupt";
    QCOMPARE(before.value("maps").toInt(), corrupt ? 0 : 2);
    QCOMPARE(before.value("volume").toInt(), corrupt ? 0 : 30);
    QCOMPARE(before.value("mute").toBool(), false);
    QCOMPARE(before.value("rect").toString(), QStringLiteral("483,166,621,628"));
    QCOMPARE(before.value("maximize").toBool(), false);
    QVERIFY(before.value("parseDelay").toInt() <= 1000);

    // Whether or not the file can be written, the running program sees its own changes.
    const QJsonObject after = result.value("after").toObject();
    QCOMPARE(after.value("volume").toInt(), 70);
    QCOMPARE(after.value("maximize").toBool(), true);
    QCOMPARE(after.value("language").toInt(), 4);
    // An oversized file is moved aside (and a fresh one written) or, failing that, left
    // alone; it is never read.
    if (scenario == "oversized") {
        QVERIFY(result.value("setAside").toBool());
        QVERIFY(result.value("fileSize").toInt() < 4096);
    } else if (scenario == "oversized-stuck") {
        QCOMPARE(result.value("fileSize").toInt(), 256 << 20);
    }
}

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--scenario") == 0)
        return runScenario(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), 1,
                           argv);

    QTemporaryDir home;
    useProfile(home.path());
    QCoreApplication app(argc, argv);
    setIdentity();
    qRegisterMetaType<MapTypes>();
    TestConfiguration test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configuration.moc"
