#include "platform/ado/sqlite/LectorFilasSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/sqlite/ValoresSqlite.h"

#include <algorithm>

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
        case QMetaType::Int: return {adInteger, 4};
        case QMetaType::LongLong: return {adBigInt, 8};
        case QMetaType::Double: return {adDouble, 8};
        case QMetaType::QDateTime: return {adDBTimeStamp, 16};
        case QMetaType::QByteArray: return {adLongVarBinary, 0};
        default:
            hayTexto = true;
            longitud = std::max(longitud, static_cast<int>(v.toString().size()));
        }
    }
    if (!hayTexto)
        return {adVarWChar, 255};
    return {adVarWChar, std::max(longitud, 1)};
}

} // namespace

LectorFilasSqlite::LectorFilasSqlite(const EsquemaSqlite& esquema, const QStringList& nombres)
    : esquema_(esquema), nombres_(nombres)
{
    for (const QString& nombre : nombres)
        fechas_.append(esquema.esFecha(nombre));
}

void LectorFilasSqlite::agrega(const QVariantList& crudos)
{
    QVariantList fila;
    fila.reserve(crudos.size());
    for (qsizetype i = 0; i < crudos.size(); ++i)
        fila.append(ValorLeido(crudos.at(i), fechas_.at(i)));
    resultado_.filas.push_back(std::move(fila));
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
