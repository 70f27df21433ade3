#include "platform/fileurl.h"
#include "platform/removabledisks.h"
#include "probes/cusbdiskdialog.h"
#include "probes/usbdiskbar.h"
#include "probes/usbdiskoffer.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

// A made-up machine: its mount table, the block devices in sysfs (on a SATA controller or
// behind a USB bus), udev's label links, and the mount point folders.
class FakeDisks
{
public:
    FakeDisks() { setMounts({}); }

    QString root() const { return dir.path(); }

    // A fixed SATA disk partition, e.g. ("8:2", "sda2").
    void addSataDevice(const QString &majorMinor, const QString &name)
    {
        addDevice(majorMinor, "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/" +
                                  name.left(3) + '/' + name);
    }

    void addUsbDevice(const QString &majorMinor, const QString &name, const QString &label = {})
    {
        addDevice(majorMinor, "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/"
                              "6:0:0:0/block/" +
                                  name.left(3) + '/' + name);
        if (!label.isEmpty()) {
            QDir(dir.path()).mkpath("dev/disk/by-label");
            QFile::link("../../" + name, dir.filePath("dev/disk/by-label/" + label));
        }
    }

    // Lines "majorMinor mountPoint" with the mount point as mountinfo escapes it.
    void setMounts(const QList<QPair<QString, QString>> &mounts)
    {
        QByteArray table = "22 1 0:21 / /proc rw,nosuid - proc proc rw\n";
        int id = 30;
        for (const auto &mount : mounts) {
            table += QByteArray::number(id++) + " 1 " + mount.first.toUtf8() + " / " +
                     mount.second.toUtf8() + " rw,relatime shared:1 - vfat /dev/x rw\n";
            QString unescaped = mount.second;
            unescaped.replace("\\040", " ");
            QDir(dir.path()).mkpath(unescaped.mid(1));
        }
        QDir(dir.path()).mkpath("proc/self");
        QFile file(dir.filePath("proc/self/mountinfo"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(table);
    }

    QString path(const QString &absolute) const { return dir.path() + absolute; }

private:
    void addDevice(const QString &majorMinor, const QString &devicePath)
    {
        QDir(dir.path()).mkpath("sys/devices/" + devicePath);
        QDir(dir.path()).mkpath("sys/dev/block");
        QFile::link("../../devices/" + devicePath, dir.filePath("sys/dev/block/" + majorMinor));
    }

    QTemporaryDir dir;
};

QList<QToolButton *> buttonsOf(CUSBDiskDialog &dialog)
{
    QList<QToolButton *> buttons;
    for (QToolButton *button : dialog.findChildren<QToolButton *>()) {
        if (button->isVisibleTo(&dialog) || !button->isHidden())
            buttons << button;
    }
    return buttons;
}

QPoint gridPosition(CUSBDiskDialog &dialog, QToolButton *button)
{
    auto *grid = dialog.findChild<QGridLayout *>("gridLayoutDisks");
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
    return QPoint(row, column);
}

// Works through modal dialogs from a timer, which keeps firing inside their event loops.
// Each step is tried until it returns true.
class ModalDriver : public QObject
{
public:
    explicit ModalDriver(QList<std::function<bool()>> steps) : steps(std::move(steps))
    {
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [this] {
            if (!this->steps.isEmpty() && this->steps.first()())
                this->steps.removeFirst();
        });
        timer.start();
    }
    bool done() const { return steps.isEmpty(); }

private:
    QList<std::function<bool()>> steps;
    QTimer timer;
};

QFileDialog *openFolderDialog()
{
    return qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
}

void clickLater(QToolButton *button)
{
    QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
}

} // namespace

