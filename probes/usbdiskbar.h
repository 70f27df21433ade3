#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class UsbDiskBar;
}

// A strip in the main window that offers a USB disk mounted while the player runs, so that
// a recording that plays is never covered by a dialog. Hidden until there is an offer.
class UsbDiskBar : public QWidget
{
    Q_OBJECT

public:
    explicit UsbDiskBar(QWidget *parent = nullptr);
    ~UsbDiskBar() override;

    // Shows "Recordings found on NAME:"; a newer offer replaces the one shown.
    void offer(const QString &name, const QString &mountPoint);
    // Hides the bar when it offers that disk (it was taken out).
    void withdraw(const QString &mountPoint);
    QString mountPoint() const { return offeredMountPoint; }

signals:
    void openRequested(const QString &mountPoint);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pBtn_Open_clicked();
    void on_pBtn_Close_clicked();

private:
    void showMessage();

    Ui::UsbDiskBar *ui;
    QString offeredName;
    QString offeredMountPoint;
};
