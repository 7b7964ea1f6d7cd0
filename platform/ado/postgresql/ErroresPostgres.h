#pragma once

#include "platform/ado/Errors.h"
#include "platform/ado/TipoFallo.h"

#include <QSqlError>

class QSqlDatabase;

namespace ado::postgresql {

// What the client library knows of the link to the server when a failure came without a state of
// the server's: still up, broken (the server closed or lost it), or never made because nothing
// answered at the server's address.
enum class Enlace { Vivo, Caido, SinRespuesta };

// The one place where PostgreSQL's failures get the shared ADO numbering. The SQLSTATE the server
// sends (QSqlError::nativeErrorCode) decides, through one table of states and classes:
// - 42P01 (no such table or view) → NoExisteTabla;
// - any other of class 42 (syntax, unknown column or function, wrong arguments) except 42501 (no
//   permission) → ErroresEnComando;
// - class 23 (constraints) → ViolacionIntegridad;
// - class 08 (the connection failed) and the server shutting down or restarting (57P01 to 57P03)
//   → ConexionPerdida (always shown, and the connection opens again at its next use);
// - anything else, a refused password (class 28) included → Fallo.
// A failure without a state is the client library's own: `enlace` then decides (Caido →
// ConexionPerdida, SinRespuesta → SinServidor, Vivo → Fallo). The words of a message never do.
// SQLState is the server's own SQLSTATE when it sent one, else the kind's; NativeError 0, the source
// "PostgreSQL". The description is a Spanish lead followed by the server's primary message in
// parentheses, e.g. "No existe la tabla o vista (relation "x" does not exist)"; the statement the
// server quotes back is left out, and the value of a password item in it shows as "***"
// (ClavesEnTexto::Oculta), every other character as sent.
[[nodiscard]] TipoFallo TipoDeEstadoPostgres(const QString& estado, Enlace enlace);
[[nodiscard]] Error ErrorDePostgres(const QSqlError& error, Enlace enlace = Enlace::Vivo);

// Throws FalloProveedor with ErrorDePostgres for a failure on connection `base`, whose link is
// Caido when libpq has no connection there or finds it broken, Vivo otherwise.
[[noreturn]] void LanzaFalloPostgres(const QSqlError& error, const QSqlDatabase& base);

} // namespace ado::postgresql
