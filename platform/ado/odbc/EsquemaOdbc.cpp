#include "platform/ado/odbc/EsquemaOdbc.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FilasEsquema.h"
#include "platform/ado/LectorFilasQtSql.h"

#include <QSqlField>
#include <QSqlRecord>

namespace ado::odbc {
namespace {

QVariantList sinEsquema(QVariantList restricciones)
{
    if (restricciones.size() > 1)
        restricciones[1] = QVariant();
    return restricciones;
}

} // namespace

Resultado EsquemaOdbc::tablas(const QSqlDatabase& base, const QString& catalogo, const QVariantList& restricciones)
{
    FilasEsquema filas(adSchemaTables, sinEsquema(restricciones));
    for (const auto& [clase, tipo] :
         {std::pair{QSql::Tables, QStringLiteral("TABLE")}, std::pair{QSql::Views, QStringLiteral("VIEW")}}) {
        for (const QString& tabla : base.tables(clase))
            filas.agregaTabla(catalogo, QString(), tabla, tipo);
    }
    return std::move(filas).resultado();
}

Resultado EsquemaOdbc::columnas(const QSqlDatabase& base, const QString& catalogo, const QVariantList& restricciones)
{
    FilasEsquema filas(adSchemaColumns, sinEsquema(restricciones));
    for (const QString& tabla : base.tables(QSql::AllTables)) {
        if (!filas.cumple(0, catalogo) || !filas.cumple(2, tabla))
            continue; // the driver is asked for the columns of the tables wanted only
        const QSqlRecord registro = base.record(tabla);
        for (int i = 0; i < registro.count(); ++i) {
            const QSqlField campo = registro.field(i);
            const int tipo = LectorFilasQtSql::TipoDeCampo(campo);
            filas.agregaColumna(catalogo, QString(), tabla, campo.name(), i + 1, tipo,
                                tipo == adVarWChar && campo.length() > 0 ? QVariant(campo.length()) : QVariant(),
                                campo.requiredStatus() != QSqlField::Required);
        }
    }
    return std::move(filas).resultado();
}

} // namespace ado::odbc
