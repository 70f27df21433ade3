#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Lines of the PCI ID database as Debian 12's pci.ids (version 2023.04.10) has them, copied
// from /usr/share/misc/pci.ids; other vendors and devices left out. The 0162 under NVIDIA and
// the subsystem line check that the lookup keeps to the vendor and the device level.
inline QByteArray pciIdsExcerpt()
{
    return "#\n#\tList of PCI ID's\n#\n"
           "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n"
           "\t15dd  Raven Ridge [Radeon Vega Series / Radeon Vega Mobile Series]\n"
           "\t66af  Vega 20 [Radeon VII]\n"
           "\t6798  Tahiti XT [Radeon HD 7970/8970 OEM / R9 280X]\n"
           "\t67df  Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]\n"
           "\t\t1002 0b37  Radeon RX 480\n"
           "\t67ef  Baffin [Radeon RX 460/560D / Pro 450/455/460/555/555X/560/560X]\n"
           "\t699f  Lexa PRO [Radeon 540/540X/550/550X / RX 540X/550/550X]\n"
           "\t731f  Navi 10 [Radeon RX 5600 OEM/5600 XT / 5700/5700 XT]\n"
           "\t73bf  Navi 21 [Radeon RX 6800/6800 XT / 6900 XT]\n"
           "\t9710  RS880 [Radeon HD 4200]\n"
           "1022  Advanced Micro Devices, Inc. [AMD]\n"
           "10de  NVIDIA Corporation\n"
           "\t0162  NV44 [GeForce 6200 SE TurboCache]\n"
           "\t1287  GK208B [GeForce GT 730]\n"
           "\t1c03  GP106 [GeForce GTX 1060 6GB]\n"
           "\t1eb8  TU104GL [Tesla T4]\n"
           "8086  Intel Corporation\n"
           "\t0162  IvyBridge GT2 [HD Graphics 4000]\n"
           "\t15d7  Ethernet Connection (4) I219-LM\n"
           "\t5917  UHD Graphics 620\n";
}

// A made-up machine below a temporary root: /proc/cpuinfo and PCI devices in sysfs, named
// through a PCI ID database at Debian's place (or another one, see setPciIds).
class FakeMachine
{
public:
    FakeMachine()
    {
        write(QStringLiteral("proc/cpuinfo"), QByteArray());
        setPciIds(QStringLiteral("usr/share/misc/pci.ids"), pciIdsExcerpt());
    }

    // The database at `relative` below the root, and only there.
    void setPciIds(const QString &relative, const QByteArray &content)
    {
        for (const char *place : {"usr/share/misc/pci.ids", "usr/share/hwdata/pci.ids"})
            QFile::remove(dir.filePath(QLatin1String(place)));
        write(relative, content);
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
