#pragma once

#include "platform/ado/TiposColumnas.h"

#include <QString>

#include <optional>

namespace ado::postgresql {

// The PostgreSQL type that keeps the meaning of a column type of the suite's server, for the column
// definitions CambiaTiposColumnas finds: datetime, smalldatetime and datetime2 become timestamp,
// datetimeoffset timestamptz, money numeric(19, 4), smallmoney numeric(10, 4), bit and tinyint
// smallint (the numbers the suite writes in them, not PostgreSQL's bit strings), image, binary and
// varbinary bytea. Nothing for a text type (EsTipoTextoServidor) or a type PostgreSQL already reads
// as the server does (int, decimal(p, s), float, date, char(n)...).
[[nodiscard]] std::optional<QString> TipoPostgres(const TipoColumna& tipo);

// varchar, nvarchar, text, ntext, sysname and uniqueidentifier, with any length or MAX: the
// server's text that compares ignoring case, which PostgreSQL keeps in one type of its own.
[[nodiscard]] bool EsTipoTextoServidor(const TipoColumna& tipo);

} // namespace ado::postgresql
