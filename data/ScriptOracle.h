#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace ado {
class Connection;
}

// Runs a statement or a whole script written for SQL Server on an Oracle connection.
//
// The text is normalised first (SET NOCOUNT ON/OFF dropped, GO batch separators and carriage returns
// turned into blanks, the BEGIN/COMMIT/ROLLBACK TRAN[SACTION] forms shortened), then cut at every
// occurrence of a statement keyword (each piece trimmed of blanks and line breaks) (INSERT, DELETE,
// UPDATE, CREATE, DROP, ALTER, SET TRANSACTION, COMMIT, ROLLBACK, IF NOT EXIST, IF EXIST; case
// ignored), also inside a statement. Quoted literals and comments stay whole: the normalisation,
// the cutting and the filter below see nothing inside them ("Llamar a Walter" holds no ALTER, a
// note's line breaks stay). Text in front of the first keyword is never run. SET TRANSACTION, COMMIT
// and ROLLBACK map onto the connection's own transaction calls; every other piece is translated,
// filtered and executed, and the records it affects are added to `registrosAfectados` (whatever it
// held on entry is the starting value).
//
// Nothing is trapped: the first failing call ends the run with its ErrorVB. Statements run before it
// stay run, a transaction begun stays open, `sentencia` holds the rest of the script from the
// failing statement on and `registrosAfectados` the total so far. On a normal return `sentencia` is
// empty, or holds the normalised text when no keyword was found. Time is linear in the text's length.
class ScriptOracle {
public:
    using Traductor = std::function<QString(const QString&)>;

    static void Ejecuta(QString& sentencia, int32_t& registrosAfectados, ado::Connection& conexion,
                        const Traductor& traduce);

    // Blanks a statement that Oracle cannot take (one containing SET NOCOUNT or IF NOT EXIST outside
    // its literals and comments) and returns it; any other statement comes back unchanged.
    static QString FiltraSentencia(QString& sentencia);
};
