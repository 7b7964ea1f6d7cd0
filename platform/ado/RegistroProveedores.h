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
    using Fabrica = decltype(ProveedorOfrecido::crea);

    // Registers (or replaces) the backend for a provider name; names ignore case.
    static void registra(const QString& nombre, Fabrica fabrica);
    static void elimina(const QString& nombre);
    // A new backend for the name, or null when no backend of that name is available here.
    [[nodiscard]] static std::unique_ptr<Proveedor> crea(const QString& nombre);

    // The engine a provider name stands for, the one question the code above the providers asks
    // about a name: a name that contains "Oracle" (any case) is Oracle, "SQLite" and "PostgreSQL"
    // (any case, nothing around them) the embedded database and the office server, and any other
    // name the suite's own server, its default.
    enum class Motor { SqlServer, Oracle, SQLite, PostgreSQL };
    [[nodiscard]] static Motor motor(const QString& proveedor);
    // Whether the name is one of the program's own providers, "SQLite", "PostgreSQL" or "ODBC" (any case,
    // nothing around them): the name alone says what it reaches, so nothing else in a connection string
    // (a path, a host, a DSN that reads "oracle") changes its engine. The suite's names do not.
    [[nodiscard]] static bool esPropio(const QString& proveedor);
    // The provider name that selects an engine: "SQLOLEDB", "OraOLEDB.Oracle.1", "SQLite", "PostgreSQL".
    [[nodiscard]] static QString nombre(Motor motor);
};

} // namespace ado
