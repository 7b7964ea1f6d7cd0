#pragma once

#include "platform/ado/ProveedorQtSql.h"
#include "platform/ado/sqlite/CacheSentenciasSqlite.h"
#include "platform/ado/sqlite/ClavesSqlite.h"
#include "platform/ado/sqlite/EsquemaSqlite.h"
#include "platform/ado/sqlite/TraductorSqlite.h"

#include <QSqlDatabase>

#include <memory>
#include <optional>

namespace ado::dialecto {
struct ClaseSentencia;
}

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// The embedded database: one SQLite file through Qt's QSQLITE driver, under a connection name of
// its own. Statements in the suite's dialect go through TraductorSqlite; EXEC calls run the
// procedures kept in the file (ProcedimientosSqlite); errors are numbered by ErroresSqlite.
class ProveedorSqlite : public ProveedorQtSql {
public:
    ProveedorSqlite();
    ~ProveedorSqlite() override;

    // Opens the file named by "Database" (or "Data Source", "Initial Catalog"). A file that does
    // not exist fails (Fallo, with a Spanish message naming it) unless the string carries
    // "Crear=SI", which creates it. Registers the dialect's functions on the connection, turns on
    // foreign keys and SQLite's extended result codes, and reads the schema. Opening an open
    // provider closes it first.
    void abre(const CadenaConexion& cadena) override;
    void cierra() override;

    // A statement starting with EXEC/EXECUTE runs a stored procedure; any other is translated and
    // run. Records affected: the rows an INSERT/UPDATE/DELETE/REPLACE/WITH statement changed (for
    // a procedure, the sum over its body), -1 for anything else. The schema is read again after
    // a statement that starts with CREATE, ALTER or DROP.
    // An INSERT, UPDATE or DELETE that ParametrizadorSqlite accepts runs as a cached prepared
    // statement with its literals bound, which saves compiling the same shape again; one whose
    // parameterised form does not prepare runs as written, so errors read as they always do.
    // The cache is emptied when the provider closes and whenever the schema is read.
    int32_t ejecuta(const QString& sentencia) override;
    // As ejecuta, fetching every row (ValoresSqlite, LectorFilasSqlite). A statement that returns
    // no rows gives a rowset without columns; a procedure gives the rows of its last query.
    // A query that changes nothing runs as a cached prepared statement of its exact translated
    // text, so that asking the same again (a day loaded again, a configuration key read on every
    // load) skips compiling it; it reads the values as Qt's driver does and fails as it does.
    Resultado consulta(const QString& sentencia) override;

    // The catalog restriction matches the database's name as given in the connection string, its
    // absolute path or the file's name without extension (case ignored); anything else gives no
    // rows. Other schema numbers fail with Fallo.
    Resultado esquema(int tipo, const QVariantList& restricciones) override;

    // Another database cannot be chosen on an embedded file: any name but the file's (as esquema's
    // catalog restriction matches it) fails with Fallo.
    void fijaBaseDeDatos(const QString& nombre) override;
    // SQLite's busy timeout; 0 waits without limit, as CommandTimeout 0 does.
    void fijaTiempoEspera(int segundos) override;

protected:
    [[nodiscard]] bool abierta() const override;
    // Rows read by LectorFilasSqlite: types as the schema declares them, `sentencia` as the suite wrote it.
    [[nodiscard]] std::unique_ptr<LectorFilas> lectorDe(const QSqlRecord& registro,
                                                        const QString& sentencia) const override;
    [[noreturn]] void falla(const QSqlError& error) const override;
    // BEGIN, COMMIT and ROLLBACK; SQLite does not nest them, so a second BEGIN fails. A COMMIT the
    // file refuses is reported as revisaEscritura says.
    void pasoTransaccion(PasoTransaccion paso) override;
    // Row writes: names in double quotes, values as ValorEscrito gives them, originals compared
    // with IS (date values as SQLite date-times), the first matching row reached by its rowid.
    [[nodiscard]] QString citaNombre(const QString& nombre) const override;
    [[nodiscard]] QVariant valorEscrito(const QVariant& valor, const QString& columna) const override;
    [[nodiscard]] QString condicionOriginal(const QString& citada, const QVariant& original,
                                            QVariantList& valores) const override;
    [[nodiscard]] QString idFila() const override;

private:
    void leeEsquema();
    // The statement as the connection runs it: the dialect's rewrite, and the column types a
    // CREATE or ALTER declares as SQLite takes them (TipoSqlite).
    [[nodiscard]] QString traduce(const QString& sentencia, const dialecto::ClaseSentencia& clase) const;
    [[nodiscard]] std::optional<int32_t> ejecutaEnCache(const QString& traducida);
    // `original`: the statement as the suite wrote it, which names the columns' types.
    [[nodiscard]] std::optional<Resultado> consultaEnCache(const QString& traducida, const QString& original);
    // Resets the failed statement, drops it from the cache and throws its error.
    [[noreturn]] void fallaPaso(sqlite3_stmt* sentencia, int rc, const QString& texto);
    [[nodiscard]] bool esCatalogo(const QString& nombre) const;
    // Runs `accion`; a disk error, or a journal that cannot be created beside the file, that the
    // system gave because the file or its folder may not be written (immutable, a read-only mount,
    // permissions) is reported as the unwritable file it is.
    template <typename F>
    auto revisaEscritura(F&& accion) -> decltype(accion());
    int32_t ejecutaSentencia(const QString& sentencia);
    Resultado consultaSentencia(const QString& sentencia);

    sqlite3* manejador_ = nullptr;
    EsquemaSqlite esquema_;
    std::unique_ptr<TraductorSqlite> traductor_;
    ClavesSqlite claves_;
    // Enough for a day of 15-minute slots all booked, with the day's other queries.
    CacheSentenciasSqlite cache_{128};
};

} // namespace ado::sqlite
