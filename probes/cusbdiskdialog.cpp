#include "probes/cusbdiskdialog.h"

#include "platform/fileurl.h"
#include "platform/movefilter.h"
#include "platform/removabledisks.h"
#include "ui_cusbdiskdialog.h"

#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QScrollBar>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kMountPoint = "mountPoint";
const int kButtonSide = 110;
const int kColumns = 3;

} // namespace

CUSBDiskDialog::CUSBDiskDialog(QWidget *parent, const QString &root)
    : QDialog(parent), ui(new Ui::USBDiskDialog), root(root)
{
    ui->setupUi(this);
    MoveFilter::install(this, this);
    ui->lblIcon->setStyleSheet(
        QStringLiteral("border-image: url(:/image/%1.png);").arg(QStringLiteral("logo")));
    ui->scrollArea->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical{width: 8px; background: rgb(44, 44, 52); margin: 0px;}"
        "QScrollBar::handle:vertical{background: rgb(90, 90, 100); min-height: 20px;"
        " border-radius: 4px;}"
        "QScrollBar::handle:vertical:hover{background: rgb(120, 120, 130);}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height: 0px;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background: none;}"));

    diskGrid = new QGridLayout;
    diskGrid->setObjectName(QStringLiteral("gridLayoutDisks"));
    contentLayout = new QVBoxLayout(ui->scrollAreaWidgetContents);
    contentLayout->addLayout(diskGrid);
    contentLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

CUSBDiskDialog::~CUSBDiskDialog()
{
    delete ui;
}

void CUSBDiskDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void CUSBDiskDialog::clearButtons()
{
    while (QLayoutItem *item = diskGrid->takeAt(0)) {
        if (QWidget *button = item->widget()) {
            button->hide();
            button->deleteLater();
        }
        delete item;
    }
    nextRow = 0;
    nextColumn = 0;
    ui->scrollAreaWidgetContents->setMinimumHeight(0);
    ui->scrollAreaWidgetContents->setMaximumHeight(QWIDGETSIZE_MAX);
}

void CUSBDiskDialog::checkUSBDisk()
{
    // Probed again when a disk is mounted later: the buttons show the disks of now.
    clearButtons();
    const QList<RemovableDisk> disks = RemovableDisks(root).usbDisks();
    for (const RemovableDisk &disk : disks) {
        auto *button = new QToolButton(ui->scrollAreaWidgetContents);
        button->setText(disk.displayName());
        button->setToolTip(disk.mountPoint);
        button->setProperty(kMountPoint, disk.mountPoint);
        button->setIcon(QIcon(QStringLiteral(":/image/usbDisk.png")));
        button->setIconSize(QSize(80, 80));
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        diskGrid->addWidget(button, nextRow, nextColumn);
        connect(button, &QToolButton::clicked, this, &CUSBDiskDialog::onDiskFolder);
        ++nextColumn;
        if (nextColumn % kColumns == 0) {
            ++nextRow;
            nextColumn = 0;
            ui->scrollAreaWidgetContents->setFixedHeight(nextRow * kButtonSide + 200);
        }
    }
    emit checkUSBDisked(disks.isEmpty() ? CheckUSB_Failure : CheckUSB_Success);
}

void CUSBDiskDialog::onDiskFolder()
{
    const auto *button = qobject_cast<QToolButton *>(sender());
    if (!button)
        return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setWindowTitle(tr("Open Folder"));
    dialog.setDirectory(button->property(kMountPoint).toString());
    choosingFolder = true;
    const int result = dialog.exec();
    choosingFolder = false;
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    selectedFolder = dialog.selectedFiles().first();
    // URLs made from the local paths, so that spaces, '#', '%' and any script survive.
    selectedUrls.clear();
    for (const QString &path : dialog.selectedFiles())
        selectedUrls << FileUrl::urlFromLocalPath(path);
    qDebug() << "selected dir: " << selectedFolder;
    accept();
}

void CUSBDiskDialog::selection(QString &folder, QList<QUrl> &urls) const
{
    folder = selectedFolder;
    urls = selectedUrls;
}
