#include "platform/ado/FilasEsquema.h"

#include "platform/ado/Constantes.h"

namespace ado {
namespace {

Columna texto(const char* nombre)
{
    return {QString::fromLatin1(nombre), adVarWChar, 128};
}

} // namespace

FilasEsquema::FilasEsquema(int tipo, QVariantList restricciones) : restricciones_(std::move(restricciones))
{
    if (tipo == adSchemaTables) {
        resultado_.columnas = {texto("TABLE_CATALOG"), texto("TABLE_SCHEMA"), texto("TABLE_NAME"), texto("TABLE_TYPE")};
        return;
    }
    resultado_.columnas = {texto("TABLE_CATALOG"),
                           texto("TABLE_SCHEMA"),
                           texto("TABLE_NAME"),
                           texto("COLUMN_NAME"),
                           {QStringLiteral("ORDINAL_POSITION"), adInteger, 4},
                           {QStringLiteral("DATA_TYPE"), adSmallInt, 2},
                           {QStringLiteral("CHARACTER_MAXIMUM_LENGTH"), adInteger, 4},
                           {QStringLiteral("IS_NULLABLE"), adBoolean, 2}};
}

bool FilasEsquema::cumple(int i, const QString& valor) const
{
    if (i >= restricciones_.size() || restricciones_.at(i).isNull())
        return true;
    const QString r = restricciones_.at(i).toString().trimmed();
    return r.isEmpty() || r.compare(valor, Qt::CaseInsensitive) == 0;
}

void FilasEsquema::agregaTabla(const QString& catalogo, const QString& esquema, const QString& tabla,
                               const QString& tipo)
{
    agregaSiCumple({catalogo, esquema, tabla, tipo});
}

void FilasEsquema::agregaColumna(const QString& catalogo, const QString& esquema, const QString& tabla,
                                 const QString& columna, int posicion, int tipo, const QVariant& largo,
                                 bool admiteNulos)
{
    agregaSiCumple({catalogo, esquema, tabla, columna, posicion, tipo, largo, admiteNulos});
}

void FilasEsquema::agregaSiCumple(QVariantList fila)
{
    for (int i = 0; i < 4; ++i) {
        if (!cumple(i, fila.at(i).toString()))
            return;
    }
    resultado_.filas.push_back(std::move(fila));
}

Resultado FilasEsquema::resultado() &&
{
    return std::move(resultado_);
}

} // namespace ado
