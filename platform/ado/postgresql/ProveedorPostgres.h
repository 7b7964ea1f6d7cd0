#pragma once

#include "platform/ado/Proveedor.h"
#include "platform/ado/postgresql/TraductorPostgres.h"

#include <QHash>
#include <QSqlDatabase>

#include <memory>

namespace ado::postgresql {

// The office's shared database: a PostgreSQL server through Qt's QPSQL driver, under a connection
// name of its own. Statements in the suite's dialect go through TraductorPostgres; EXEC calls run the
// routines kept in the database; errors are numbered by ErroresPostgres.
class ProveedorPostgres : public Proveedor {
public:
    ProveedorPostgres();
    ~ProveedorPostgres() override;

    // Connects to "Server" (host or host:port; "(local)", "." or empty mean this machine, port 5432
    // by default), the database "Database" (or "Initial Catalog"), as "UId" / "User Id" with "Pwd" /
    // "Password". On the connection: DateStyle ISO, DMY (day-first texts), and the functions the
    // translated statements call, created in the session's own temporary schema so the database
    // never holds them. A refused connection fails with Fallo and the server's message, never the
    // password. Opening an open provider closes it first.
    void abre(const CadenaConexion& cadena) override;
    void cierra() override;

    // EXEC/EXECUTE runs the routine: a procedure through CALL (records affected -1), a function
    // through SELECT * FROM (its rows are the result). Anything else is translated and run; records
    // affected are the rows an INSERT/UPDATE/DELETE changed, -1 otherwise. The schema is read again
    // after CREATE, ALTER or DROP.
    int32_t ejecuta(const QString& sentencia) override;
    Resultado consulta(const QString& sentencia) override;

    void iniciaTransaccion() override;
    void confirmaTransaccion() override;
    void deshaceTransaccion() override;

    // Tables and columns (EsquemaPostgres); other schema numbers fail with Fallo.
    Resultado esquema(int tipo, const QVariantList& restricciones) override;

    // As on the embedded database: bound parameters; actualizaFila changes the first row (by its
    // physical position) whose columns are all NOT DISTINCT FROM the originals; no row fails.
    void insertaFila(const QString& tabla, const QStringList& columnas, const QVariantList& valores) override;
    void actualizaFila(const QString& tabla, const QStringList& columnas, const QVariantList& originales,
                       const QVariantList& nuevos) override;

    // The connected database; choosing another one connects to it with the same parameters.
    QString baseDeDatos() const override;
    void fijaBaseDeDatos(const QString& nombre) override;
    // statement_timeout; 0 waits without limit.
    void fijaTiempoEspera(int segundos) override;

private:
    void conecta();
    void leeEsquema();
    void compruebaAbierta() const;
    void ejecutaSimple(const QString& sentencia);
    [[nodiscard]] QString traduceLlamada(const QString& sentencia);
    [[nodiscard]] Resultado lee(const QString& traducida, int32_t* registros);
    [[noreturn]] void falla(const QSqlError& error) const;

    QString nombreConexion_;
    QSqlDatabase base_;
    QString servidor_;
    int puerto_ = 5432;
    QString baseDeDatos_;
    QString usuario_;
    QString clave_;
    int tiempoEspera_ = 0;
    std::unique_ptr<TraductorPostgres> traductor_;
    QHash<QString, bool> esFuncion_; // routine name → it is a function (not a procedure)
};

} // namespace ado::postgresql
