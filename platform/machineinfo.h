#pragma once

#include <QList>
#include <QString>

// What the decoding check needs to know about the machine's hardware: the processor's name
// and the graphics adapters' names. Everything is read below a root folder ("/" for this
// machine) so that tests can hand in a made-up machine.
class MachineInfo
{
public:
    struct DisplayAdapter
    {
        quint16 vendorId = 0;
        QString description; // vendor and model, as the desktop names them
    };

    explicit MachineInfo(const QString &root = QStringLiteral("/"));

    // The processor's marketing name, empty when it cannot be read.
    QString processorName() const;
    // Every graphics adapter, in bus order.
    QList<DisplayAdapter> displayAdapters() const;
    // The PCI ID database that names the adapters; empty when there is none.
    QString pciIdsPath() const;

private:
    QString root;
};
