#pragma once

#include <QString>

// The GPU render node that a hardware video encoder opens.
namespace RenderDevice {

// The first VA-API render node that can be opened for reading and writing, or empty.
QString vaapiNode();

} // namespace RenderDevice
