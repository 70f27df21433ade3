#include "platform/machineinfo.h"

#include <QDir>
#include <QFile>

// Linux: the processor from /proc/cpuinfo, the adapters from the PCI devices of display
// class, named through the PCI ID database that lspci uses.

namespace {

// Enough for any real /proc/cpuinfo line or sysfs attribute; a bound for a bad root.
const qint64 kMaxLine = 4096;

QString readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readLine(kMaxLine)).trimmed();
}

quint32 hexAttribute(const QString &path)
{
    bool ok = false;
    const quint32 value = readAttribute(path).toUInt(&ok, 16);
    return ok ? value : 0;
}

struct PciNames
{
    QString vendor;
    QString device;
};

// Looks up vendor and device names in pci.ids: "vvvv  Vendor" lines at the left margin, each
// followed by its "\tdddd  Device" lines (and "\t\t" subsystem lines, which we skip).
PciNames pciNames(const QString &database, quint16 vendorId, quint16 deviceId)
{
    PciNames names;
    QFile file(database);
    if (database.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    const QByteArray vendorKey = QByteArray::number(vendorId, 16).rightJustified(4, '0');
    const QByteArray deviceKey = QByteArray::number(deviceId, 16).rightJustified(4, '0');
    bool inVendor = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(kMaxLine);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!line.startsWith('\t')) {
            if (inVendor)
                break;
            if (line.startsWith(vendorKey + "  ")) {
                names.vendor = QString::fromUtf8(line.mid(6)).trimmed();
                inVendor = true;
            }
        } else if (inVendor && line.startsWith('\t' + deviceKey + "  ")) {
            names.device = QString::fromUtf8(line.mid(7)).trimmed();
            break;
        }
    }
    return names;
}

} // namespace

MachineInfo::MachineInfo(const QString &root) : root(root) {}

QString MachineInfo::pciIdsPath() const
{
    // Debian and Ubuntu (package pci.ids) keep it in misc/, Fedora and Arch (hwdata) in
    // hwdata/.
    for (const char *place : {"usr/share/misc/pci.ids", "usr/share/hwdata/pci.ids"}) {
        const QString path = QDir(root).filePath(QLatin1String(place));
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

QString MachineInfo::processorName() const
{
    QFile file(QDir(root).filePath(QStringLiteral("proc/cpuinfo")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    // Files in /proc report a size of 0, so atEnd() holds from the start: read until a read
    // returns nothing.
    for (QByteArray line = file.readLine(kMaxLine); !line.isEmpty();
         line = file.readLine(kMaxLine)) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "model name")
            return QString::fromUtf8(line.mid(colon + 1)).trimmed();
    }
    return QString();
}

QList<MachineInfo::DisplayAdapter> MachineInfo::displayAdapters() const
{
    QList<DisplayAdapter> adapters;
    const QDir devices(QDir(root).filePath(QStringLiteral("sys/bus/pci/devices")));
    const QString database = pciIdsPath();
    const QStringList entries = devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QString folder = devices.filePath(entry);
        // PCI base class 0x03: display controllers (VGA, XGA, 3D).
        if ((hexAttribute(folder + QLatin1String("/class")) >> 16) != 0x03)
            continue;
        const auto vendorId = quint16(hexAttribute(folder + QLatin1String("/vendor")));
        const auto deviceId = quint16(hexAttribute(folder + QLatin1String("/device")));
        const PciNames names = pciNames(database, vendorId, deviceId);
        DisplayAdapter adapter;
        adapter.vendorId = vendorId;
        const QString vendor = names.vendor.isEmpty()
                                   ? QStringLiteral("%1").arg(vendorId, 4, 16, QLatin1Char('0'))
                                   : names.vendor;
        const QString device = names.device.isEmpty()
                                   ? QStringLiteral("%1").arg(deviceId, 4, 16, QLatin1Char('0'))
                                   : names.device;
        adapter.description = vendor + QLatin1Char(' ') + device;
        adapters << adapter;
    }
    return adapters;
}
