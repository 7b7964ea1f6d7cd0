#include "platform/ado/LectorFilasQtSql.h"

#include "platform/ado/Constantes.h"

#include <QDateTime>
#include <QSqlField>

#include <algorithm>

namespace ado {

LectorFilasQtSql::LectorFilasQtSql(QSqlRecord registro, Columnas columna)
    : registro_(std::move(registro)), columna_(std::move(columna)), largos_(registro_.count(), 0)
{
}

void LectorFilasQtSql::agrega(const QVariantList& crudos)
{
    QVariantList fila;
    fila.reserve(crudos.size());
    for (qsizetype i = 0; i < crudos.size(); ++i) {
        QVariant valor = ValorLeido(crudos.at(i));
        if (valor.typeId() == QMetaType::QString)
            largos_[i] = std::max(largos_[i], int(valor.toString().size()));
        fila.append(std::move(valor));
    }
    resultado_.filas.push_back(std::move(fila));
}

Resultado LectorFilasQtSql::termina()
{
    for (int i = 0; i < registro_.count(); ++i)
        resultado_.columnas.append(columna_(registro_.field(i), largos_.at(i)));
    return std::move(resultado_);
}

QVariant LectorFilasQtSql::ValorLeido(QVariant valor)
{
    if (valor.isNull())
        return {};
    if (valor.typeId() == QMetaType::QDate)
        return valor.toDate().startOfDay();
    return valor;
}

int LectorFilasQtSql::TipoDeCampo(const QSqlField& campo)
{
    switch (campo.metaType().id()) {
    case QMetaType::Int:
        return adInteger;
    case QMetaType::LongLong:
        return adBigInt;
    case QMetaType::Double:
        return adDouble;
    case QMetaType::Bool:
        return adBoolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return adDBTimeStamp;
    case QMetaType::QTime:
        return adDBTime;
    case QMetaType::QByteArray:
        return adLongVarBinary;
    default:
        return adVarWChar;
    }
}

} // namespace ado
