#pragma once

#include "platform/ado/Proveedor.h"

#include <QList>

namespace ado {

// Every provider the backend folders built into the program offer, each folder's in its own order.
[[nodiscard]] QList<ProveedorOfrecido> ProveedoresInstalados();

} // namespace ado
