#pragma once

#include "platform/ado/Errors.h"

#include <QSqlError>

namespace ado::postgresql {

// The one place where PostgreSQL's failures get the shared ADO numbering, by the SQLSTATE the server
// sends (QSqlError::nativeErrorCode):
// - 42P01 (no such table or view) → NoExisteTabla;
// - any other of class 42 (syntax, unknown column or function, wrong arguments) except 42501 (no
//   permission) → ErroresEnComando;
// - class 23 (constraints) → ViolacionIntegridad;
// - the server shutting down or restarting (57P01 to 57P03), class 08, or the client library's own
//   word that the connection is gone or cannot be made → ConexionPerdida (always shown, and the
//   connection opens again at its next use);
// - anything else → Fallo.
// SQLState is the server's own SQLSTATE ("HY000" when it sent none), NativeError 0, the source
// "PostgreSQL". The description is a Spanish lead followed by the server's primary message in
// parentheses, e.g. "No existe la tabla o vista (relation "x" does not exist)"; the statement the
// server quotes back is left out, and the value of a password item in it shows as "***"
// (ClavesEnTexto::Oculta), every other character as sent.
[[nodiscard]] Error ErrorDePostgres(const QSqlError& error);

// An error of the provider's own, numbered `numero`, with SQLState "HY000".
[[nodiscard]] Error ErrorPropioPostgres(int32_t numero, const QString& descripcion);

[[noreturn]] void LanzaFalloPostgres(const QSqlError& error);
[[noreturn]] void LanzaFalloPostgres(int32_t numero, const QString& descripcion);

} // namespace ado::postgresql
