#pragma once

#include <QDialog>

namespace Ui {
class Setting;
}

// The modal settings dialog: interface language, map provider, speed unit, screenshot
// folder and the keys of the maps that need one. It reads the configuration when it opens and writes it only on Save; everything
// else in the player reacts to the configuration's signals, not to this dialog.
class Setting : public QDialog
{
    Q_OBJECT

public:
    explicit Setting(QWidget *parent = nullptr);
    ~Setting() override;

private slots:
    void on_pBtn_Choose_clicked();
    void on_pBtn_OK_clicked();
    void on_pBtn_Cancel_clicked();

private:
    Ui::Setting *ui;
};