class TestUsbDiskDialog : public QObject
{
    Q_OBJECT

private slots:
    void onlyUsbDisksGetAButtonNamedByLabelOrFolder()
    {
        FakeDisks disks;
        disks.addSataDevice("8:2", "sda2");
        disks.addUsbDevice("8:17", "sdb1", "DASHCAM");
        disks.addUsbDevice("8:33", "sdc1");
        // sdb1 is mounted twice (a bind mount): one button.
        disks.setMounts({{"8:2", "/"},
                         {"8:17", "/media/user/DASHCAM"},
                         {"8:17", "/mnt/again"},
                         {"8:33", "/media/user/NO\\040NAME"}});
        CUSBDiskDialog dialog(nullptr, disks.root());
        QSignalSpy checked(&dialog, &CUSBDiskDialog::checkUSBDisked);
        dialog.checkUSBDisk();
        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.first().first().value<CUSBDiskDialog::CheckUSBStatu>(),
                 CUSBDiskDialog::CheckUSB_Success);
        const QList<QToolButton *> buttons = buttonsOf(dialog);
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(), QStringLiteral("DASHCAM"));
        QCOMPARE(buttons[1]->text(), QStringLiteral("NO NAME"));
        QCOMPARE(gridPosition(dialog, buttons[0]), QPoint(0, 0));
        QCOMPARE(buttons[0]->size(), QSize(110, 110));
    }

    void fourDisksWrapAfterThree()
    {
        FakeDisks disks;
        QList<QPair<QString, QString>> mounts;
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("sd%11").arg(QChar('b' + i));
            disks.addUsbDevice(QStringLiteral("8:%1").arg(17 + 16 * i), name);
            mounts << qMakePair(QStringLiteral("8:%1").arg(17 + 16 * i), "/media/" + name);
        }
        disks.setMounts(mounts);
        CUSBDiskDialog dialog(nullptr, disks.root());
        dialog.checkUSBDisk();
        const QList<QToolButton *> buttons = buttonsOf(dialog);
        QCOMPARE(buttons.size(), 4);
        QCOMPARE(gridPosition(dialog, buttons[0]), QPoint(0, 0));
        QCOMPARE(gridPosition(dialog, buttons[1]), QPoint(0, 1));
        QCOMPARE(gridPosition(dialog, buttons[2]), QPoint(0, 2));
        QCOMPARE(gridPosition(dialog, buttons[3]), QPoint(1, 0));
        auto *content = dialog.findChild<QWidget *>("scrollAreaWidgetContents");
        QCOMPARE(content->minimumHeight(), 310);
        QCOMPARE(content->maximumHeight(), 310);
    }

    void noUsbDiskFailsWithoutADialog()
    {
        FakeDisks disks;
        disks.addSataDevice("8:2", "sda2");
        disks.setMounts({{"8:2", "/"}});
        QWidget window;
        UsbDiskOffer offer(&window, disks.root());
        QSignalSpy checked(offer.dialog(), &CUSBDiskDialog::checkUSBDisked);
        offer.start();
        QTRY_COMPARE(checked.count(), 1);
        QCOMPARE(checked.first().first().value<CUSBDiskDialog::CheckUSBStatu>(),
                 CUSBDiskDialog::CheckUSB_Failure);
        QVERIFY(!offer.dialog()->isVisible());
    }

    // Cancelling the folder dialog keeps the disk dialog open; a folder whose path needs
    // escaping in a URL arrives as the same local path.
    void chosenFolderIsHandedOnAsItsUrl()
    {
        FakeDisks disks;
        disks.addUsbDevice("8:17", "sdb1");
        disks.setMounts({{"8:17", "/media/u/CAM\\040#1\\040100%\\040Дорога"}});
        const QString folder = disks.path("/media/u/CAM #1 100% Дорога");
        QWidget window;
        UsbDiskOffer offer(&window, disks.root());
        QSignalSpy chosen(&offer, &UsbDiskOffer::folderChosen);
        CUSBDiskDialog *dialog = offer.dialog();
        QString startFolder;
        ModalDriver driver({
            [&] {
                if (QApplication::activeModalWidget() != dialog)
                    return false;
                clickLater(buttonsOf(*dialog).value(0));
                return true;
            },
            [&] {
                QFileDialog *files = openFolderDialog();
                if (!files)
                    return false;
                startFolder = files->directory().absolutePath();
                files->reject();
                return true;
            },
            [&] {
                if (QApplication::activeModalWidget() != dialog)
                    return false;
                clickLater(buttonsOf(*dialog).value(0));
                return true;
            },
            [&] {
                QFileDialog *files = openFolderDialog();
                if (!files)
                    return false;
                // Accepting with nothing selected chooses the folder shown: the disk's root.
                static_cast<QDialog *>(files)->accept();
                return true;
            },
        });
        offer.start();
        QTRY_COMPARE(chosen.count(), 1);
        QVERIFY(driver.done());
        QCOMPARE(startFolder, folder);
        const QList<QUrl> urls = chosen.first().first().value<QList<QUrl>>();
        QCOMPARE(urls.size(), 1);
        QCOMPARE(FileUrl::toLocalPath(QString::fromUtf8(urls.first().toEncoded())), folder);
        QVERIFY(!dialog->isVisible());
    }

    // After start-up a disk is offered in the window's bar, never in a modal dialog over a
    // recording that plays; only disks with recordings, each once until taken out.
    void diskMountedLaterIsOfferedWithoutADialog()
    {
        FakeDisks disks;
        disks.addSataDevice("8:2", "sda2");
        disks.addUsbDevice("8:17", "sdb1", "CARD");
        disks.addUsbDevice("8:33", "sdc1");
        disks.setMounts({{"8:2", "/"}});
        QWidget window;
        UsbDiskOffer offer(&window, disks.root());
        QSignalSpy checked(offer.dialog(), &CUSBDiskDialog::checkUSBDisked);
        QSignalSpy mounted(&offer, &UsbDiskOffer::recordingsMounted);
        QSignalSpy unmounted(&offer, &UsbDiskOffer::diskUnmounted);
        offer.start();
        QTRY_COMPARE(checked.count(), 1);

        bool dialogShown = false;
        ModalDriver watch({[&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                dialogShown = true;
                static_cast<QDialog *>(modal)->reject();
            }
            return false;
        }});
        // An unrelated change offers nothing.
        emit offer.mountWatcher()->mountsChanged();
        QTest::qWait(500);
        QCOMPARE(mounted.count(), 0);

        disks.setMounts({{"8:2", "/"}, {"8:17", "/media/user/CARD"}, {"8:33", "/media/user/STICK"}});
        QDir().mkpath(disks.path("/media/user/CARD/DCIM/Movie"));
        QFile(disks.path("/media/user/CARD/DCIM/Movie/2024_0101_120000_001A.MP4")).open(QIODevice::WriteOnly);
        QFile(disks.path("/media/user/STICK/notes.txt")).open(QIODevice::WriteOnly);
        emit offer.mountWatcher()->mountsChanged();
        QTRY_COMPARE(mounted.count(), 1);
        QCOMPARE(mounted.first(), (QList<QVariant>{"CARD", disks.path("/media/user/CARD")}));

        // Taken out and put back in: offered again.
        disks.setMounts({{"8:2", "/"}, {"8:33", "/media/user/STICK"}});
        emit offer.mountWatcher()->mountsChanged();
        QTRY_COMPARE(unmounted.count(), 1);
        QCOMPARE(unmounted.first().first().toString(), disks.path("/media/user/CARD"));
        disks.setMounts({{"8:2", "/"}, {"8:17", "/media/user/CARD"}, {"8:33", "/media/user/STICK"}});
        emit offer.mountWatcher()->mountsChanged();
        QTRY_COMPARE(mounted.count(), 2);
        QTest::qWait(100);
        QCOMPARE(mounted.count(), 2);
        QVERIFY(!dialogShown);
        QCOMPARE(checked.count(), 1);
    }

    void recordingsAreLookedForDeepButNotEndlessly()
    {
        QTemporaryDir disk;
        QVERIFY(!UsbDiskOffer::holdsRecordings(disk.path()));
        QDir(disk.path()).mkpath("a/b/c");
        QFile(disk.path() + "/a/b/c/clip.mov.txt").open(QIODevice::WriteOnly);
        QVERIFY(!UsbDiskOffer::holdsRecordings(disk.path()));
        QFile(disk.path() + "/a/b/c/front.Mov").open(QIODevice::WriteOnly);
        QVERIFY(UsbDiskOffer::holdsRecordings(disk.path()));

        // A recording behind more entries than the walk looks at is given up on. The walk's
        // order is the file system's; the recording's place in it is counted the same way.
        QDir(disk.path()).mkpath("d/e");
        for (int i = 0; i < 20; ++i)
            QFile(disk.path() + "/d/e/" + QString::number(i) + ".jpg").open(QIODevice::WriteOnly);
        int place = 0;
        QDirIterator walk(disk.path(), QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden,
                          QDirIterator::Subdirectories);
        while (walk.hasNext() && !walk.next().endsWith("front.Mov"))
            ++place;
        QVERIFY(!UsbDiskOffer::holdsRecordings(disk.path(), place));
        QVERIFY(UsbDiskOffer::holdsRecordings(disk.path(), place + 1));
    }

    void barOffersOneDiskAtATime()
    {
        UsbDiskBar bar;
        QSignalSpy open(&bar, &UsbDiskBar::openRequested);
        auto *message = bar.findChild<QLabel *>("lbl_Message");
        auto *openButton = bar.findChild<QPushButton *>("pBtn_Open");
        QVERIFY(bar.isHidden());
        bar.offer("CARD", "/media/u/CARD");
        bar.offer("DASHCAM", "/media/u/DASHCAM");
        QVERIFY(!bar.isHidden());
        QCOMPARE(message->text(), QStringLiteral("Recordings found on DASHCAM:"));
        QCOMPARE(openButton->text(), QStringLiteral("Open"));
        // The disk no longer offered goes away without touching the bar.
        bar.withdraw("/media/u/CARD");
        QVERIFY(!bar.isHidden());
        openButton->click();
        QVERIFY(bar.isHidden());
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toString(), QStringLiteral("/media/u/DASHCAM"));

        bar.offer("CARD", "/media/u/CARD");
        bar.withdraw("/media/u/CARD");
        QVERIFY(bar.isHidden());
        bar.offer("CARD", "/media/u/CARD");
        bar.findChild<QPushButton *>("pBtn_Close")->click();
        QVERIFY(bar.isHidden());
        QCOMPARE(open.count(), 1);
    }

    // The kernel's mount table claims a size of 0; it must be read all the same. The root
    // file system's device is made to look like a USB stick.
    void kernelMountTableIsRead()
    {
        QFile real(QStringLiteral("/proc/self/mountinfo"));
        QVERIFY(real.open(QIODevice::ReadOnly));
        QString rootDevice;
        for (const QByteArray &line : real.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() > 4 && fields[4] == "/")
                rootDevice = QString::fromLatin1(fields[2]);
        }
        QVERIFY(!rootDevice.isEmpty());
        FakeDisks disks;
        disks.addUsbDevice(rootDevice, QStringLiteral("sdz1"), QStringLiteral("ROOT"));
        QFile::remove(disks.root() + QStringLiteral("/proc/self/mountinfo"));
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mountinfo"),
                            disks.root() + QStringLiteral("/proc/self/mountinfo")));
        const QList<RemovableDisk> found = RemovableDisks(disks.root()).usbDisks();
        QVERIFY(!found.isEmpty());
        QCOMPARE(found.first().label, QStringLiteral("ROOT"));
    }

    // The real mount table wakes the watcher; needs the right to mount (root in CI).
    void watcherWakesOnARealMount()
    {
        QTemporaryDir target;
        MountWatcher watcher;
        QSignalSpy changed(&watcher, &MountWatcher::mountsChanged);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "waylume-test",
                                        target.path()}) != 0)
            QSKIP("cannot mount here");
        QTRY_VERIFY(changed.count() >= 1);
        QProcess::execute("umount", {target.path()});
        const int afterMount = changed.count();
        QTRY_VERIFY(changed.count() > afterMount);
        // Nothing changes, nothing is reported.
        const int settled = changed.count();
        QTest::qWait(300);
        QCOMPARE(changed.count(), settled);
    }
};

QTEST_MAIN(TestUsbDiskDialog)
#include "tst_usbdiskdialog.moc"
