#pragma once

#include "platform/ado/Connection.h"
#include "support/MotoresDePrueba.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct sqlite3;

// The database of a test, removed with the object: an embedded file in a temporary folder, or a database
// of its own on the test server. Made from the program's own schema (and, when asked, the demo data for
// `hoy`), or empty, for the tests of the database layer that declare their own tables.
class BaseDePrueba {
public:
    // Tag of the empty database: an embedded file, prueba.db (its catalogue name is PRUEBA), created by the
    // first connection to it.
    struct Vacia { };

    explicit BaseDePrueba(bool conDemo = false, const QDate& hoy = QDate(2025, 3, 5), Motor motor = Motor::SQLite);
    explicit BaseDePrueba(Vacia);
    ~BaseDePrueba();
    BaseDePrueba(const BaseDePrueba&) = delete;
    BaseDePrueba& operator=(const BaseDePrueba&) = delete;

    // The file of an embedded database, the database's name on the server.
    [[nodiscard]] QString ruta() const { return ruta_; }
    // The ADO connection string to it; an empty database's also creates the file when it is missing.
    [[nodiscard]] QString cadenaConexion() const;
    [[nodiscard]] QString carpeta() const { return carpeta_.path(); }
    [[nodiscard]] Motor motor() const { return motor_; }

    // The fixture's own connection, closed until `prepara` opens it.
    [[nodiscard]] ado::Connection& conexion() { return conexion_; }
    // Opens the fixture's connection and runs `sentencias` on it, in order; raises the first error.
    void prepara(const QStringList& sentencias = {});

    // Runs `sql` as written, past the provider's translation, on an embedded database's file through a
    // connection of its own with the dialect's collation and functions registered as the provider
    // registers them. Gives every row as its columns joined by "|", rows joined by ",", NULL as "NULL";
    // a failure gives "ERROR: " and SQLite's message, and so does a database on the server.
    [[nodiscard]] QString filasDirectas(const QString& sql);

private:
    QTemporaryDir carpeta_;
    QString ruta_;
    Motor motor_ = Motor::SQLite;
    bool vacia_ = false;
    ado::Connection conexion_;
    sqlite3* directa_ = nullptr;
};
