#pragma once

#include "platform/ado/Errors.h"
#include "platform/ado/TipoFallo.h"

#include <QSqlError>

namespace ado::sqlite {

// The one place where SQLite's failures get the shared numbering of TipoFallo, through one table of
// (extended) result codes and, for a plain SQLITE_ERROR or a code the table lacks, by its text:
// - SQLITE_CONSTRAINT → ViolacionIntegridad;
// - "no such table" / "no such view" → NoExisteTabla;
// - syntax and command errors ("near ...", "incomplete input", "unrecognized token", "no such
//   column", "no such function", a wrong number of arguments) → ErroresEnComando;
// - SQLITE_BUSY, SQLITE_LOCKED (a lock still held when the busy time-out ran out) → TiempoAgotado;
// - SQLITE_READONLY_DBMOVED (the file was removed or renamed while open), SQLITE_CANTOPEN
//   → ArchivoNoEncontrado; any other SQLITE_READONLY, SQLITE_PERM, SQLITE_AUTH → SinEscritura;
// - SQLITE_FULL → EspacioAgotado; SQLITE_CORRUPT, SQLITE_NOTADB → ArchivoDanado;
// - SQLITE_IOERR → ErrorEntradaSalida (SinMemoria for its out-of-memory form; the provider makes it
//   SinEscritura when the system refused the write for want of permission); SQLITE_NOMEM → SinMemoria;
// - SQLITE_INTERNAL, SQLITE_MISUSE, SQLITE_PROTOCOL, SQLITE_NOLFS, SQLITE_FORMAT, SQLITE_INTERRUPT,
//   SQLITE_ABORT → Inesperado;
// - anything else (an object that already exists, a transaction call out of place, ...) → Fallo.
// NativeError is the result code, 0 when the error carries none; the description is the kind's
// Spanish text followed by SQLite's own in parentheses; the source is "SQLite".
[[nodiscard]] TipoFallo TipoDeCodigoSqlite(int codigo, const QString& texto);
[[nodiscard]] Error ErrorDeSqlite(const QSqlError& error);

// The source every failure of the embedded database names.
inline const QString OrigenSqlite = QStringLiteral("SQLite");

// Throws FalloProveedor with ErrorDeSqlite(error).
[[noreturn]] void LanzaFallo(const QSqlError& error);

} // namespace ado::sqlite
