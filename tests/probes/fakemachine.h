#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A made-up machine below a temporary root: /proc/cpuinfo and PCI devices in sysfs, named
// through the system's real PCI ID database.
class FakeMachine
{
public:
    FakeMachine()
    {
        write(QStringLiteral("proc/cpuinfo"), QByteArray());
        QDir(dir.path()).mkpath(QStringLiteral("usr/share/misc"));
        QFile::link(QStringLiteral("/usr/share/misc/pci.ids"),
                    dir.filePath(QStringLiteral("usr/share/misc/pci.ids")));
    }

    QString root() const { return dir.path(); }

    void setProcessor(const QString &name)
    {
        write(QStringLiteral("proc/cpuinfo"),
              "processor\t: 0\nvendor_id\t: x\nmodel name\t: " + name.toUtf8() +
                  "\nflags\t\t: fpu\n\nprocessor\t: 1\nmodel name\t: second\n");
    }

    // A PCI device at `slot` ("0000:00:02.0") with its class, vendor and device ids.
    void addPciDevice(const QString &slot, quint32 pciClass, quint16 vendor, quint16 device)
    {
        const QString folder = QStringLiteral("sys/bus/pci/devices/") + slot + QLatin1Char('/');
        write(folder + QLatin1String("class"), hex(pciClass, 6));
        write(folder + QLatin1String("vendor"), hex(vendor, 4));
        write(folder + QLatin1String("device"), hex(device, 4));
    }

    void write(const QString &relative, const QByteArray &content)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }

private:
    static QByteArray hex(quint32 value, int digits)
    {
        return "0x" + QByteArray::number(value, 16).rightJustified(digits, '0') + "\n";
    }

    QTemporaryDir dir;
};
