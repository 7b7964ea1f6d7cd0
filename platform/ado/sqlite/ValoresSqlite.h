#pragma once

#include <QVariant>

struct sqlite3_stmt;

namespace ado::sqlite {

// Column `i` of the statement's current row as Qt's SQLite driver reads it: integer → qlonglong,
// real → double, text → QString, blob → QByteArray, NULL → a null QVariant.
[[nodiscard]] QVariant ValorDeColumna(sqlite3_stmt* sentencia, int i);

// A value as SQLite gave it, as the recordset holds it: NULL → a null QVariant (never an empty
// text), integers → int when they fit, else qlonglong; reals → double; in a date column, a text
// that LeeFechaConDia reads → QDateTime (another text stays as it is).
[[nodiscard]] QVariant ValorLeido(const QVariant& crudo, bool columnaFecha);

// A value as it is bound for SQLite: QDateTime and QDate → the stored date text; in a date
// column, a text that LeeFecha reads → the stored date text; bool → 1 or 0; a null QVariant of
// any type → NULL. Anything else goes as it is.
[[nodiscard]] QVariant ValorEscrito(const QVariant& valor, bool columnaFecha);

} // namespace ado::sqlite
