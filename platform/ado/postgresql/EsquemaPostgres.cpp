#include "platform/ado/postgresql/EsquemaPostgres.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FilasEsquema.h"
#include "platform/ado/postgresql/ErroresPostgres.h"

#include <QSqlQuery>

namespace ado::postgresql {
namespace {

// The tables and columns of the schemas on the search path; "public" is shown as "dbo".
const char* const kDeclaradas = "FROM information_schema.columns c JOIN information_schema.tables t "
                                "ON t.table_schema = c.table_schema AND t.table_name = c.table_name "
                                "WHERE c.table_schema = ANY (current_schemas(false)) ";

QString esquemaVisible(const QString& esquema)
{
    return esquema == u"public" ? QStringLiteral("dbo") : esquema;
}

QSqlQuery consulta(const QSqlDatabase& base, const QString& texto)
{
    QSqlQuery q(base);
    q.setForwardOnly(true);
    if (!q.exec(texto))
        LanzaFalloPostgres(q.lastError(), base);
    return q;
}

} // namespace

int EsquemaPostgres::TipoAdo(const QString& tipo)
{
    static const QHash<QString, int> tipos{
        {QStringLiteral("int2"), adSmallInt},
        {QStringLiteral("int4"), adInteger},
        {QStringLiteral("int8"), adBigInt},
        {QStringLiteral("bool"), adBoolean},
        {QStringLiteral("float4"), adSingle},
        {QStringLiteral("float8"), adDouble},
        {QStringLiteral("numeric"), adNumeric},
        {QStringLiteral("money"), adCurrency},
        {QStringLiteral("date"), adDBTimeStamp},
        {QStringLiteral("timestamp"), adDBTimeStamp},
        {QStringLiteral("timestamptz"), adDBTimeStamp},
        {QStringLiteral("time"), adDBTime},
        {QStringLiteral("bpchar"), adWChar},
        {QStringLiteral("varchar"), adVarWChar},
        {QStringLiteral("citext"), adLongVarWChar},
        {QStringLiteral("text"), adLongVarWChar},
        {QStringLiteral("bytea"), adLongVarBinary},
    };
    return tipos.value(tipo, adVariant);
}

dialecto::EsquemaDialecto EsquemaPostgres::dialecto(const QSqlDatabase& base)
{
    dialecto::EsquemaDialecto esquema;
    QSqlQuery q
        = consulta(base,
                   QStringLiteral("SELECT c.table_name, upper(c.column_name), c.udt_name ") + QLatin1String(kDeclaradas)
                       + QLatin1String("ORDER BY c.table_schema, c.table_name, c.ordinal_position"));
    while (q.next()) {
        const QString columna = q.value(1).toString();
        const QString tipo = q.value(2).toString();
        const int ado = TipoAdo(tipo);
        if (ado == adDBTimeStamp || ado == adDBTime)
            esquema.columnasFecha.insert(columna);
        else if (ado == adWChar || ado == adVarWChar || ado == adLongVarWChar)
            esquema.columnasTexto.insert(columna);
        esquema.declara(q.value(0).toString(), columna, dialecto::TipoDeNombre(tipo));
    }
    return esquema;
}

Resultado EsquemaPostgres::tablas(const QSqlDatabase& base, const QVariantList& restricciones)
{
    FilasEsquema filas(adSchemaTables, restricciones);
    QSqlQuery q = consulta(
        base,
        QStringLiteral(
            "SELECT table_catalog, table_schema, table_name, "
            "CASE table_type WHEN 'VIEW' THEN 'VIEW' ELSE 'TABLE' END AS tipo FROM information_schema.tables "
            "WHERE table_schema = ANY (current_schemas(false)) ORDER BY tipo, table_name"));
    while (q.next()) {
        filas.agregaTabla(q.value(0).toString(), esquemaVisible(q.value(1).toString()), q.value(2).toString(),
                          q.value(3).toString());
    }
    return std::move(filas).resultado();
}

Resultado EsquemaPostgres::columnas(const QSqlDatabase& base, const QVariantList& restricciones)
{
    FilasEsquema filas(adSchemaColumns, restricciones);
    QSqlQuery q = consulta(
        base,
        QStringLiteral(
            "SELECT c.table_catalog, c.table_schema, c.table_name, c.column_name, c.ordinal_position, c.udt_name, "
            "c.character_maximum_length, c.is_nullable ")
            + QLatin1String(kDeclaradas) + QStringLiteral("ORDER BY c.table_name, c.ordinal_position"));
    while (q.next()) {
        const int tipo = TipoAdo(q.value(5).toString());
        QVariant largo = q.value(6);
        if (largo.isNull() && tipo == adLongVarWChar)
            largo = FilasEsquema::kTextoSinLimite;
        filas.agregaColumna(q.value(0).toString(), esquemaVisible(q.value(1).toString()), q.value(2).toString(),
                            q.value(3).toString(), q.value(4).toInt(), tipo,
                            largo.isNull() ? QVariant() : QVariant(largo.toInt()), q.value(7).toString() == u"YES");
    }
    return std::move(filas).resultado();
}

} // namespace ado::postgresql
