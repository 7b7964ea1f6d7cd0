#pragma once

#include "platform/ado/Constantes.h"
#include "platform/ado/LectorFilas.h"
#include "platform/ado/Proveedor.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <memory>

class QSqlField;
class QSqlQuery;
class QSqlRecord;

namespace ado {

// What every provider over a Qt Sql driver shares: a connection under a name of its own, the
// check that it is open, statements run as they are, rows read, transactions, the provider's own
// failures, and the row writes behind Recordset.AddNew/Update. Each engine says only how it types
// its columns, how it names objects, how it writes values, how it compares a column with its
// original value and how it reaches a single row.
class ProveedorQtSql : public Proveedor {
public:
    ~ProveedorQtSql() override;

    // INSERT with bound parameters, values as valorEscrito gives them; without columns it inserts
    // the defaults.
    void insertaFila(const QString& tabla, const QStringList& columnas, const QVariantList& valores) override;
    // Sets the columns whose new value differs from the original (nulls equal nulls) in the row
    // whose columns all hold their originals (a null original matches IS NULL, any other as
    // condicionOriginal says), reached through idFila. Nothing changed does nothing; no row
    // found fails with the engine's Fallo and a Spanish message that another user may have changed it.
    void actualizaFila(const QString& tabla, const QStringList& columnas, const QVariantList& originales,
                       const QVariantList& nuevos) override;

    // Each fails with "La base de datos no está abierta." when it is not, and otherwise takes the
    // step pasoTransaccion gives.
    void iniciaTransaccion() override;
    void confirmaTransaccion() override;
    void deshaceTransaccion() override;

    // baseDeDatos_ while there is a connection, "" otherwise.
    QString baseDeDatos() const override;

protected:
    // `prefijo` starts the names of this provider's Qt connections ("agenda_sqlite" → "agenda_sqlite_1");
    // `origen` is the source its failures name.
    ProveedorQtSql(const char* prefijo, QString origen);

    enum class PasoTransaccion { Inicia, Confirma, Deshace };
    // One step of a transaction on an open connection; by default BEGIN, COMMIT or ROLLBACK through
    // ejecutaSimple.
    virtual void pasoTransaccion(PasoTransaccion paso);

    // Puts a connection of Qt's driver `controlador` in base_. When that driver is not installed,
    // keeps nothing and fails with ProveedorNoEncontrado and `siFalta`, which names its package.
    void agregaConexion(const QString& controlador, const QString& siFalta);
    // Closes and forgets the connection; harmless when there is none.
    void cierraConexion();
    // Runs `preparacion` on a connection just opened; when it fails, closes the provider (cierra) and
    // lets the failure through.
    template <typename F>
    void preparaConexion(F&& preparacion)
    {
        try {
            preparacion();
        } catch (...) {
            cierra();
            throw;
        }
    }
    // Whether statements may be sent; by default, the connection is open.
    [[nodiscard]] virtual bool abierta() const;
    // Fails with "La base de datos no está abierta." unless abierta().
    void compruebaAbierta() const;
    // Runs a statement as written, also while opening; a failure goes through fallaConsulta.
    void ejecutaSimple(const QString& sentencia);

    // Throws the driver's error, numbered as the engine numbers it.
    [[noreturn]] virtual void falla(const QSqlError& error) const = 0;
    // Throws a failure of the provider's own (FalloProveedor::Propio), numbered `numero`.
    [[noreturn]] void fallaPropia(const QString& descripcion, int32_t numero = NumeroError::Fallo,
                                  const QString& estado = QStringLiteral("HY000")) const;

    // A table or column name as the engine's statements write it.
    [[nodiscard]] virtual QString citaNombre(const QString& nombre) const = 0;
    // A value bound for column `columna`.
    [[nodiscard]] virtual QVariant valorEscrito(const QVariant& valor, const QString& columna) const = 0;
    // The test that column `citada` holds `original` (never null); appends what it binds to `valores`.
    [[nodiscard]] virtual QString condicionOriginal(const QString& citada, const QVariant& original,
                                                    QVariantList& valores) const = 0;
    // The hidden column that names one row physically ("rowid"), with which an UPDATE reaches only
    // the first row matching its conditions; by default none, and the UPDATE changes every such row.
    [[nodiscard]] virtual QString idFila() const;

    // Reads every row of `q`, a query that ran and returns rows, through lectorDe(its record,
    // `sentencia`, the statement as the caller wrote it); a failure while fetching goes through
    // fallaConsulta.
    [[nodiscard]] Resultado leeFilas(QSqlQuery& q, const QString& sentencia) const;
    // The reader of a query's rows: by default LectorFilasQtSql, each column as columnaLeida says.
    [[nodiscard]] virtual std::unique_ptr<LectorFilas> lectorDe(const QSqlRecord& registro,
                                                                const QString& sentencia) const;
    // A column of a result, given its longest text read: by default the driver's type and length (0
    // when it gives none).
    [[nodiscard]] virtual Columna columnaLeida(const QSqlField& campo, int masLargo) const;
    // Throws the error of a query that failed (every statement the base runs, rows written and read
    // included); by default falla(q.lastError()).
    virtual void fallaConsulta(const QSqlQuery& q) const;

    QSqlDatabase base_;
    QString baseDeDatos_; // the database the connection string named

private:
    QString nombreConexion_;
    QString origen_;
};

} // namespace ado
