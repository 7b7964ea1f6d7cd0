#pragma once

#include "platform/ado/Proveedor.h"

#include <QList>

namespace ado::postgresql {

// The office server: "PostgreSQL". Whether the engine's driver is installed shows when the
// connection opens.
[[nodiscard]] QList<ProveedorOfrecido> Proveedores();

} // namespace ado::postgresql
