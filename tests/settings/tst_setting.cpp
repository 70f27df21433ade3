#include "settings/configuration.h"
#include "settings/setting.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

template <typename T>
T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// Answers the next folder dialog with `folder` (or cancels it when empty).
void answerFolderDialog(const QString &folder)
{
    QTimer::singleShot(0, [folder] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (folder.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        dialog->selectFile(folder);
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

class TestSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", QByteArray(home.path().toUtf8() + "/data"));
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("Waylume 2.50"));
        QCoreApplication::setOrganizationName(QStringLiteral("Quorvix"));
        qRegisterMetaType<MapTypes>();
    }

    void init()
    {
        Configuration *store = Configuration::instance();
        store->setLanguage(2);
        store->setMaps(OpenStreetMap);
        store->setSpeedUnit(0);
        store->setScreenshotSavePath(home.path() + QStringLiteral("/shots"));
    }

    void formHasTheListsAndAReadOnlyPath()
    {
        Setting dialog;
        QCOMPARE(dialog.size(), QSize(450, 420));
        QCOMPARE(dialog.maximumSize(), QSize(450, 440));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(entries(child<QComboBox>(&dialog, "cBox_Language")),
                 QStringList({QStringLiteral("(zh-CN)简体中文"), QStringLiteral("(zh-TW)繁體中文"),
                              QStringLiteral("(en-US)English"), QStringLiteral("(en-GB)English"),
                              QStringLiteral("(fr)Français "), QStringLiteral("(it)Italiano"),
                              QStringLiteral("(jp)日本語 "), QStringLiteral("(pl)Polski"),
                              QStringLiteral("(ru)Pусский"), QStringLiteral("(de)Deutsch "),
                              QStringLiteral("(es)Español "), QStringLiteral("(pt)Portuguese"),
                              QStringLiteral("(ko)한국어")}));
        QCOMPARE(entries(child<QComboBox>(&dialog, "cBox_Maps")),
                 QStringList({"Baidu Maps", "Google Maps", "OpenStreetMap"}));
        QCOMPARE(entries(child<QComboBox>(&dialog, "cBox_SpeedUnit")),
                 QStringList({"Km/h", "MP/h"}));

        // The stored values are selected, and typing does not reach the path field.
        QCOMPARE(child<QComboBox>(&dialog, "cBox_Maps")->currentIndex(), int(OpenStreetMap));
        QCOMPARE(child<QComboBox>(&dialog, "cBox_Language")->currentIndex(), 2);
        auto *path = child<QLineEdit>(&dialog, "lEdit_SavePath");
        QCOMPARE(path->text(), home.path() + QStringLiteral("/shots"));
        QTest::keyClicks(path, QStringLiteral("xyz"));
        QCOMPARE(path->text(), home.path() + QStringLiteral("/shots"));
    }

    void saveWithoutChangesAnnouncesLanguageButNotMaps()
    {
        Configuration *store = Configuration::instance();
        QSignalSpy language(store, &Configuration::updateLanguage);
        QSignalSpy maps(store, &Configuration::mapsChanged);
        Setting dialog;
        child<QPushButton>(&dialog, "pBtn_OK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(language.count(), 1);
        QCOMPARE(maps.count(), 0);
    }

    void saveStoresEveryChoiceLanguageFirst()
    {
        Configuration *store = Configuration::instance();
        QStringList order;
        connect(store, &Configuration::updateLanguage, this, [&] { order << "language"; });
        connect(store, &Configuration::mapsChanged, this, [&](MapTypes type) {
            order << QStringLiteral("maps %1").arg(int(type));
        });
        const QString chosen = home.path();
        {
            Setting dialog;
            child<QComboBox>(&dialog, "cBox_Language")->setCurrentIndex(9);
            child<QComboBox>(&dialog, "cBox_Maps")->setCurrentIndex(GoogleMap);
            child<QComboBox>(&dialog, "cBox_SpeedUnit")->setCurrentIndex(1);
            answerFolderDialog(chosen);
            child<QPushButton>(&dialog, "pBtn_Choose")->click();
            QCOMPARE(child<QLineEdit>(&dialog, "lEdit_SavePath")->text(), chosen);
            child<QPushButton>(&dialog, "pBtn_OK")->click();
        }
        disconnect(store, nullptr, this, nullptr);
        QCOMPARE(order, QStringList({"language", "maps 1"}));
        QCOMPARE(store->language(), 9);
        QCOMPARE(store->maps(), int(GoogleMap));
        QCOMPARE(store->speedUnit(), 1);
        QCOMPARE(store->screenshotSavePath(), chosen);
        // The German catalogue is in place: the next dialog speaks German.
        Setting german;
        QCOMPARE(child<QPushButton>(&german, "pBtn_OK")->text(), QStringLiteral("Speichern"));
    }

    void cancelCloseAndEscapeWriteNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel") << "pBtn_Cancel";
        QTest::newRow("close") << "pBtn_Close";
        QTest::newRow("escape") << "";
    }

    void cancelCloseAndEscapeWriteNothing()
    {
        QFETCH(QString, how);
        Configuration *store = Configuration::instance();
        QSignalSpy language(store, &Configuration::updateLanguage);
        const QString before = store->screenshotSavePath();
        Setting dialog;
        dialog.show();
        answerFolderDialog(home.path());
        child<QPushButton>(&dialog, "pBtn_Choose")->click();
        child<QComboBox>(&dialog, "cBox_Maps")->setCurrentIndex(BaiduMap);
        if (how.isEmpty())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            child<QPushButton>(&dialog, how.toLatin1().constData())->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(store->screenshotSavePath(), before);
        QCOMPARE(store->maps(), int(OpenStreetMap));
        QCOMPARE(language.count(), 0);
    }

    // A hand-edited file with indices no entry has: Save stores real entries, never -1.
    void outOfRangeValuesSaveAsDefaults()
    {
        Configuration *store = Configuration::instance();
        store->setLanguage(99);
        store->setMaps(MapTypes(7));
        store->setSpeedUnit(5);
        QSignalSpy maps(store, &Configuration::mapsChanged);
        Setting dialog;
        child<QPushButton>(&dialog, "pBtn_OK")->click();
        QCOMPARE(store->language(), Configuration::languageForLocale(QLocale()));
        QCOMPARE(store->maps(), int(OpenStreetMap));
        QCOMPARE(store->speedUnit(), 0);
        QCOMPARE(maps.count(), 1);
        QCOMPARE(maps.first().first().value<MapTypes>(), OpenStreetMap);
    }

    // The keys the dialog shows are the stored ones; Save stores what the fields hold (a
    // pasted key's blanks dropped) and announces only a change; Cancel stores nothing.
    void mapKeysSavedOnlyBySave()
    {
        Configuration *store = Configuration::instance();
        store->setGoogleMapsKey(QStringLiteral("g-old"));
        store->setBaiduMapsKey(QString());
        QSignalSpy keys(store, &Configuration::mapKeysChanged);
        {
            Setting dialog;
            auto *google = child<QLineEdit>(&dialog, "lEdit_GoogleKey");
            QCOMPARE(google->text(), QStringLiteral("g-old"));
            QCOMPARE(child<QLineEdit>(&dialog, "lEdit_BaiduKey")->text(), QString());
            google->setText(QStringLiteral("g-new"));
            child<QPushButton>(&dialog, "pBtn_Cancel")->click();
        }
        QCOMPARE(store->googleMapsKey(), QStringLiteral("g-old"));
        QCOMPARE(keys.count(), 0);
        {
            Setting dialog;
            child<QLineEdit>(&dialog, "lEdit_BaiduKey")->setText(QStringLiteral(" b-key\n"));
            child<QPushButton>(&dialog, "pBtn_OK")->click();
        }
        QCOMPARE(store->baiduMapsKey(), QStringLiteral("b-key"));
        QCOMPARE(store->googleMapsKey(), QStringLiteral("g-old"));
        QCOMPARE(keys.count(), 1);
        {
            Setting dialog;
            child<QLineEdit>(&dialog, "lEdit_GoogleKey")->clear();
            child<QPushButton>(&dialog, "pBtn_OK")->click();
        }
        QCOMPARE(store->googleMapsKey(), QString());
        QCOMPARE(keys.count(), 2);
        QVERIFY(!QSettings(store->fileName(), QSettings::IniFormat).contains("googleMapsKey"));
    }

    void cancelledFolderDialogKeepsThePath()
    {
        Setting dialog;
        auto *path = child<QLineEdit>(&dialog, "lEdit_SavePath");
        const QString before = path->text();
        answerFolderDialog(QString());
        child<QPushButton>(&dialog, "pBtn_Choose")->click();
        QCOMPARE(path->text(), before);
    }

private:
    QTemporaryDir home;
};

QTEST_MAIN(TestSetting)
#include "tst_setting.moc"
