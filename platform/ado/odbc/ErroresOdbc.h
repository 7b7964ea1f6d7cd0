#pragma once

#include "platform/ado/Errors.h"

#include <QSqlError>

namespace ado::odbc {

// The one place where failures reported through ODBC get the shared ADO numbering. Qt's ODBC driver
// hands over the server's native error number, so the numbering follows each server's own numbers:
// - SQL Server: 208 (invalid object name) → NoExisteTabla; 102, 105, 156, 170, 207, 2812 (syntax,
//   unknown column or procedure) → ErroresEnComando; 515, 547, 2601, 2627 (NULL, foreign key,
//   duplicate key) → ViolacionIntegridad; 1222 (lock request time-out) → the lock time-out;
// - Oracle: 942 → NoExisteTabla; 900-999 and 904 → ErroresEnComando; 1, 1400, 2290-2292 →
//   ViolacionIntegridad;
// - any driver: a message that says a relation or object "does not exist" → NoExisteTabla, one that
//   says "syntax error" → ErroresEnComando;
// - anything else → Fallo.
// The description is a Spanish lead and the driver's message, where the value of a password item
// (a connection string the driver quotes back) shows as "***" (ClavesEnTexto::Oculta).
[[nodiscard]] Error ErrorDeOdbc(const QSqlError& error);

} // namespace ado::odbc
