#pragma once

#include "platform/ado/Proveedor.h"
#include "platform/ado/sqlite/CacheSentenciasSqlite.h"
#include "platform/ado/sqlite/EsquemaSqlite.h"

#include <QSqlDatabase>
#include <QString>

#include <cstdint>

struct sqlite3;

namespace ado::sqlite {

// Runs the stored procedures kept inside the database file, in the table
// KQ_PROCEDIMIENTOS (NOMBRE TEXT PRIMARY KEY, PARAMETROS TEXT NOT NULL DEFAULT '', CUERPO TEXT NOT NULL).
// PARAMETROS declares the parameters in order, separated by commas: "@Nombre TIPO [= defecto]",
// the default being a number, a 'text' or NULL. CUERPO holds SQLite statements separated by ";"
// (outside quotes and comments) that name the parameters as :Nombre (also @Nombre or $Nombre);
// names ignore case.
class ProcedimientosSqlite {
public:
    struct Ejecucion {
        int32_t registros = 0; // rows changed by the body's INSERT/UPDATE/DELETE statements
        Resultado filas; // the rows of the body's last statement that returns rows
        bool devuelveFilas = false; // whether any statement returned rows
        bool cambiaEsquema = false; // the body ran CREATE, ALTER or DROP
    };

    // The lookup of a procedure and its body's statements are prepared once, in `cache` (the
    // connection's cache of prepared statements), and reset after every use.
    ProcedimientosSqlite(const QSqlDatabase& base, sqlite3* conexion, CacheSentenciasSqlite& cache);

    // Runs a call "EXEC name", "EXEC name arg, arg", "EXECUTE dbo.[name] ..." (keywords and names
    // ignore case; an optional final ";"). Arguments are positional: '...' (a doubled quote stands
    // for one), N'...', signed numbers and NULL. Each is converted by its parameter's declared
    // type: dates (DATE/TIME in the type) read day-first with LeeFecha and bound in the stored
    // form, integer types as integers (a decimal is truncated), REAL/FLOAT/DOUBLE/DECIMAL/NUMERIC/
    // MONEY as doubles, anything else as text; NULL stays NULL. The body runs inside a savepoint,
    // released on success and rolled back on failure, so a failing procedure changes nothing.
    // Throws FalloProveedor: ErroresEnComando for a malformed call, an unknown procedure (also
    // when the table does not exist), malformed declarations, too many arguments, a missing
    // argument without default, an unreadable date or number, a parameter the body names but
    // does not declare; a failing body statement as ErroresSqlite maps it.
    [[nodiscard]] Ejecucion ejecuta(const QString& llamada, const EsquemaSqlite& esquemaInicial);

private:
    // The procedure's declaration and body; false when there is no such procedure (or no table).
    bool leeDefinicion(const QString& nombre, QString& declaracion, QString& cuerpo);

    QSqlDatabase base_;
    sqlite3* conexion_;
    CacheSentenciasSqlite& cache_;
};

} // namespace ado::sqlite
