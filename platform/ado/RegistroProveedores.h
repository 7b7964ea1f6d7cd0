#pragma once

#include "platform/ado/Proveedor.h"

#include <QString>

#include <functional>
#include <memory>

namespace ado {

// Which backend a "Provider=" name selects: "SQLite" (the embedded database), "PostgreSQL" (the
// office server), "SQLOLEDB" and "OraOLEDB.Oracle.1" (the suite's servers through ODBC) and "ODBC"
// (any ODBC driver or DSN the string names). Test doubles register themselves under other names.
class RegistroProveedores {
public:
    using Fabrica = std::function<std::unique_ptr<Proveedor>()>;

    // Registers (or replaces) the backend for a provider name; names ignore case.
    static void registra(const QString& nombre, Fabrica fabrica);
    static void elimina(const QString& nombre);
    // A new backend for the name, or null when no backend of that name is available here.
    [[nodiscard]] static std::unique_ptr<Proveedor> crea(const QString& nombre);
};

} // namespace ado
