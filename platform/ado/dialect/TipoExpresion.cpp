#include "platform/ado/dialect/TipoExpresion.h"

#include <QHash>
#include <QString>

namespace ado::dialecto {

TipoExpresion TipoDeNombre(QStringView declarado)
{
    static const QHash<QString, TipoExpresion> tipos = [] {
        QHash<QString, TipoExpresion> t;
        const auto agrega = [&t](TipoExpresion tipo, std::initializer_list<const char*> nombres) {
            for (const char* n : nombres)
                t.insert(QString::fromLatin1(n), tipo);
        };
        agrega(TipoExpresion::Entero,
               {"int", "integer", "smallint", "tinyint", "bigint", "bit", "boolean", "bool", "int2", "int4", "int8"});
        agrega(TipoExpresion::Decimal, {"decimal", "numeric", "money", "smallmoney"});
        agrega(TipoExpresion::Real, {"float", "real", "double", "float4", "float8"});
        agrega(TipoExpresion::Texto,
               {"char", "varchar", "nchar", "nvarchar", "text", "ntext", "sysname", "citext", "bpchar", "character",
                "clob"});
        agrega(TipoExpresion::Fecha,
               {"date", "datetime", "smalldatetime", "datetime2", "timestamp", "timestamptz", "time"});
        return t;
    }();
    qsizetype inicio = 0;
    while (inicio < declarado.size() && declarado[inicio].isSpace())
        ++inicio;
    qsizetype fin = inicio;
    while (fin < declarado.size() && (declarado[fin].isLetterOrNumber() || declarado[fin] == u'_'))
        ++fin;
    return tipos.value(declarado.mid(inicio, fin - inicio).toString().toLower(), TipoExpresion::Desconocido);
}

} // namespace ado::dialecto
