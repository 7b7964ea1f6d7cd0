#include "platform/ado/sqlite/EsquemaSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FilasEsquema.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/sqlite/ErroresSqlite.h"

#include <QSqlQuery>

namespace ado::sqlite {
namespace {

const QString kProcedimientos = QStringLiteral("KQ_PROCEDIMIENTOS");

} // namespace

EsquemaSqlite EsquemaSqlite::lee(const QSqlDatabase& base)
{
    EsquemaSqlite esquema;
    QSqlQuery nombres(base);
    nombres.setForwardOnly(true);
    if (!nombres.exec(QStringLiteral("SELECT name, type FROM sqlite_master WHERE type IN ('table', 'view') "
                                     "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name COLLATE NOCASE")))
        LanzaFallo(nombres.lastError());
    while (nombres.next())
        esquema.tablas_.append({nombres.value(0).toString(), nombres.value(1).toString() == u"view", {}});
    nombres.finish();

    QSqlQuery info(base);
    info.setForwardOnly(true);
    for (Tabla& tabla : esquema.tablas_) {
        if (!info.exec(
                QStringLiteral("PRAGMA table_info(%1)").arg(dialecto::TokenizadorSql::citaNombre(tabla.nombre)))) {
            if (tabla.esVista)
                continue;
            LanzaFallo(info.lastError());
        }
        while (info.next()) {
            const ColumnaDeclarada columna{info.value(1).toString(), info.value(2).toString(),
                                           info.value(3).toInt() == 0};
            tabla.columnas.append(columna);
            const QString clave = columna.nombre.toUpper();
            esquema.dialecto_.declara(tabla.nombre, columna.nombre, dialecto::TipoDeNombre(columna.declarado));
            if (EsTipoFecha(columna.declarado))
                esquema.dialecto_.columnasFecha.insert(clave);
            else if (EsTipoTexto(columna.declarado))
                esquema.dialecto_.columnasTexto.insert(clave);
            const TipoAdo tipo = TipoDeclarado(columna.declarado);
            if (tipo.tipo != adEmpty && !esquema.tipos_.contains(clave))
                esquema.tipos_.insert(clave, tipo);
        }
        info.finish();
    }
    return esquema;
}

bool EsquemaSqlite::esFecha(const QString& columna) const
{
    return dialecto_.columnasFecha.contains(columna.toUpper());
}

std::optional<TipoAdo> EsquemaSqlite::tipoDe(const QString& columna) const
{
    const auto it = tipos_.constFind(columna.toUpper());
    if (it == tipos_.constEnd())
        return std::nullopt;
    return *it;
}

Resultado EsquemaSqlite::tablas(const QVariantList& restricciones, const QString& catalogo) const
{
    FilasEsquema filas(adSchemaTables, restricciones);
    for (bool vistas : {false, true}) {
        for (const Tabla& t : tablas_) {
            if (t.esVista == vistas && t.nombre.compare(kProcedimientos, Qt::CaseInsensitive) != 0)
                filas.agregaTabla(catalogo, QStringLiteral("dbo"), t.nombre,
                                  vistas ? QStringLiteral("VIEW") : QStringLiteral("TABLE"));
        }
    }
    return std::move(filas).resultado();
}

Resultado EsquemaSqlite::columnas(const QVariantList& restricciones, const QString& catalogo) const
{
    FilasEsquema filas(adSchemaColumns, restricciones);
    for (const Tabla& t : tablas_) {
        if (t.nombre.compare(kProcedimientos, Qt::CaseInsensitive) == 0)
            continue;
        for (qsizetype i = 0; i < t.columnas.size(); ++i) {
            const ColumnaDeclarada& c = t.columnas.at(i);
            const TipoAdo tipo = TipoDeclarado(c.declarado);
            QVariant longitud;
            if (tipo.tipo == adChar || tipo.tipo == adWChar || tipo.tipo == adVarWChar)
                longitud = tipo.tamano;
            else if (tipo.tipo == adLongVarWChar)
                longitud = FilasEsquema::kTextoSinLimite;
            filas.agregaColumna(catalogo, QStringLiteral("dbo"), t.nombre, c.nombre, static_cast<int>(i + 1),
                                tipo.tipo == adEmpty ? int(adVariant) : tipo.tipo, longitud, c.admiteNulos);
        }
    }
    return std::move(filas).resultado();
}

} // namespace ado::sqlite
