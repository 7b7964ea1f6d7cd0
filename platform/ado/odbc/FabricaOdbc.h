#pragma once

#include "platform/ado/Proveedor.h"

#include <QList>

namespace ado::odbc {

// The suite's servers through ODBC: "SQLOLEDB" (SQL Server), "OraOLEDB.Oracle.1" (Oracle) and "ODBC"
// (any driver or DSN the connection string names). Whether the engine's driver is installed shows when the
// connection opens.
[[nodiscard]] QList<ProveedorOfrecido> Proveedores();

} // namespace ado::odbc
