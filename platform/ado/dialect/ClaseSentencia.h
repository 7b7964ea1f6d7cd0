#pragma once

#include <QString>
#include <QStringView>

namespace ado::dialecto {

// What the provider needs to know of a statement before running it, from its first word (case
// ignored; leading blanks, comments, "(" and ";" skipped).
struct ClaseSentencia {
    bool llamada = false; // EXEC or EXECUTE: a stored procedure call
    bool cambiaEsquema = false; // CREATE, ALTER or DROP: the schema must be read again
    bool cuentaRegistros = false; // INSERT, UPDATE, DELETE, REPLACE or WITH: it reports changed rows
    bool sinEfecto = false; // SET NOCOUNT ON or OFF: accepted, and nothing to run
};

[[nodiscard]] ClaseSentencia ClasificaSentencia(QStringView sentencia);

} // namespace ado::dialecto
