#include "lookup/SentenciaConsulta.h"

#include "platform/ado/dialect/VistaSql.h"

using ado::dialecto::VistaSql;

namespace {

// A keyword of the statement's own clauses, not of a subquery or a call.
bool esPalabra(const VistaSql& v, qsizetype k, QLatin1StringView palabra)
{
    return v.profundidad(k) == 0 && v.es(k, palabra);
}

} // namespace

SentenciaConsulta::Partes SentenciaConsulta::DivideOrden(const QString& SQL)
{
    const VistaSql v(SQL);
    for (qsizetype i = 0; i + 1 < v.size(); ++i) {
        if (esPalabra(v, i, QLatin1StringView("order")) && esPalabra(v, i + 1, QLatin1StringView("by"))) {
            const qsizetype corte = v.inicio(i);
            return {SQL.left(corte), SQL.mid(corte)};
        }
    }
    return {SQL, QString()};
}

QString SentenciaConsulta::AgregaCondicion(const QString& SQL, const QString& condicion)
{
    Partes partes = DivideOrden(SQL);
    const QString& base = partes.SQLBase;
    const VistaSql v(base);
    qsizetype finWhere = -1;
    qsizetype finFiltro = base.size();
    bool conOr = false;
    for (qsizetype k = 0; k < v.size(); ++k) {
        if (finWhere < 0) {
            if (esPalabra(v, k, QLatin1StringView("where")))
                finWhere = v.fin(k);
        } else if (esPalabra(v, k, QLatin1StringView("group")) || esPalabra(v, k, QLatin1StringView("having"))) {
            finFiltro = v.inicio(k);
            break;
        } else if (esPalabra(v, k, QLatin1StringView("or"))) {
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
    const VistaSql v(campos);
    QStringList resultado;
    qsizetype inicio = 0;
    for (qsizetype k = 0; k < v.size(); ++k) {
        if (v.profundidad(k) == 0 && v.esSimbolo(k, QLatin1String(","))) {
            resultado << campos.mid(inicio, v.inicio(k) - inicio).trimmed();
            inicio = v.fin(k);
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
