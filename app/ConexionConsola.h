#pragma once

#include "data/DB_Dll.h"

#include <QString>
#include <QTextStream>

// How a command-line tool connects from its CONEXION argument, which is either
// - an ADO connection string ("Provider=SQLite;Database=var/agenda-demo.db"): opened on a DB_Dll of
//   the tool's own (or on the shared one, for a tool whose components use it: Objeto::Compartido),
//   whose user counts as an administrator (no synonym tables); or
// - the program's own line ("@Server=(local);@DbName=var/agenda-demo.db;@Usuario=admin;
//   @Password=admin;@Proveedor=SQLite;"), recognised by its leading "@": it connects the program's
//   shared DB_Dll through IniciarConexion, exactly as the program does, so the administrator check
//   decides about the synonym tables and the lookup catalogue and the settings are prepared. That
//   line must name a server: a tool cannot show the login dialog. A failed connection is not retried.
// Errors go to the stream given to Abre, and each failure to open is a line of the error log; the
// connection string and the password are never printed. A failure is stated, never asked about.
// Install console dialogs (DialogosConsola::Instalados) before opening, so that nothing waits for
// a person.
class ConexionConsola {
public:
    enum class Objeto { Propio, Compartido };
    explicit ConexionConsola(const QString& conexion, Objeto objeto = Objeto::Propio);
    // Closes the shared object's connection: it outlives Qt's own globals and must be closed while
    // they exist.
    ~ConexionConsola();
    ConexionConsola(const ConexionConsola&) = delete;
    ConexionConsola& operator=(const ConexionConsola&) = delete;

    // Opens the connection; false, with the reasons written to `errores`, when it cannot be opened.
    [[nodiscard]] bool Abre(QTextStream& errores);

    // The data-access object the tool works through: the shared one for the program's line.
    [[nodiscard]] DB_Dll& db() { return compartido_ ? DB_Dll::Compartido() : propia_; }

private:
    bool abreComoPrograma(QTextStream& errores);

    QString conexion_;
    bool comoPrograma_;
    bool compartido_;
    DB_Dll propia_;
};
