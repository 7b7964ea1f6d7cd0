#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line tool agenda-sql:
//   agenda-sql [--csv | --json] CONEXION [SENTENCIA...]
//                                           runs each statement through DB_Dll as the program does
//   agenda-sql --traducir-oracle [TEXTO...] prints what the Oracle translation makes of each text
// CONEXION is an ADO connection string or the program's own "@key=value;" line, connected as
// ConexionConsola describes. Without statements in the arguments they are read from standard input
// and cut, with the database's own reading of quotes and comments, at every ";" and at every line
// that holds only GO; comments ("--" to the line end, "/* */") are dropped. A SELECT (or WITH) goes
// through AbrirRecordset and prints its rows; anything else goes through EjecutaConsultaSQL and
// prints the records affected, in the format SalidaConsulta describes (a table by default, or CSV or
// JSON). Every failure goes to standard error, also one that the program keeps quiet, and leaves the
// statement's number and its error on standard output, so that a script's output matches its statements. Exit status: 0 when everything ran, 1 when a statement failed, 2 for
// a bad command line or a connection that could not be opened. The connection string is never printed.
class ConsolaSql {
public:
    static const char* const kUso;

    static int Ejecuta(const QStringList& argumentos, QTextStream& entrada, QTextStream& salida, QTextStream& errores);

    // Standard input cut into statements, as described above.
    [[nodiscard]] static QStringList CortaSentencias(const QString& texto);
};
