#include "platform/ado/sqlite/TiposSqlite.h"

#include "platform/ado/Constantes.h"

namespace ado::sqlite {
namespace {

bool tiene(const QString& texto, const char* trozo)
{
    return texto.contains(QLatin1String(trozo), Qt::CaseInsensitive);
}

// The name before any "(" and the first number inside it (0 when there is none, -1 for MAX).
void separa(const QString& declarado, QString& base, int& longitud)
{
    const qsizetype parentesis = declarado.indexOf(u'(');
    base = declarado.left(parentesis < 0 ? declarado.size() : parentesis).simplified().toUpper();
    longitud = 0;
    if (parentesis >= 0) {
        const QString dentro = declarado.mid(parentesis + 1).section(u',', 0, 0).section(u')', 0, 0).trimmed();
        longitud = dentro.compare(QLatin1String("MAX"), Qt::CaseInsensitive) == 0 ? -1 : dentro.toInt();
    }
}

} // namespace

TipoAdo TipoDeclarado(const QString& declarado)
{
    QString base;
    int n = 0;
    separa(declarado, base, n);
    if (base.isEmpty())
        return {adEmpty, 0};
    struct Fijo {
        const char* nombre;
        int tipo;
        int tamano;
    };
    static constexpr Fijo fijos[] = {
        {"INT", adInteger, 4},
        {"INTEGER", adInteger, 4},
        {"BIGINT", adBigInt, 8},
        {"SMALLINT", adSmallInt, 2},
        {"TINYINT", adTinyInt, 1},
        {"BIT", adBoolean, 2},
        {"BOOLEAN", adBoolean, 2},
        {"REAL", adDouble, 8},
        {"FLOAT", adDouble, 8},
        {"DOUBLE", adDouble, 8},
        {"DOUBLE PRECISION", adDouble, 8},
        {"MONEY", adCurrency, 8},
        {"SMALLMONEY", adCurrency, 8},
        {"DECIMAL", adNumeric, 19},
        {"NUMERIC", adNumeric, 19},
        {"DATE", adDBTimeStamp, 16},
        {"DATETIME", adDBTimeStamp, 16},
        {"SMALLDATETIME", adDBTimeStamp, 16},
        {"DATETIME2", adDBTimeStamp, 16},
        {"TIME", adDBTimeStamp, 16},
        {"TIMESTAMP", adDBTimeStamp, 16},
        {"TEXT", adLongVarWChar, 0},
        {"NTEXT", adLongVarWChar, 0},
        {"CLOB", adLongVarWChar, 0},
        {"BLOB", adLongVarBinary, 0},
        {"IMAGE", adLongVarBinary, 0},
        {"VARBINARY", adLongVarBinary, 0},
    };
    for (const Fijo& f : fijos) {
        if (base == QLatin1String(f.nombre))
            return {f.tipo, f.tamano};
    }
    if (base == QLatin1String("CHAR") || base == QLatin1String("CHARACTER"))
        return {adChar, n > 0 ? n : 1};
    if (base == QLatin1String("NCHAR"))
        return {adWChar, n > 0 ? n : 1};
    if (tiene(base, "INT"))
        return {adInteger, 4};
    if (tiene(base, "CHAR") || tiene(base, "TEXT") || tiene(base, "CLOB"))
        return n < 0 ? TipoAdo{adLongVarWChar, 0} : TipoAdo{adVarWChar, n > 0 ? n : 255};
    if (tiene(base, "REAL") || tiene(base, "FLOA") || tiene(base, "DOUB"))
        return {adDouble, 8};
    if (tiene(base, "DATE") || tiene(base, "TIME"))
        return {adDBTimeStamp, 16};
    return {adNumeric, 19};
}

std::optional<QString> TipoSqlite(const TipoColumna& tipo)
{
    if (tipo.medidas.compare(QLatin1String("max"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return tipo.nombre + QStringLiteral("(-1)");
}

bool EsTipoFecha(const QString& declarado)
{
    return tiene(declarado, "DATE") || tiene(declarado, "TIME");
}

bool EsTipoTexto(const QString& declarado)
{
    return tiene(declarado, "CHAR") || tiene(declarado, "TEXT") || tiene(declarado, "CLOB");
}

bool EsTipoEntero(const QString& declarado)
{
    const QString base = declarado.simplified().toUpper();
    return tiene(base, "INT") || base == QLatin1String("BIT") || base == QLatin1String("BOOLEAN");
}

} // namespace ado::sqlite
