#include "platform/ado/dialect/ReescrituraDialecto.h"

// Text ordered and grouped through the engine's case-blind marker: ORDER BY and GROUP BY items,
// MIN, MAX and COUNT(DISTINCT) arguments, the columns of SELECT DISTINCT and of compound SELECTs.

namespace ado::dialecto {

bool ReescrituraDialecto::esTextoConocido(qsizetype fin) const
{
    const QString columna = vista_.nombre(fin);
    return esquema_.columnasTexto.contains(columna) && !esquema_.columnasFecha.contains(columna);
}

// Closes the item at `ultimo`; `sentido` is its ASC or DESC, when written. With
// `nulosComoServidor`, an ORDER BY item says where NULL goes.
void ReescrituraDialecto::cierraOrdenado(qsizetype ultimo, qsizetype sentido)
{
    const Ambito& a = ambitos_.back();
    const bool nulos = rasgos_.nulosComoServidor && a.porOrden && a.inicioOrdenado >= 0 && ultimo >= a.inicioOrdenado;
    marcaOrdenado(ultimo);
    if (!nulos)
        return;
    if (sentido >= 0)
        agregaSufijo(sentido,
                     vista_.es(sentido, QLatin1String("DESC")) ? QStringLiteral(" NULLS LAST")
                                                               : QStringLiteral(" NULLS FIRST"));
    else
        agregaSufijo(ultimo, QStringLiteral(" NULLS FIRST"));
}

// The ORDER BY or GROUP BY item that started at the scope's inicioOrdenado ends at `ultimo`. A bare
// column gets the marker only when it is a text column, so that a date or number column keeps its
// index; a position (ORDER BY 2) or an expression always gets it, as it leaves numbers as they are.
void ReescrituraDialecto::marcaOrdenado(qsizetype ultimo)
{
    Ambito& a = ambitos_.back();
    const qsizetype inicio = a.inicioOrdenado;
    a.inicioOrdenado = -1;
    if (!rasgos_.ordenColumnaTexto.isEmpty() && a.porOrden && !a.limitada && !a.distinta && !a.unida && inicio >= 0
        && vista_.esNombre(inicio) && tipos_.finCadena(inicio) == ultimo && esTextoConocido(ultimo)
        && !esAlias(vista_.nombre(ultimo))) {
        agregaSufijo(ultimo, rasgos_.ordenColumnaTexto);
        return;
    }
    if (!rasgos_.ordenSinCaso || inicio < 0 || ultimo < inicio || vista_.es(ultimo - 1, QLatin1String("COLLATE"))
        || !tipos_.esFinOperando(ultimo))
        return;
    if (vista_.esNombre(inicio) && tipos_.finCadena(inicio) == ultimo) {
        if (esTextoConocido(ultimo))
            agregaSufijo(ultimo, rasgos_.textoSinCaso);
        return;
    }
    agregaSufijo(ultimo, rasgos_.textoSinCaso);
}

// MIN(x), MAX(x), COUNT(DISTINCT x) at `k`.
void ReescrituraDialecto::argumentoOrdenado(qsizetype k)
{
    const bool cuenta = vista_.es(k, QLatin1String("COUNT"));
    if (!vista_.esSimbolo(k + 1, QLatin1String("("))
        || (!cuenta && !vista_.es(k, QLatin1String("MIN")) && !vista_.es(k, QLatin1String("MAX"))))
        return;
    qsizetype inicio = k + 2;
    if (vista_.es(inicio, QLatin1String("DISTINCT")))
        ++inicio;
    else if (cuenta)
        return;
    const qsizetype cierra = vista_.pareja(k + 1);
    if (cierra <= inicio || vista_.esSimbolo(inicio, QLatin1String("*")))
        return;
    if (vista_.esNombre(inicio) && tipos_.finCadena(inicio) == cierra - 1 && !esTextoConocido(cierra - 1))
        return;
    agregaSufijo(cierra - 1, rasgos_.textoSinCaso);
}

// A SELECT at `k` whose first column starts at `primera`.
void ReescrituraDialecto::iniciaSeleccion(qsizetype k, qsizetype primera)
{
    Ambito& a = ambitos_.back();
    a.distinta = vista_.es(k + 1, QLatin1String("DISTINCT"));
    if (!rasgos_.ordenSinCaso && rasgos_.ordenColumnaTexto.isEmpty())
        return;
    a.enSeleccion = true;
    a.inicioColumna = primera;
    a.columnas.clear();
    a.alias.clear();
    a.aliasLeidos = false;
}

// The column list ends at `ultimo`: its text columns are marked when the SELECT drops duplicates;
// otherwise they are kept, in case a UNION follows.
void ReescrituraDialecto::terminaSeleccion(qsizetype ultimo)
{
    Ambito& a = ambitos_.back();
    if (!a.enSeleccion)
        return;
    a.enSeleccion = false;
    a.columnas.emplace_back(a.inicioColumna, ultimo);
    if (!rasgos_.ordenSinCaso || (!a.distinta && !a.compuesta))
        return;
    for (const auto& [inicio, fin] : a.columnas)
        columnaOrdenada(inicio, fin);
    a.columnas.clear();
}

// UNION, EXCEPT or INTERSECT at `k`: the SELECTs on both sides drop duplicates (UNION ALL does not).
void ReescrituraDialecto::compone(qsizetype k)
{
    Ambito& a = ambitos_.back();
    a.unida = true;
    if (!rasgos_.ordenSinCaso || (vista_.es(k, QLatin1String("UNION")) && vista_.es(k + 1, QLatin1String("ALL"))))
        return;
    a.compuesta = true;
    for (const auto& [inicio, fin] : a.columnas)
        columnaOrdenada(inicio, fin);
    a.columnas.clear();
}

// One column of a list: "col", "t.col", "col AS nombre" or "col nombre"; a text column gets the
// marker, and keeps its name.
void ReescrituraDialecto::columnaOrdenada(qsizetype inicio, qsizetype fin)
{
    if (inicio < 0 || fin < inicio || !vista_.esNombre(inicio))
        return;
    const qsizetype columna = tipos_.finCadena(inicio);
    const bool sinAlias = columna == fin;
    const bool alias = (columna + 2 == fin && vista_.es(columna + 1, QLatin1String("AS")) && vista_.esNombre(fin))
        || (columna + 1 == fin && vista_.esNombre(fin));
    if ((!sinAlias && !alias) || !esTextoConocido(columna))
        return;
    QString sufijo = rasgos_.textoSinCaso;
    if (sinAlias) {
        QString nombreColumna = vista_.texto(columna).toString();
        if (vista_.token(columna).tipo != TokenSql::Tipo::Palabra)
            nombreColumna = nombreColumna.mid(1, nombreColumna.size() - 2);
        sufijo += QStringLiteral(" AS \"") + nombreColumna.replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    agregaSufijo(columna, sufijo);
}

// Whether a column of the scope's SELECT list is named `columna` by an alias ("x AS columna",
// "x columna"): an ORDER BY naming it orders by that column of the result.
// The aliases are read once per SELECT.
bool ReescrituraDialecto::esAlias(const QString& columna)
{
    Ambito& a = ambitos_.back();
    if (!a.aliasLeidos) {
        a.aliasLeidos = true;
        for (const auto& [inicio, fin] : a.columnas) {
            if (fin > inicio && vista_.esNombre(fin) && !vista_.esSimbolo(fin - 1, QLatin1String("."))
                && (vista_.es(fin - 1, QLatin1String("AS")) || tipos_.esFinOperando(fin - 1)))
                a.alias.insert(vista_.nombre(fin));
        }
    }
    return a.alias.contains(columna);
}

} // namespace ado::dialecto
