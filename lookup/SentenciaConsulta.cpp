#include "lookup/SentenciaConsulta.h"

#include "platform/ado/dialect/TokenizadorSql.h"
#include "runtime/FuncionesVB.h"

#include <QList>

using ado::dialecto::TokenizadorSql;
using ado::dialecto::TokenSql;

namespace {

// The statement's tokens with their parenthesis depth (0 for the statement's own clauses).
struct Pieza {
    TokenSql token;
    int profundidad;
};

QList<Pieza> piezas(const QString& SQL)
{
    QList<Pieza> resultado;
    int profundidad = 0;
    for (const TokenSql& token : TokenizadorSql::divide(SQL)) {
        if (token.tipo == TokenSql::Tipo::Espacio || token.tipo == TokenSql::Tipo::Comentario)
            continue;
        const QStringView texto = QStringView(SQL).mid(token.inicio, token.largo);
        if (token.tipo == TokenSql::Tipo::Simbolo && texto == u")")
            --profundidad;
        resultado.append({token, profundidad});
        if (token.tipo == TokenSql::Tipo::Simbolo && texto == u"(")
            ++profundidad;
    }
    return resultado;
}

bool esPalabra(const QString& SQL, const Pieza& pieza, QLatin1StringView palabra)
{
    return pieza.profundidad == 0 && pieza.token.tipo == TokenSql::Tipo::Palabra
        && FuncionesVB::IgualSinCaso(QStringView(SQL).mid(pieza.token.inicio, pieza.token.largo), palabra);
}

} // namespace

SentenciaConsulta::Partes SentenciaConsulta::DivideOrden(const QString& SQL)
{
    const QList<Pieza> lista = piezas(SQL);
    for (qsizetype i = 0; i + 1 < lista.size(); ++i) {
        if (esPalabra(SQL, lista[i], QLatin1StringView("order"))
            && esPalabra(SQL, lista[i + 1], QLatin1StringView("by"))) {
            const qsizetype corte = lista[i].token.inicio;
            return {SQL.left(corte), SQL.mid(corte)};
        }
    }
    return {SQL, QString()};
}

QString SentenciaConsulta::AgregaCondicion(const QString& SQL, const QString& condicion)
{
    Partes partes = DivideOrden(SQL);
    const QString& base = partes.SQLBase;
    const QList<Pieza> lista = piezas(base);
    qsizetype finWhere = -1;
    qsizetype finFiltro = base.size();
    bool conOr = false;
    for (const Pieza& pieza : lista) {
        if (finWhere < 0) {
            if (esPalabra(base, pieza, QLatin1StringView("where")))
                finWhere = pieza.token.inicio + pieza.token.largo;
        } else if (esPalabra(base, pieza, QLatin1StringView("group"))
                   || esPalabra(base, pieza, QLatin1StringView("having"))) {
            finFiltro = pieza.token.inicio;
            break;
        } else if (esPalabra(base, pieza, QLatin1StringView("or"))) {
            conOr = true;
        }
    }
    if (finWhere < 0)
        return base + QStringLiteral(" where ") + condicion + partes.OrdenSQL;
    if (!conOr)
        return base + QStringLiteral(" and ") + condicion + partes.OrdenSQL;
    // AND binds tighter than OR: without parentheses the new condition would narrow only the
    // filter's last alternative.
    const QString filtro = base.mid(finWhere, finFiltro - finWhere);
    qsizetype fin = filtro.size();
    while (fin > 0 && filtro.at(fin - 1).isSpace())
        --fin;
    qsizetype inicio = 0;
    while (inicio < fin && filtro.at(inicio).isSpace())
        ++inicio;
    const QString envuelta = base.left(finWhere) + filtro.left(inicio) + u'(' + filtro.mid(inicio, fin - inicio) + u')'
        + filtro.mid(fin) + base.mid(finFiltro);
    return envuelta + QStringLiteral(" and ") + condicion + partes.OrdenSQL;
}

QStringList SentenciaConsulta::DivideCampos(const QString& campos)
{
    QStringList resultado;
    qsizetype inicio = 0;
    for (const Pieza& pieza : piezas(campos)) {
        if (pieza.profundidad == 0 && pieza.token.tipo == TokenSql::Tipo::Simbolo
            && campos.at(pieza.token.inicio) == u',') {
            resultado << campos.mid(inicio, pieza.token.inicio - inicio).trimmed();
            inicio = pieza.token.inicio + 1;
        }
    }
    const QString ultimo = campos.mid(inicio).trimmed();
    if (!ultimo.isEmpty() || !resultado.isEmpty())
        resultado << ultimo;
    return resultado;
}

QString SentenciaConsulta::CuerpoLiteral(const QString& texto)
{
    QString resultado = texto;
    resultado.replace(u'\'', QStringLiteral("''"));
    return resultado;
}
