#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line tool agenda-sql:
//   agenda-sql CONEXION [SENTENCIA...]      runs each statement through DB_Dll as the program does
//   agenda-sql --traducir-oracle [TEXTO...] prints what the Oracle translation makes of each text
// CONEXION is an ADO connection string or the program's own "@key=value;" line, connected as
// ConexionConsola describes. Without
// statements in the arguments they are read from standard input, cut at every ";" outside quotes
// and at lines that hold only GO. A SELECT (or WITH) goes through AbrirRecordset and prints a header
// and tab-separated rows (NULL for a null, dates as dd/mm/yyyy hh:mm:ss) and the row count; anything
// else goes through EjecutaConsultaSQL and prints the records affected. Errors go to standard
// error. Exit status: 0 when everything ran, 1 when a statement failed, 2 for a bad command line or
// a connection that could not be opened. The connection string is never printed.
class ConsolaSql {
public:
    static int Ejecuta(const QStringList& argumentos, QTextStream& entrada, QTextStream& salida, QTextStream& errores);

    // Standard input cut into statements, as described above.
    [[nodiscard]] static QStringList CortaSentencias(const QString& texto);
};
