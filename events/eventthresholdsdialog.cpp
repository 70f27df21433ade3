#include "events/eventthresholdsdialog.h"

#include "library/drives.h"
#include "ui_eventthresholdsdialog.h"

#include <QPushButton>

EventThresholdsDialog::EventThresholdsDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::EventThresholdsDialog)
{
    ui->setupUi(this);
    connect(ui->buttonBox->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this]() { setValues(Drives::DefaultGapSeconds, DriveEvents::Thresholds()); });
}

EventThresholdsDialog::~EventThresholdsDialog()
{
    delete ui;
}

void EventThresholdsDialog::setValues(int gapSeconds, const DriveEvents::Thresholds &t)
{
    ui->sBox_Gap->setValue(gapSeconds);
    ui->dsBox_Braking->setValue(t.brakingG);
    ui->dsBox_Acceleration->setValue(t.accelerationG);
    ui->dsBox_Turn->setValue(t.turnG);
    ui->dsBox_Impact->setValue(t.impactG);
    ui->sBox_Speeding->setValue(t.speedingKmh);
    ui->dsBox_Deceleration->setValue(t.decelerationKmhPerSecond);
}

int EventThresholdsDialog::gapSeconds() const
{
    return ui->sBox_Gap->value();
}

DriveEvents::Thresholds EventThresholdsDialog::thresholds() const
{
    DriveEvents::Thresholds t;
    t.brakingG = ui->dsBox_Braking->value();
    t.accelerationG = ui->dsBox_Acceleration->value();
    t.turnG = ui->dsBox_Turn->value();
    t.impactG = ui->dsBox_Impact->value();
    t.speedingKmh = ui->sBox_Speeding->value();
    t.decelerationKmhPerSecond = ui->dsBox_Deceleration->value();
    return t;
}
