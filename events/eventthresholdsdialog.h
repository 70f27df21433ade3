#pragma once

#include "library/driveevents.h"

#include <QDialog>

namespace Ui {
class EventThresholdsDialog;
}

// What makes a drive and what counts as an event. Edits values only; the caller stores them.
class EventThresholdsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EventThresholdsDialog(QWidget *parent = nullptr);
    ~EventThresholdsDialog() override;

    void setValues(int gapSeconds, const DriveEvents::Thresholds &thresholds);
    int gapSeconds() const;
    DriveEvents::Thresholds thresholds() const;

private:
    Ui::EventThresholdsDialog *ui = nullptr;
};
