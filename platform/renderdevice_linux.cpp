#include "platform/renderdevice.h"

#include <QDir>
#include <QFileInfo>

namespace RenderDevice {

QString vaapiNode()
{
    // DRM render nodes are numbered from 128; a machine without a GPU has no /dev/dri.
    const QDir dri(QStringLiteral("/dev/dri"));
    const QStringList nodes =
        dri.entryList({QStringLiteral("renderD*")}, QDir::System | QDir::Files, QDir::Name);
    for (const QString &node : nodes) {
        const QFileInfo info(dri.filePath(node));
        if (info.isReadable() && info.isWritable())
            return info.absoluteFilePath();
    }
    return {};
}

} // namespace RenderDevice
