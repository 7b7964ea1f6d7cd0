#pragma once

#include "platform/ado/ProveedorQtSql.h"
#include "platform/ado/postgresql/ErroresPostgres.h"
#include "platform/ado/postgresql/TraductorPostgres.h"

#include <QHash>
#include <QSqlDatabase>

#include <memory>

namespace ado::postgresql {

// The office's shared database: a PostgreSQL server through Qt's QPSQL driver, under a connection
// name of its own. Statements in the suite's dialect go through TraductorPostgres; EXEC calls run the
// routines kept in the database; errors are numbered by ErroresPostgres.
class ProveedorPostgres : public ProveedorQtSql {
public:
    ProveedorPostgres();
    ~ProveedorPostgres() override;

    // Connects to "Server" (host or host:port; "(local)", "." or empty mean this machine, port 5432
    // by default), the database "Database" (or "Initial Catalog"), as "UId" / "User Id" with "Pwd" /
    // "Password", with the link's encryption as the connection string's "SslMode", "SslRootCert",
    // "SslCert", "SslKey" and "SslCrl" say, or else as libpq's environment (PGSSLMODE,
    // PGSSLROOTCERT...) and files (~/.postgresql/root.crt) say (see Tls.h). On the connection: DateStyle ISO, DMY (day-first texts), and the functions the
    // translated statements call, created in the session's own temporary schema so the database
    // never holds them. A refused connection fails with Fallo and the server's message, never the
    // password; a certificate refused or not verified says so in Spanish first. Opening an open provider closes it first.
    void abre(const CadenaConexion& cadena) override;
    void cierra() override;

    // EXEC/EXECUTE runs the routine: a procedure through CALL (records affected -1), a function
    // through SELECT * FROM (its rows are the result). Anything else is translated and run; records
    // affected are the rows an INSERT/UPDATE/DELETE changed, -1 otherwise. The schema is read again
    // after CREATE, ALTER or DROP.
    int32_t ejecuta(const QString& sentencia) override;
    Resultado consulta(const QString& sentencia) override;

    // Tables and columns (EsquemaPostgres); other schema numbers fail with Fallo.
    Resultado esquema(int tipo, const QVariantList& restricciones) override;

    // Choosing another database connects to it with the same parameters.
    void fijaBaseDeDatos(const QString& nombre) override;
    // statement_timeout; 0 waits without limit.
    void fijaTiempoEspera(int segundos) override;

protected:
    [[nodiscard]] bool abierta() const override;
    // Text columns sized as declared, else by the longest text read (255 at least); numbers, dates
    // and yes/no by their storage size.
    [[nodiscard]] Columna columnaLeida(const QSqlField& campo, int masLargo) const override;
    [[noreturn]] void falla(const QSqlError& error) const override;
    // Row writes: names folded to lower case and quoted, dates as ISO text, yes/no as 1/0, originals compared
    // with IS NOT DISTINCT FROM, the first matching row reached by its physical position (ctid).
    [[nodiscard]] QString citaNombre(const QString& nombre) const override;
    [[nodiscard]] QVariant valorEscrito(const QVariant& valor, const QString& columna) const override;
    [[nodiscard]] QString condicionOriginal(const QString& citada, const QVariant& original,
                                            QVariantList& valores) const override;
    [[nodiscard]] QString idFila() const override;

private:
    void conecta();
    // Whether the server's address answers at all, after a connection could not be made.
    [[nodiscard]] Enlace enlaceSinConexion() const;
    void leeEsquema();
    // The type of the text columns a statement declares: citext in the Spanish order, as the
    // agenda's own, where the database has them; PostgreSQL's text otherwise.
    [[nodiscard]] QString tipoTexto();
    [[nodiscard]] QString traduceLlamada(const QString& sentencia);
    [[nodiscard]] Resultado lee(const QString& traducida, int32_t* registros);

    QString servidor_;
    int puerto_ = 5432;
    bool ordenIcu_ = false;
    QString usuario_;
    QString clave_;
    QString opcionesTls_;
    int tiempoEspera_ = 0;
    std::unique_ptr<TraductorPostgres> traductor_;
    QHash<QString, bool> esFuncion_; // routine name → it is a function (not a procedure)
};

} // namespace ado::postgresql
