#include "platform/ado/sqlite/ErroresSqlite.h"

#include <QTest>

#include <sqlite3.h>

using ado::TipoFallo;

Q_DECLARE_METATYPE(TipoFallo)

// How the embedded database numbers its failures: by its result code, extended codes before their
// family, and by the words of the message only where the code says no more than "error".
class TstErroresSqlite : public QObject {
    Q_OBJECT
private slots:
    void codigos_data();
    void codigos();
};

void TstErroresSqlite::codigos_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<TipoFallo>("tipo");
    const auto fila = [](const char* nombre, int codigo, const char* texto, TipoFallo tipo) {
        QTest::newRow(nombre) << codigo << QString::fromUtf8(texto) << tipo;
    };
    fila("clave única repetida", SQLITE_CONSTRAINT_UNIQUE, "UNIQUE constraint failed", TipoFallo::ViolacionIntegridad);
    fila("bloqueo que no se suelta", SQLITE_BUSY, "database is locked", TipoFallo::TiempoAgotado);
    fila("tabla bloqueada en la misma conexión", SQLITE_LOCKED_SHAREDCACHE, "", TipoFallo::TiempoAgotado);
    fila("archivo movido mientras está abierto", SQLITE_READONLY_DBMOVED, "", TipoFallo::ArchivoNoEncontrado);
    fila("otro caso de solo lectura", SQLITE_READONLY_DIRECTORY, "", TipoFallo::SinEscritura);
    fila("archivo que no se puede abrir", SQLITE_CANTOPEN, "unable to open", TipoFallo::ArchivoNoEncontrado);
    fila("disco lleno", SQLITE_FULL, "database or disk is full", TipoFallo::EspacioAgotado);
    fila("archivo que no es una base", SQLITE_NOTADB, "file is not a database", TipoFallo::ArchivoDanado);
    fila("error de lectura del disco", SQLITE_IOERR_READ, "disk I/O error", TipoFallo::ErrorEntradaSalida);
    fila("sin memoria al leer del disco", SQLITE_IOERR_NOMEM, "", TipoFallo::SinMemoria);
    fila("uso indebido de la biblioteca", SQLITE_MISUSE, "bad parameter or other API misuse", TipoFallo::Inesperado);
    fila("texto que cita otra tabla en un error de restricción", SQLITE_CONSTRAINT_CHECK, "no such table: X",
         TipoFallo::ViolacionIntegridad);
    fila("tabla que no existe", SQLITE_ERROR, "no such table: X", TipoFallo::NoExisteTabla);
    fila("error de sintaxis", SQLITE_ERROR, "near \"FROM\": syntax error", TipoFallo::ErroresEnComando);
    fila("objeto que ya existe", SQLITE_ERROR, "table T already exists", TipoFallo::Fallo);
    fila("sin código, por el texto", 0, "no such column: Y", TipoFallo::ErroresEnComando);
    fila("código que la tabla no conoce", SQLITE_RANGE, "column index out of range", TipoFallo::Fallo);
}

void TstErroresSqlite::codigos()
{
    QFETCH(int, codigo);
    QFETCH(QString, texto);
    QTEST(ado::sqlite::TipoDeCodigoSqlite(codigo, texto), "tipo");
}

AGENDA_PRUEBA_SIN_VENTANAS(TstErroresSqlite)
#include "tst_ErroresSqlite.moc"
