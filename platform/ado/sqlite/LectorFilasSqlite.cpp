#include "platform/ado/sqlite/LectorFilasSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/sqlite/ValoresSqlite.h"

#include <QSet>

#include <algorithm>
#include <optional>
#include <sqlite3.h>

namespace ado::sqlite {
namespace {

using dialecto::TokenizadorSql;
using dialecto::TokenSql;

TipoAdo tipoDeValores(const std::vector<QVariantList>& filas, qsizetype columna)
{
    int longitud = 0;
    bool hayTexto = false;
    for (const QVariantList& fila : filas) {
        const QVariant& v = fila.at(columna);
        if (v.isNull())
            continue;
        switch (v.typeId()) {
        case QMetaType::Int:
            return {adInteger, 4};
        case QMetaType::LongLong:
            return {adBigInt, 8};
        case QMetaType::Double:
            return {adDouble, 8};
        case QMetaType::QDateTime:
            return {adDBTimeStamp, 16};
        case QMetaType::QByteArray:
            return {adLongVarBinary, 0};
        default:
            hayTexto = true;
            longitud = std::max(longitud, static_cast<int>(v.toString().size()));
        }
    }
    if (!hayTexto)
        return {adVarWChar, 255};
    return {adVarWChar, std::max(longitud, 1)};
}

QString nombreSinComillas(QStringView texto, const TokenSql& t)
{
    const QStringView pieza = texto.mid(t.inicio, t.largo);
    if (t.tipo == TokenSql::Tipo::NombreCorchetes || t.tipo == TokenSql::Tipo::NombreComillas)
        return pieza.mid(1, pieza.size() - 2).toString().toUpper();
    return pieza.toString().toUpper();
}

// The names given with AS to MAX(col) or MIN(col) of a date column (the column may carry its
// table: MAX(T.FECHA)), upper-cased.
QSet<QString> agregadosDeFecha(const EsquemaSqlite& esquema, QStringView sentencia)
{
    using Tipo = TokenSql::Tipo;
    QList<TokenSql> t;
    for (const TokenSql& token : TokenizadorSql::divide(sentencia))
        if (token.tipo != Tipo::Espacio && token.tipo != Tipo::Comentario)
            t.append(token);
    const auto es = [&](qsizetype i, QStringView texto) {
        return i < t.size() && sentencia.mid(t[i].inicio, t[i].largo).compare(texto, Qt::CaseInsensitive) == 0;
    };
    const auto esNombre = [&](qsizetype i) {
        return i < t.size()
            && (t[i].tipo == Tipo::Palabra || t[i].tipo == Tipo::NombreCorchetes || t[i].tipo == Tipo::NombreComillas);
    };
    QSet<QString> nombres;
    for (qsizetype i = 0; i + 5 < t.size(); ++i) {
        if (!(es(i, u"MAX") || es(i, u"MIN")) || !es(i + 1, u"("))
            continue;
        qsizetype j = i + 2;
        while (esNombre(j) && es(j + 1, u"."))
            j += 2;
        if (esNombre(j) && es(j + 1, u")") && es(j + 2, u"AS") && esNombre(j + 3)
            && esquema.esFecha(nombreSinComillas(sentencia, t[j])))
            nombres.insert(nombreSinComillas(sentencia, t[j + 3]));
    }
    return nombres;
}

} // namespace

LectorFilasSqlite::LectorFilasSqlite(const EsquemaSqlite& esquema, const QStringList& nombres, QStringView sentencia)
    : esquema_(esquema), nombres_(nombres)
{
    const QSet<QString> agregadas = agregadosDeFecha(esquema, sentencia);
    std::optional<QHash<QString, dialecto::TipoExpresion>> alias;
    for (const QString& nombre : nombres) {
        bool fecha = esquema.esFecha(nombre);
        if (fecha) {
            // A computed column named after a date column is what its expression is.
            if (!alias)
                alias = dialecto::TiposDeAlias(esquema.dialecto(), sentencia);
            const auto tipo = alias->value(nombre.toUpper(), dialecto::TipoExpresion::Desconocido);
            fecha = tipo == dialecto::TipoExpresion::Desconocido || tipo == dialecto::TipoExpresion::Fecha;
        }
        fechas_.append(fecha || agregadas.contains(nombre.toUpper()));
    }
}

void LectorFilasSqlite::agrega(const QVariantList& crudos)
{
    QVariantList fila;
    fila.reserve(crudos.size());
    for (qsizetype i = 0; i < crudos.size(); ++i)
        fila.append(ValorLeido(crudos.at(i), fechas_.at(i)));
    resultado_.filas.push_back(std::move(fila));
}

int LectorFilasSqlite::agregaPasos(sqlite3_stmt* sentencia, int paso)
{
    const int columnas = sqlite3_column_count(sentencia);
    QVariantList crudos(columnas);
    for (; paso == SQLITE_ROW; paso = sqlite3_step(sentencia)) {
        for (int i = 0; i < columnas; ++i)
            crudos[i] = ValorDeColumna(sentencia, i);
        agrega(crudos);
    }
    return paso;
}

Resultado LectorFilasSqlite::termina()
{
    for (qsizetype i = 0; i < nombres_.size(); ++i) {
        const auto declarado = esquema_.tipoDe(nombres_.at(i));
        const TipoAdo tipo = declarado ? *declarado : tipoDeValores(resultado_.filas, i);
        resultado_.columnas.append({nombres_.at(i), tipo.tipo, tipo.tamano});
    }
    return std::move(resultado_);
}

} // namespace ado::sqlite
