#include "platform/ado/dialect/PasoOrden.h"

namespace ado::dialecto {
namespace {

// Keywords that end an ORDER BY list of the same scope.
const QLatin1String kFinOrden[] = {
    QLatin1String("LIMIT"),     QLatin1String("OFFSET"), QLatin1String("UNION"),  QLatin1String("EXCEPT"),
    QLatin1String("INTERSECT"), QLatin1String("FOR"),    QLatin1String("OPTION"), QLatin1String("HAVING"),
};

} // namespace

PasoOrden::PasoOrden(const VistaSql& vista, const SentenciasSql& sentencias, const PasoTop& top,
                     const PasoPistas& pistas, TiposSql& tipos, const EsquemaDialecto& esquema,
                     const RasgosDialecto& rasgos)
    : vista_(vista), sentencias_(sentencias), top_(top), pistas_(pistas), tipos_(tipos), esquema_(esquema),
      rasgos_(rasgos)
{
}

void PasoOrden::marca(MarcasSql& marcas)
{
    if (!rasgos_.ordenSinCaso && rasgos_.ordenColumnaTexto.isEmpty() && !rasgos_.nulosComoServidor)
        return;
    marcas_ = &marcas;
    for (const SentenciasSql::Sentencia& s : sentencias_.lista()) {
        if (s.definicion || !s.consulta)
            continue;
        ambitos_.assign(1, Ambito());
        for (qsizetype k = s.primero; k < s.fin;)
            k = paso(k);
        while (!ambitos_.empty())
            cierraAmbito(s.fin - 1);
    }
}

qsizetype PasoOrden::paso(qsizetype k)
{
    if (ambitos_.back().inicioOrden) {
        ambitos_.back().inicioOrden = false;
        ambitos_.back().inicioOrdenado = k;
    }
    const TokenSql::Tipo tipo = vista_.token(k).tipo;
    if (tipo != TokenSql::Tipo::Palabra && tipo != TokenSql::Tipo::Simbolo)
        return k + 1;
    if (const qsizetype tras = pistas_.tras(k); tras >= 0)
        return tras;
    if (tipo == TokenSql::Tipo::Palabra)
        return pasoPalabra(k);
    Ambito& a = ambitos_.back();
    if (vista_.esSimbolo(k, QLatin1String("("))) {
        ambitos_.emplace_back();
    } else if (vista_.esSimbolo(k, QLatin1String(")"))) {
        if (ambitos_.size() > 1)
            cierraAmbito(k - 1);
    } else if (vista_.esSimbolo(k, QLatin1String(","))) {
        if (a.ordenBy) {
            cierraOrdenado(k - 1);
            a.inicioOrden = true;
        }
        if (a.enSeleccion) {
            a.columnas.emplace_back(a.inicioColumna, k - 1);
            a.inicioColumna = k + 1;
        }
    }
    return k + 1;
}

// Whether the word at `k` may be one of the keywords this pass reads (2 to 9 letters, starting with
// one of theirs): most words are names, which only a call can make matter.
bool PasoOrden::puedeSerClave(qsizetype k) const
{
    const TokenSql& tk = vista_.token(k);
    if (tk.largo < 2 || tk.largo > 9)
        return false;
    const char16_t c = vista_.textoCompleto()[tk.inicio].unicode() & ~char16_t(0x20);
    return QStringView(u"SUEIOGADLFHWNB").contains(QChar(c));
}

qsizetype PasoOrden::pasoPalabra(qsizetype k)
{
    Ambito& a = ambitos_.back();
    if (!puedeSerClave(k)) {
        if (rasgos_.ordenSinCaso && vista_.esSimbolo(k + 1, QLatin1String("("))
            && !vista_.esSimbolo(k - 1, QLatin1String(".")))
            argumentoOrdenado(k);
        return k + 1;
    }
    if (vista_.es(k, QLatin1String("SELECT"))) {
        const qsizetype tras = top_.tras(k);
        a.limitada = a.limitada || tras != k + 1;
        const bool cuantificada = vista_.esAlguna(k + 1, {QLatin1String("DISTINCT"), QLatin1String("ALL")});
        iniciaSeleccion(k, tras == k + 1 && cuantificada ? k + 2 : tras);
        return tras;
    }
    if (a.enSeleccion && SentenciasSql::terminaColumnas(vista_, k))
        terminaSeleccion(k - 1);
    if (vista_.esAlguna(k, {QLatin1String("UNION"), QLatin1String("EXCEPT"), QLatin1String("INTERSECT")}))
        compone(k);
    if (vista_.esAlguna(k, {QLatin1String("ORDER"), QLatin1String("GROUP")}) && vista_.es(k + 1, QLatin1String("BY"))) {
        if (a.ordenBy)
            cierraOrdenado(k - 1);
        a.ordenBy = true;
        a.porOrden = vista_.es(k, QLatin1String("ORDER"));
        a.inicioOrden = true;
        return k + 2;
    }
    if (a.ordenBy) {
        if (vista_.esAlguna(k, {QLatin1String("ASC"), QLatin1String("DESC")}))
            cierraOrdenado(k - 1, k);
        for (const QLatin1String& fin : kFinOrden) {
            if (vista_.es(k, fin)) {
                cierraOrdenado(k - 1);
                a.ordenBy = false;
            }
        }
    }
    const bool comparacion = vista_.esAlguna(k, {QLatin1String("LIKE"), QLatin1String("IN"), QLatin1String("BETWEEN")});
    if (vista_.es(k, QLatin1String("NOT"))
        && vista_.esAlguna(k + 1, {QLatin1String("LIKE"), QLatin1String("IN"), QLatin1String("BETWEEN")}))
        return k + 2;
    if (!comparacion && rasgos_.ordenSinCaso && vista_.esSimbolo(k + 1, QLatin1String("("))
        && !vista_.esSimbolo(k - 1, QLatin1String(".")))
        argumentoOrdenado(k);
    return k + 1;
}

void PasoOrden::cierraAmbito(qsizetype ultimo)
{
    if (ambitos_.back().ordenBy)
        cierraOrdenado(ultimo);
    terminaSeleccion(ultimo);
    ambitos_.pop_back();
}

bool PasoOrden::esTextoConocido(qsizetype fin) const
{
    const QString columna = vista_.nombre(fin);
    return esquema_.columnasTexto.contains(columna) && !esquema_.columnasFecha.contains(columna);
}

// Closes the item at `ultimo`; `sentido` is its ASC or DESC, when written. With
// `nulosComoServidor`, an ORDER BY item says where NULL goes.
void PasoOrden::cierraOrdenado(qsizetype ultimo, qsizetype sentido)
{
    const Ambito& a = ambitos_.back();
    const bool nulos = rasgos_.nulosComoServidor && a.porOrden && a.inicioOrdenado >= 0 && ultimo >= a.inicioOrdenado;
    marcaOrdenado(ultimo);
    if (!nulos)
        return;
    if (sentido >= 0)
        marcas_->agregaSufijo(sentido,
                              vista_.es(sentido, QLatin1String("DESC")) ? QStringLiteral(" NULLS LAST")
                                                                        : QStringLiteral(" NULLS FIRST"));
    else
        marcas_->agregaSufijo(ultimo, QStringLiteral(" NULLS FIRST"));
}

// The ORDER BY or GROUP BY item that started at the scope's inicioOrdenado ends at `ultimo`. A bare
// column gets the marker only when it is a text column, so that a date or number column keeps its
// index; a position (ORDER BY 2) or an expression always gets it, as it leaves numbers as they are.
void PasoOrden::marcaOrdenado(qsizetype ultimo)
{
    Ambito& a = ambitos_.back();
    const qsizetype inicio = a.inicioOrdenado;
    a.inicioOrdenado = -1;
    if (!rasgos_.ordenColumnaTexto.isEmpty() && a.porOrden && !a.limitada && !a.distinta && !a.unida && inicio >= 0
        && vista_.esNombre(inicio) && tipos_.finCadena(inicio) == ultimo && esTextoConocido(ultimo)
        && !esAlias(vista_.nombre(ultimo))) {
        marcas_->agregaSufijo(ultimo, rasgos_.ordenColumnaTexto);
        return;
    }
    if (!rasgos_.ordenSinCaso || inicio < 0 || ultimo < inicio || vista_.es(ultimo - 1, QLatin1String("COLLATE"))
        || !tipos_.esFinOperando(ultimo))
        return;
    if (vista_.esNombre(inicio) && tipos_.finCadena(inicio) == ultimo) {
        if (esTextoConocido(ultimo))
            marcas_->agregaSufijo(ultimo, rasgos_.textoSinCaso);
        return;
    }
    marcas_->agregaSufijo(ultimo, rasgos_.textoSinCaso);
}

// MIN(x), MAX(x), COUNT(DISTINCT x) at `k`.
void PasoOrden::argumentoOrdenado(qsizetype k)
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
    marcas_->agregaSufijo(cierra - 1, rasgos_.textoSinCaso);
}

// A SELECT at `k` whose first column starts at `primera`.
void PasoOrden::iniciaSeleccion(qsizetype k, qsizetype primera)
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
void PasoOrden::terminaSeleccion(qsizetype ultimo)
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
void PasoOrden::compone(qsizetype k)
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
void PasoOrden::columnaOrdenada(qsizetype inicio, qsizetype fin)
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
        sufijo += QStringLiteral(" AS ") + TokenizadorSql::citaNombre(vista_.nombreEscrito(columna));
    }
    marcas_->agregaSufijo(columna, sufijo);
}

// Whether a column of the scope's SELECT list is named `columna` by an alias ("x AS columna",
// "x columna"): an ORDER BY naming it orders by that column of the result.
// The aliases are read once per SELECT.
bool PasoOrden::esAlias(const QString& columna)
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
