#pragma once

#include "platform/ado/Errors.h"
#include "platform/ado/TipoFallo.h"

#include <QSqlError>

#include <optional>

namespace ado::odbc {

// The kind of an ODBC state (the five characters of the driver's diagnostic record), when it tells
// one: 08001 and HYT01 (the server cannot be reached) → SinServidor; any other of class 08 →
// ConexionPerdida; 42S02 and 42P01 → NoExisteTabla; 42501 → Fallo; any other of class 42 →
// ErroresEnComando; class 23 → ViolacionIntegridad; HYT00 → TiempoAgotado. A general state
// (HY000, S1000, 01xxx) or none tells nothing.
[[nodiscard]] std::optional<TipoFallo> TipoDeEstadoOdbc(const QString& estado);

// The kind of a native error number, by one table of the servers reached through ODBC: SQL Server's
// own numbers and the client library's (FreeTDS 200xx, the network's 2, 53, 10054, 10060, 10061,
// 11001), Oracle's ORA- numbers. Unknown numbers (and the 1 that some drivers give for everything)
// tell nothing.
[[nodiscard]] std::optional<TipoFallo> TipoDeNativoOdbc(int nativo);

// The one place where failures reported through ODBC get the shared ADO numbering: by the ODBC
// state `estado` when it tells a kind, else by the native number Qt's driver hands over, else Fallo.
// The words of a driver's message never decide. The description is a Spanish lead and the driver's
// message, where the value of a password item (a connection string the driver quotes back) shows as
// "***" (ClavesEnTexto::Oculta).
[[nodiscard]] Error ErrorDeOdbc(const QSqlError& error, const QString& estado);

} // namespace ado::odbc
