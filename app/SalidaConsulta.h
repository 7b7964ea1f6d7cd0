#pragma once

#include <QString>
#include <QTextStream>
#include <QVariant>

#include <cstdint>

namespace ado {
class Recordset;
}

// How agenda-sql writes what each statement gave, in one of three formats:
// - Tabla (the default): a header and tab-separated rows, NULL for a null, dates as dd/mm/yyyy
//   hh:mm:ss, tabs and line breaks inside values as blanks, then "(n filas)";
// - Csv: each statement a table as RFC 4180 writes it (CRLF line ends; a field quoted when it holds a
//   comma, a quote, a line break or nothing), a NULL an empty unquoted field and an empty text "";
//   statements apart by an empty line; a statement that is not a query gives the table
//   "registros_afectados";
// - Json: one object per line (JSON Lines): each row {"columna": valor, ...} in column order, null
//   for NULL, numbers as numbers; a statement that is not a query {"registros_afectados": n}.
// In every format dates are ISO ("2025-03-05 09:30:00", with milliseconds when there are any) except
// the default, and a real keeps a decimal point (13.0), so that it reads back as a real. A statement's
// count of records is null (or said in words) when the database does not tell it.
class SalidaConsulta {
public:
    enum class Formato { Tabla, Csv, Json };

    SalidaConsulta(Formato formato, QTextStream& salida);

    // The rows of an open recordset.
    void filas(ado::Recordset& rs);
    // The records a statement affected; negative when unknown.
    void afectados(int32_t registros);
    // The mark of statement number `numero` (from 1) that failed with `error`, on a line of its own
    // (in Csv, the table "error"; in Json, {"sentencia": n, "error": "..."}).
    void fallo(int numero, const QString& error);

private:
    void separa();

    Formato formato_;
    QTextStream& salida_;
    bool primera_ = true;
};
