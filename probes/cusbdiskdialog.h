#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QUrl>

class QGridLayout;
class QVBoxLayout;

namespace Ui {
class USBDiskDialog;
}

// Offers the mounted USB disks (a dash camera's card in a reader, a USB stick) as large
// buttons; a click asks for a folder on that disk, and accepting it accepts the dialog.
class CUSBDiskDialog : public QDialog
{
    Q_OBJECT

public:
    enum CheckUSBStatu { CheckUSB_Success = 0, CheckUSB_Failure = 1 };
    Q_ENUM(CheckUSBStatu)

    // `root` is where the mount table and the device tree are read ("/" for this machine).
    explicit CUSBDiskDialog(QWidget *parent, const QString &root = QStringLiteral("/"));
    ~CUSBDiskDialog() override;

    // Lays out one button per mounted USB disk and emits checkUSBDisked() before it returns.
    void checkUSBDisk();
    // The folder chosen on a disk, and the same as URLs.
    void selection(QString &folder, QList<QUrl> &urls) const;
    // True while the folder dialog of a disk is open; the buttons must stay as they are.
    bool isChoosingFolder() const { return choosingFolder; }

signals:
    void checkUSBDisked(CUSBDiskDialog::CheckUSBStatu status);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onDiskFolder();

private:
    void clearButtons();

    Ui::USBDiskDialog *ui;
    QGridLayout *diskGrid;
    QVBoxLayout *contentLayout;
    int nextRow = 0;
    int nextColumn = 0;
    QString selectedFolder;
    QList<QUrl> selectedUrls;
    QString root;
    bool choosingFolder = false;
};
