#include "data/LiteralesSql.h"

#include "platform/ado/dialect/TokenizadorSql.h"

#include <algorithm>

LiteralesSql::LiteralesSql(const QString& texto) : texto_(texto), cubierto_(texto)
{
    using Tipo = ado::dialecto::TokenSql::Tipo;
    for (const ado::dialecto::TokenSql& token : ado::dialecto::TokenizadorSql::divide(texto_)) {
        if (token.tipo == Tipo::Cadena || token.tipo == Tipo::Comentario)
            std::fill_n(cubierto_.begin() + token.inicio, token.largo, QChar(kCubierto));
    }
}

void LiteralesSql::reemplaza(QStringView buscado, QStringView nuevo)
{
    if (buscado.isEmpty())
        return;
    qsizetype p = cubierto_.indexOf(buscado, 0, Qt::CaseInsensitive);
    if (p < 0)
        return;
    QString texto;
    QString cubierto;
    qsizetype copiado = 0;
    for (; p >= 0; p = cubierto_.indexOf(buscado, p + buscado.size(), Qt::CaseInsensitive)) {
        texto += QStringView(texto_).mid(copiado, p - copiado);
        cubierto += QStringView(cubierto_).mid(copiado, p - copiado);
        texto += nuevo;
        cubierto += nuevo;
        copiado = p + buscado.size();
    }
    texto += QStringView(texto_).mid(copiado);
    cubierto += QStringView(cubierto_).mid(copiado);
    texto_ = std::move(texto);
    cubierto_ = std::move(cubierto);
}
