#include "platform/ado/sqlite/LectorFilasSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/dialect/VistaSql.h"
#include "platform/ado/sqlite/ValoresSqlite.h"

#include <QSet>

#include <algorithm>
#include <optional>
#include <sqlite3.h>

namespace ado::sqlite {
namespace {

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

// The names given with AS to MAX(col) or MIN(col) of a date column (the column may carry its
// table: MAX(T.FECHA)), upper-cased.
QSet<QString> agregadosDeFecha(const EsquemaSqlite& esquema, QStringView sentencia)
{
    const dialecto::VistaSql v(sentencia);
    QSet<QString> nombres;
    for (qsizetype i = 0; i + 5 < v.size(); ++i) {
        if (!v.esAlguna(i, {QLatin1String("MAX"), QLatin1String("MIN")}) || !v.esSimbolo(i + 1, QLatin1String("(")))
            continue;
        qsizetype j = i + 2;
        while (v.esNombre(j) && v.esSimbolo(j + 1, QLatin1String(".")))
            j += 2;
        if (v.esNombre(j) && v.esSimbolo(j + 1, QLatin1String(")")) && v.es(j + 2, QLatin1String("AS"))
            && v.esNombre(j + 3) && esquema.esFecha(v.nombre(j)))
            nombres.insert(v.nombre(j + 3));
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
