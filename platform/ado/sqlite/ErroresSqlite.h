#pragma once

#include "platform/ado/Errors.h"

#include <QSqlError>

namespace ado::sqlite {

// The one place where SQLite's failures get the shared ADO numbering:
// - syntax and command errors ("near ...", "incomplete input", "unrecognized token", "no such
//   column", "no such function", a wrong number of arguments) → ErroresEnComando, SQLState "42000";
// - "no such table" / "no such view" → NoExisteTabla, "42S02";
// - SQLITE_CONSTRAINT with any extended code → ViolacionIntegridad, "23000";
// - anything else → Fallo, "HY000".
// NativeError is the (extended) result code the error carries, 0 when it carries none. The
// description is a Spanish lead followed by SQLite's own text in parentheses, e.g.
// "No existe la tabla o vista (no such table: X)"; the source is "SQLite".
[[nodiscard]] Error ErrorDeSqlite(const QSqlError& error);

// An error of the provider's own (bad procedure call, missing file), with the SQLState that goes
// with `numero` as above and NativeError 0.
[[nodiscard]] Error ErrorPropio(int32_t numero, const QString& descripcion);

// Throws FalloProveedor with ErrorDeSqlite(error) / ErrorPropio(numero, descripcion).
[[noreturn]] void LanzaFallo(const QSqlError& error);
[[noreturn]] void LanzaFallo(int32_t numero, const QString& descripcion);

} // namespace ado::sqlite
