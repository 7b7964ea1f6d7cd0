#pragma once

#include <QStringList>

namespace ado {
class Connection;
}

// The embedded database's schema: tables, views, synonym views and the stored procedures kept
// inside the file (KQ_CREARAGENDA among them).
class EsquemaAgenda {
public:
    // Creates every object on an open, empty database; raises ErrorVB when a statement fails.
    static void Crea(ado::Connection& conexion);
    // The same on a PostgreSQL database that has the citext extension: the tables and views of the
    // same script (DdlServidor), and KQ_CREARAGENDA as a PL/pgSQL procedure.
    static void CreaEnServidor(ado::Connection& conexion);

    // The statements CreaEnServidor runs, in order: tables, views and KQ_CREARAGENDA.
    [[nodiscard]] static QStringList SentenciasEnServidor();
    // The tables that hold the agenda's rows, in the order the script creates them (a table comes
    // after the tables it refers to); the table of stored procedures is schema, not rows.
    [[nodiscard]] static QStringList TablasDeDatos();
};
