// The export dialog: its choices survive into the next dialog through the settings file,
// the file name it proposes comes from the range's start, and a failed export says why,
// leaves no file and lets the user try again.

#include "app/exportdialog.h"
#include "app/startup.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<ClipRecording> card(const QString &folder)
{
    ClipRecording r;
    r.channels[0] = folder + QStringLiteral("/gone_F.MP4");
    r.channels[1] = folder + QStringLiteral("/gone_R.MP4");
    r.start = QDateTime(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
    r.duration = 30;
    return {r};
}

template <typename T> T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

} // namespace

class TestExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void proposesNameFromRangeStart();
    void choicesPersistAndFailureLeavesNothing();
    void lengthsAroundNowAreSettable();

private:
    QTemporaryDir dir;
};

void TestExportDialog::proposesNameFromRangeStart()
{
    ExportDialog dialog(card(dir.path()), {{0, 10.0, 20.0}});
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    child<QCheckBox>(&dialog, "chk_Evidence")->setChecked(false);
    QCOMPARE(QFileInfo(child<QLineEdit>(&dialog, "lEdit_File")->text()).fileName(),
             QStringLiteral("Clip_20240517_083010.mp4"));
    child<QCheckBox>(&dialog, "chk_Evidence")->setChecked(true);
    QCOMPARE(QFileInfo(child<QLineEdit>(&dialog, "lEdit_File")->text()).fileName(),
             QStringLiteral("Evidence_20240517_083010"));
    // Nothing is re-encoded in a pack, so its picture choices are off.
    QVERIFY(!child<QComboBox>(&dialog, "cBox_Layout")->isEnabled());
    QVERIFY(child<QLabel>(&dialog, "lbl_Range")->text().contains(QLatin1String("08:30:30")));
}

void TestExportDialog::choicesPersistAndFailureLeavesNothing()
{
    const QString out = dir.filePath(QStringLiteral("exports/clip.mp4"));
    {
        ExportDialog dialog(card(dir.path()), {{0, 10.0, 20.0}});
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        child<QCheckBox>(&dialog, "chk_Evidence")->setChecked(false);
        child<QComboBox>(&dialog, "cBox_Layout")->setCurrentIndex(3); // 2 x 2
        child<QComboBox>(&dialog, "cBox_Quality")->setCurrentIndex(2);
        child<QCheckBox>(&dialog, "chk_Map")->setChecked(false);
        child<QCheckBox>(&dialog, "chk_Text")->setChecked(true);
        child<QLineEdit>(&dialog, "lEdit_Text")->setText(QStringLiteral("Claim 4711"));
        child<QLineEdit>(&dialog, "lEdit_File")->setText(out);
        child<QPushButton>(&dialog, "pBtn_Export")->click();
        QVERIFY(!child<QPushButton>(&dialog, "pBtn_Export")->isEnabled());
        // The recording's files are gone: the job fails at once, and says which.
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(&dialog, "pBtn_Export")->isEnabled(), 20000);
        QVERIFY2(child<QLabel>(&dialog, "lbl_Status")->text().contains(QLatin1String("front")),
                 qPrintable(child<QLabel>(&dialog, "lbl_Status")->text()));
        QVERIFY(!child<QPushButton>(&dialog, "pBtn_ShowFolder")->isEnabled());
        QVERIFY(QDir(QFileInfo(out).absolutePath())
                    .entryList(QDir::Files | QDir::Hidden)
                    .isEmpty());
    }
    Configuration *store = Configuration::instance();
    QCOMPARE(store->exportLayout(), QStringLiteral("grid"));
    QCOMPARE(store->exportQuality(), QStringLiteral("small"));
    QCOMPARE(store->exportOverlay(), QStringLiteral("time,speed,position,heading,gforce,text"));

    ExportDialog again(card(dir.path()), {{0, 0.0, 5.0}});
    again.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(child<QComboBox>(&again, "cBox_Layout")->currentIndex(), 3);
    QCOMPARE(child<QComboBox>(&again, "cBox_Quality")->currentIndex(), 2);
    QVERIFY(!child<QCheckBox>(&again, "chk_Map")->isChecked());
    QVERIFY(child<QCheckBox>(&again, "chk_Speed")->isChecked());
    QVERIFY(child<QCheckBox>(&again, "chk_Text")->isChecked());
    QCOMPARE(child<QLineEdit>(&again, "lEdit_Text")->text(), QStringLiteral("Claim 4711"));
    // The folder of the last export, with a name for this range.
    QCOMPARE(child<QLineEdit>(&again, "lEdit_File")->text(),
             QFileInfo(out).absolutePath() + QStringLiteral("/Clip_20240517_083000.mp4"));
    const ExportOptions options = again.options();
    QCOMPARE(options.layout, ClipLayout::Grid);
    QCOMPARE(options.text, QStringLiteral("Claim 4711"));
}

void TestExportDialog::lengthsAroundNowAreSettable()
{
    const QList<ClipRecording> recordings = card(dir.path());
    const QDateTime now = recordings[0].start.addSecs(20);
    QString error;
    ExportDialog dialog(recordings, ClipRange::around(recordings, now, 30, 10, &error));
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    QSpinBox *before = child<QSpinBox>(&dialog, "spin_Before");
    QVERIFY(before->isHidden());
    dialog.setAroundNow(now);
    QVERIFY(!before->isHidden());
    QCOMPARE(before->value(), 30);
    // The recording starts 20 s before now: the drive's start bounds the range.
    QVERIFY(child<QLabel>(&dialog, "lbl_Range")->text().contains(QLatin1String("(30 s")));
    before->setValue(5);
    child<QSpinBox>(&dialog, "spin_After")->setValue(8);
    QVERIFY2(child<QLabel>(&dialog, "lbl_Range")->text().contains(QLatin1String("08:30:15 to")),
             qPrintable(child<QLabel>(&dialog, "lbl_Range")->text()));
    QVERIFY(child<QLabel>(&dialog, "lbl_Range")->text().contains(QLatin1String("(13 s")));
    QCOMPARE(Configuration::instance()->exportBefore(), 5);
    QCOMPARE(Configuration::instance()->exportAfter(), 8);
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(name, home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    TestExportDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exportdialog.moc"
