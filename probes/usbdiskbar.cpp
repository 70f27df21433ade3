#include "probes/usbdiskbar.h"

#include "ui_usbdiskbar.h"

#include <QEvent>

UsbDiskBar::UsbDiskBar(QWidget *parent) : QWidget(parent), ui(new Ui::UsbDiskBar)
{
    ui->setupUi(this);
    // A plain QWidget subclass paints its style sheet background only with this. The sheet
    // selects the class, not the object name: the window form renames the bar.
    setAttribute(Qt::WA_StyledBackground);
    hide();
}

UsbDiskBar::~UsbDiskBar()
{
    delete ui;
}

void UsbDiskBar::offer(const QString &name, const QString &mountPoint)
{
    offeredName = name;
    offeredMountPoint = mountPoint;
    showMessage();
    show();
}

void UsbDiskBar::withdraw(const QString &mountPoint)
{
    if (mountPoint != offeredMountPoint)
        return;
    offeredMountPoint.clear();
    hide();
}

void UsbDiskBar::showMessage()
{
    ui->lbl_Message->setText(tr("Recordings found on %1:").arg(offeredName));
    ui->lbl_Message->setToolTip(offeredMountPoint);
}

void UsbDiskBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showMessage();
    }
    QWidget::changeEvent(event);
}

void UsbDiskBar::on_pBtn_Open_clicked()
{
    const QString mountPoint = offeredMountPoint;
    offeredMountPoint.clear();
    hide();
    emit openRequested(mountPoint);
}

void UsbDiskBar::on_pBtn_Close_clicked()
{
    offeredMountPoint.clear();
    hide();
}
