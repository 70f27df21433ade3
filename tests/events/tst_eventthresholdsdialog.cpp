// The thresholds dialog: what it is given comes back, and "Restore Defaults" means the
// detection's own defaults.

#include "events/eventthresholdsdialog.h"
#include "library/drives.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

class TestEventThresholdsDialog : public QObject
{
    Q_OBJECT
private slots:
    void valuesRoundTripAndDefaultsRestore();
};

void TestEventThresholdsDialog::valuesRoundTripAndDefaultsRestore()
{
    EventThresholdsDialog dialog;
    DriveEvents::Thresholds t;
    t.brakingG = 0.55;
    t.accelerationG = 0.3;
    t.turnG = 0.6;
    t.impactG = 2.5;
    t.speedingKmh = 90;
    t.decelerationKmhPerSecond = 20;
    dialog.setValues(42, t);
    QCOMPARE(dialog.gapSeconds(), 42);
    const DriveEvents::Thresholds back = dialog.thresholds();
    QCOMPARE(back.brakingG, 0.55);
    QCOMPARE(back.accelerationG, 0.3);
    QCOMPARE(back.turnG, 0.6);
    QCOMPARE(back.impactG, 2.5);
    QCOMPARE(back.speedingKmh, 90);
    QCOMPARE(back.decelerationKmhPerSecond, 20.0);

    dialog.findChild<QDialogButtonBox *>("buttonBox")
        ->button(QDialogButtonBox::RestoreDefaults)
        ->click();
    const DriveEvents::Thresholds defaults;
    QCOMPARE(dialog.gapSeconds(), Drives::DefaultGapSeconds);
    QCOMPARE(dialog.thresholds().brakingG, defaults.brakingG);
    QCOMPARE(dialog.thresholds().impactG, defaults.impactG);
    QCOMPARE(dialog.thresholds().speedingKmh, defaults.speedingKmh);
    if (qEnvironmentVariableIsSet("WAYLUME_GRAB"))
        dialog.grab().save(qEnvironmentVariable("WAYLUME_GRAB"));
}

QTEST_MAIN(TestEventThresholdsDialog)
#include "tst_eventthresholdsdialog.moc"
