#pragma once

#include "platform/ado/LectorFilas.h"
#include "platform/ado/sqlite/EsquemaSqlite.h"

#include <QStringList>

struct sqlite3_stmt;

namespace ado::sqlite {

// Builds a client-side rowset from the raw values of a query, row by row.
class LectorFilasSqlite : public LectorFilas {
public:
    // A column whose name is a date column of some table reads as a date-time, unless the query's
    // text gives that name to an expression of another known type ("ID + 1 AS FECHA"). Given the
    // query's text, so does a column named after MAX or MIN of a date column ("MAX(FECHA) AS MAYOR"):
    // the database itself keeps no type for an aggregate, and its ISO text would read as a year.
    LectorFilasSqlite(const EsquemaSqlite& esquema, const QStringList& nombres, QStringView sentencia = {});

    // Converts one row of raw values (ValorLeido) and keeps it.
    void agrega(const QVariantList& crudos) override;
    // Adds the row `sentencia` stands on and those of its next steps while it gives rows; `paso` is
    // the code of the step already taken. Returns the code of the last step (SQLITE_DONE at the end).
    [[nodiscard]] int agregaPasos(sqlite3_stmt* sentencia, int paso);

    // The rowset. A column whose name some table declares gets that declared type and size;
    // another one gets the type of its first non-null value (int → adInteger, qlonglong →
    // adBigInt, double → adDouble, date → adDBTimeStamp, bytes → adLongVarBinary, text →
    // adVarWChar sized to the longest text read), adVarWChar 255 when every value is null.
    [[nodiscard]] Resultado termina() override;

private:
    const EsquemaSqlite& esquema_;
    QStringList nombres_;
    QList<bool> fechas_;
    Resultado resultado_;
};

} // namespace ado::sqlite
