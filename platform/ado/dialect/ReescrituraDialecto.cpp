#include "platform/ado/dialect/ReescrituraDialecto.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/dialect/PasoFunciones.h"
#include "platform/ado/dialect/PasoOrden.h"
#include "platform/ado/dialect/PasoPropietarios.h"

namespace ado::dialecto {

using Tipo = TokenSql::Tipo;

ReescrituraDialecto::ReescrituraDialecto(const EsquemaDialecto& esquema, const RasgosDialecto& rasgos,
                                         QStringView texto)
    : esquema_(esquema), rasgos_(rasgos), vista_(texto), sentencias_(vista_), marcas_(vista_), pistas_(vista_, marcas_),
      top_(vista_, sentencias_), tipos_(vista_, esquema_)
{
}

QString ReescrituraDialecto::resultado()
{
    PasoPropietarios(vista_, marcas_).aplica();
    recorre();
    PasoOrden(vista_, sentencias_, top_, pistas_, tipos_, esquema_, rasgos_).marca(marcas_);
    top_.marca(marcas_);
    PasoFunciones(vista_, sentencias_, rasgos_).marca(marcas_);
    for (const Rechazo& r : rechazos_)
        aplicaRechazo(r);
    return marcas_.escribe(rasgos_.nombresEnMinusculas);
}

QHash<QString, TipoExpresion> ReescrituraDialecto::tiposDeAlias()
{
    QHash<QString, TipoExpresion> tipos;
    if (!vista_.es(0, QLatin1String("SELECT")))
        return tipos;
    qsizetype m = vista_.es(1, QLatin1String("DISTINCT")) || vista_.es(1, QLatin1String("ALL")) ? 2 : 1;
    if (vista_.es(m, QLatin1String("TOP")))
        m = vista_.esSimbolo(m + 1, QLatin1String("(")) ? std::max(vista_.pareja(m + 1), m + 1) + 1 : m + 2;
    for (const auto& [inicio, hasta] : tipos_.elementos(m, finSeleccion(m) - 1)) {
        const qsizetype alias = hasta;
        const bool conAs = vista_.es(alias - 1, QLatin1String("AS"));
        const qsizetype finExpresion = conAs ? alias - 2 : alias - 1;
        if (alias > inicio && finExpresion >= inicio && vista_.esNombre(alias)
            && !vista_.esSimbolo(alias - 1, QLatin1String(".")) && (conAs || tipos_.esFinOperando(finExpresion)))
            tipos.insert(vista_.nombre(alias), tipos_.tipoTramo(inicio, finExpresion, 0));
    }
    return tipos;
}

// Definitions get only the owners, names and N'' rewritten, which the other passes and the writer do.
void ReescrituraDialecto::recorre()
{
    for (const SentenciasSql::Sentencia& sentencia : sentencias_.lista()) {
        if (sentencia.definicion)
            continue;
        ambitos_.clear();
        ambitos_.emplace_back();
        iniciaSentencia(sentencia.primero);
        for (qsizetype k = sentencia.primero; k < sentencia.fin;)
            k = paso(k);
        cierraSentencia(sentencia.primero, sentencia.fin - 1);
    }
}

void ReescrituraDialecto::iniciaSentencia(qsizetype k)
{
    esperaColumnas_ = false;
    enValores_ = false;
    columnasInsercion_.clear();
    if (vista_.es(k, QLatin1String("SELECT")) || vista_.es(k, QLatin1String("WITH")))
        sentencia_ = Sentencia::Consulta;
    else if (vista_.es(k, QLatin1String("UPDATE")))
        sentencia_ = Sentencia::Actualizacion;
    else if (vista_.es(k, QLatin1String("INSERT")))
        sentencia_ = Sentencia::Insercion;
    else
        sentencia_ = Sentencia::Otra;
    esperaColumnas_ = sentencia_ == Sentencia::Insercion;
    tablaInsercion_.clear();
    if (sentencia_ == Sentencia::Insercion) {
        const qsizetype tabla = vista_.es(k + 1, QLatin1String("INTO")) ? k + 2 : k + 1;
        if (vista_.esNombre(tabla))
            tablaInsercion_ = vista_.nombre(tipos_.finCadena(tabla));
    }
}

qsizetype ReescrituraDialecto::paso(qsizetype k)
{
    if (ambitos_.back().lista != Lista::Ninguna)
        pasoLista(k);
    const TokenSql& tk = vista_.token(k);
    switch (tk.tipo) {
    case Tipo::Palabra:
        return pasoPalabra(k);
    case Tipo::Simbolo:
        break;
    default:
        return k + 1;
    }
    const QStringView s = vista_.texto(k);
    const char16_t c = s.size() == 1 ? s[0].unicode() : u'\0';
    Ambito& a = ambitos_.back();
    if (c == u'(') {
        if (const qsizetype tras = pistas_.quita(k); tras >= 0)
            return tras;
        abreParentesis(k);
    } else if (c == u')') {
        if (ambitos_.size() > 1)
            cierraAmbito();
    } else if (c == u',') {
        if (a.clausulaSet)
            a.esperaAsignacion = true;
    } else if (c == u'+' && !rasgos_.suma.isEmpty() && tipos_.esFinOperando(k - 1)) {
        suma(k);
    } else if (c == u'+' && !rasgos_.suma.isEmpty()) {
        signoMas(k);
    } else if ((c == u'-' || c == u'*' || c == u'/' || c == u'%') && !rasgos_.suma.isEmpty()) {
        aritmetica(k);
    } else if (c == u'=' && a.clausulaSet && a.esperaAsignacion && ambitos_.size() == 1) {
        asignacion(k);
    } else if (c == u'=' || c == u'<' || c == u'>'
               || (s.size() == 2 && (s == u"<>" || s == u"!=" || s == u"<=" || s == u">="))) {
        comparacion(k - 1, k);
    }
    return k + 1;
}

qsizetype ReescrituraDialecto::pasoPalabra(qsizetype k)
{
    Ambito& a = ambitos_.back();
    const bool alto = ambitos_.size() == 1;
    if (vista_.es(k, QLatin1String("SELECT"))) {
        const qsizetype tras = top_.tras(k);
        const bool cuantificada = vista_.es(k + 1, QLatin1String("DISTINCT")) || vista_.es(k + 1, QLatin1String("ALL"));
        const qsizetype primera = tras == k + 1 && cuantificada ? k + 2 : tras;
        if (alto && sentencia_ == Sentencia::Insercion) {
            esperaColumnas_ = false;
            seleccionInsertada(primera);
        }
        return tras;
    }
    if (vista_.es(k, QLatin1String("WITH"))) {
        if (const qsizetype tras = pistas_.quita(k); tras >= 0)
            return tras;
    }
    if (vista_.es(k, QLatin1String("NOT"))
        && (vista_.es(k + 1, QLatin1String("LIKE")) || vista_.es(k + 1, QLatin1String("IN"))
            || vista_.es(k + 1, QLatin1String("BETWEEN")))) {
        comparacion(k - 1, k + 1);
        return k + 2;
    }
    if (vista_.es(k, QLatin1String("LIKE")) || vista_.es(k, QLatin1String("IN"))
        || vista_.es(k, QLatin1String("BETWEEN"))) {
        comparacion(k - 1, k);
        return k + 1;
    }
    if (alto && sentencia_ == Sentencia::Actualizacion) {
        if (vista_.es(k, QLatin1String("SET"))) {
            a.clausulaSet = true;
            a.esperaAsignacion = true;
        } else if (vista_.es(k, QLatin1String("WHERE")) || vista_.es(k, QLatin1String("FROM"))) {
            a.clausulaSet = false;
        }
    }
    if (alto && sentencia_ == Sentencia::Insercion && vista_.es(k, QLatin1String("VALUES"))) {
        enValores_ = true;
        esperaColumnas_ = false;
        if (columnasInsercion_.isEmpty())
            columnasInsercion_ = esquema_.columnasTabla.value(tablaInsercion_);
    }
    if (vista_.es(k, QLatin1String("CASE")))
        resultadosTipados(k);
    if (!rasgos_.nuloEntero.isEmpty() && vista_.es(k, QLatin1String("NULL")) && esNuloAritmetico(k))
        nuloTipado(k);
    if (vista_.esSimbolo(k + 1, QLatin1String("(")) && !vista_.esSimbolo(k - 1, QLatin1String("."))) {
        if (!rasgos_.conversiones.isEmpty()
            && (vista_.es(k, QLatin1String("CAST")) || vista_.es(k, QLatin1String("CONVERT"))))
            conversion(k);
        if (!rasgos_.enteroTruncado.first.isEmpty() && vista_.es(k, QLatin1String("AVG")))
            promedio(k);
        if (vista_.es(k, QLatin1String("ISNULL")) || vista_.es(k, QLatin1String("NULLIF"))
            || vista_.es(k, QLatin1String("COALESCE")))
            argumentosTipados(k);
    }
    return k + 1;
}

void ReescrituraDialecto::pasoLista(qsizetype k)
{
    Ambito& a = ambitos_.back();
    if (vista_.esSimbolo(k, QLatin1String(","))) {
        ++a.posicion;
        a.inicioElemento = true;
        return;
    }
    if (!a.inicioElemento || vista_.esSimbolo(k, QLatin1String(")")))
        return;
    a.inicioElemento = false;
    if (a.lista == Lista::Columnas) {
        columnasInsercion_.append(vista_.esNombre(k) ? vista_.nombre(tipos_.finCadena(k)) : QString());
        return;
    }
    const bool elementoSolo
        = vista_.esSimbolo(k + 1, QLatin1String(",")) || vista_.esSimbolo(k + 1, QLatin1String(")"));
    if (elementoSolo && a.posicion < columnasInsercion_.size())
        valorDeColumna(k, columnasInsercion_[a.posicion]);
}

void ReescrituraDialecto::abreParentesis(qsizetype)
{
    Ambito nuevo;
    if (ambitos_.size() == 1 && sentencia_ == Sentencia::Insercion) {
        if (enValores_) {
            nuevo.lista = Lista::Valores;
            nuevo.inicioElemento = true;
        } else if (esperaColumnas_) {
            nuevo.lista = Lista::Columnas;
            nuevo.inicioElemento = true;
            columnasInsercion_.clear();
        }
    }
    ambitos_.push_back(std::move(nuevo));
}

void ReescrituraDialecto::cierraAmbito()
{
    const Ambito& a = ambitos_.back();
    if (a.lista == Lista::Columnas)
        esperaColumnas_ = false;
    ambitos_.pop_back();
}

void ReescrituraDialecto::cierraSentencia(qsizetype primero, qsizetype ultimo)
{
    while (!ambitos_.empty())
        cierraAmbito();
    if (!rechazo_.isEmpty())
        rechazos_.push_back({primero, ultimo, std::exchange(rechazo_, QString())});
}

void ReescrituraDialecto::comparacion(qsizetype izquierda, qsizetype operador)
{
    const qsizetype derecha = operador + 1;
    Clase clase = claseIzquierda(izquierda);
    const bool derechaFecha = esFechaSuelta(derecha);
    // An expression typed as a number or a date compares as one, not as text; a string literal
    // on the other side is converted to it, as the server does.
    const TipoExpresion tipo = izquierda >= 0 && tipos_.esFinOperando(izquierda)
        ? tipos_.tipoIzquierdo(izquierda, false)
        : TipoExpresion::Desconocido;
    if (clase == Clase::Texto && (EsNumerico(tipo) || tipo == TipoExpresion::Fecha))
        clase = tipo == TipoExpresion::Fecha ? Clase::Fecha : Clase::Otra;
    if (EsNumerico(tipo) || tipo == TipoExpresion::Texto)
        clase = comparaTipos(izquierda, operador, tipo, clase);
    if (EsNumerico(tipo))
        comparaConNumero(operador, tipo);
    else if (tipo == TipoExpresion::Texto && esCadenaSuelta(izquierda) && !tipos_.esAritmetico(izquierda - 1)
             && tipos_.esFinOperando(derecha) && !vista_.es(operador, QLatin1String("LIKE"))) {
        qsizetype fin = derecha;
        const TipoExpresion tipoDerecha = tipos_.tipoPrimario(derecha, fin, 0);
        if (EsNumerico(tipoDerecha) && !tipos_.esAritmetico(fin + 1)
            && !vista_.esSimbolo(fin + 1, QLatin1String("."))) {
            literalComo(izquierda, tipoDerecha);
            clase = Clase::Otra;
        }
    }
    if (clase == Clase::Texto && !derechaFecha
        && (!rasgos_.sinCasoSoloFrenteATexto || vista_.es(operador, QLatin1String("LIKE")) || derechaTexto(derecha))) {
        if (!vista_.es(operador, QLatin1String("LIKE")))
            sinBlancosFinales(izquierda, operador);
        agregaSufijo(izquierda, rasgos_.textoSinCaso);
    }
    if (vista_.es(operador, QLatin1String("LIKE"))) {
        patronLike(operador);
        return;
    }
    if (vista_.es(operador, QLatin1String("BETWEEN"))) {
        if (clase != Clase::Fecha)
            return;
        if (esCadenaSuelta(derecha))
            reescribeFecha(derecha);
        if (vista_.es(derecha + 1, QLatin1String("AND")) && esCadenaSuelta(derecha + 2))
            reescribeFecha(derecha + 2);
        return;
    }
    if (vista_.es(operador, QLatin1String("IN"))) {
        if (clase != Clase::Fecha || !vista_.esSimbolo(derecha, QLatin1String("(")))
            return;
        for (qsizetype m = derecha + 1; m + 1 < vista_.size(); m += 2) {
            const bool ultimo = vista_.esSimbolo(m + 1, QLatin1String(")"));
            if (vista_.token(m).tipo != Tipo::Cadena || (!ultimo && !vista_.esSimbolo(m + 1, QLatin1String(","))))
                return;
            reescribeFecha(m);
            if (ultimo)
                return;
        }
        return;
    }
    if (clase == Clase::Fecha) {
        if (esCadenaSuelta(derecha))
            reescribeFecha(derecha);
    } else if (derechaFecha && izquierda >= 0 && vista_.token(izquierda).tipo == Tipo::Cadena
               && !tipos_.esAritmetico(izquierda - 1)) {
        reescribeFecha(izquierda);
    }
}

// A comparison of text with a number, either side, written with its literals aside: the text is
// converted to the number's type, as the server does. Returns the class of the left operand then.
ReescrituraDialecto::Clase ReescrituraDialecto::comparaTipos(qsizetype izquierda, qsizetype operador,
                                                             TipoExpresion tipo, Clase clase)
{
    const qsizetype derecha = operador + 1;
    if (!vista_.esSimbolo(operador, QLatin1String("=")) && !vista_.esSimbolo(operador, QLatin1String("<"))
        && !vista_.esSimbolo(operador, QLatin1String(">")) && !vista_.esSimbolo(operador, QLatin1String("<>"))
        && !vista_.esSimbolo(operador, QLatin1String("!=")) && !vista_.esSimbolo(operador, QLatin1String("<="))
        && !vista_.esSimbolo(operador, QLatin1String(">=")))
        return clase;
    // A comparison that ends the text has no right operand to look at.
    if (izquierda < 0 || derecha >= vista_.size())
        return clase;
    if (vista_.token(izquierda).tipo == Tipo::Cadena || vista_.token(derecha).tipo == Tipo::Cadena)
        return clase;
    qsizetype fin = tipos_.finOperando(derecha);
    while (fin < vista_.size()
           && (vista_.esSimbolo(fin + 1, QLatin1String("+")) || vista_.esSimbolo(fin + 1, QLatin1String("-"))))
        fin = tipos_.finOperando(fin + 2);
    if (fin >= vista_.size())
        return clase;
    const TipoExpresion tipoDerecha = tipos_.tipoTramo(derecha, fin, 0);
    if (tipo == TipoExpresion::Texto && EsNumerico(tipoDerecha)) {
        convierteTramo(tipos_.inicioOperando(izquierda), izquierda, tipoDerecha);
        return Clase::Otra;
    }
    if (EsNumerico(tipo) && tipoDerecha == TipoExpresion::Texto)
        convierteTramo(derecha, fin, tipo);
    return clase;
}

// The string literals a number of type `tipo` is compared with at `operador` (=, <, BETWEEN, IN...)
// take its type.
void ReescrituraDialecto::comparaConNumero(qsizetype operador, TipoExpresion tipo)
{
    const qsizetype derecha = operador + 1;
    if (vista_.es(operador, QLatin1String("LIKE")))
        return;
    if (vista_.es(operador, QLatin1String("IN"))) {
        if (!vista_.esSimbolo(derecha, QLatin1String("(")) || vista_.es(derecha + 1, QLatin1String("SELECT")))
            return;
        for (const auto& [desde, hasta] : tipos_.argumentos(derecha))
            if (desde == hasta)
                literalComo(desde, tipo);
        return;
    }
    if (esCadenaSuelta(derecha))
        literalComo(derecha, tipo);
    if (vista_.es(operador, QLatin1String("BETWEEN")) && vista_.es(derecha + 1, QLatin1String("AND"))
        && esCadenaSuelta(derecha + 2))
        literalComo(derecha + 2, tipo);
}

void ReescrituraDialecto::asignacion(qsizetype k)
{
    ambitos_.back().esperaAsignacion = false;
    if (vista_.esNombre(k - 1) && esCadenaSuelta(k + 1) && !vista_.esSimbolo(k + 2, QLatin1String(".")))
        valorDeColumna(k + 1, vista_.nombre(k - 1));
}

// A lone string literal at `k` stored into the column named `columna`: a date as the stored form,
// a number as its value, as the server converts it on the way in.
void ReescrituraDialecto::valorDeColumna(qsizetype k, const QString& columna)
{
    if (esquema_.columnasFecha.contains(columna))
        reescribeFecha(k);
    else
        literalComo(k, esquema_.tipos.value(columna, TipoExpresion::Desconocido));
}

// The column list of the SELECT of an INSERT, which starts at `primera`: each item that is a lone
// string literal is stored into the column at its position.
void ReescrituraDialecto::seleccionInsertada(qsizetype primera)
{
    if (columnasInsercion_.isEmpty())
        columnasInsercion_ = esquema_.columnasTabla.value(tablaInsercion_);
    qsizetype posicion = 0;
    for (const auto& [desde, hasta] : tipos_.elementos(primera, finSeleccion(primera) - 1)) {
        if (desde == hasta && posicion < columnasInsercion_.size())
            valorDeColumna(desde, columnasInsercion_[posicion]);
        ++posicion;
    }
}

// The first token after the column list of a SELECT that starts at `primera`: FROM, WHERE and the
// like, ";", the ")" that closes the subquery, or the end of the text.
qsizetype ReescrituraDialecto::finSeleccion(qsizetype primera)
{
    qsizetype m = primera;
    for (; m < vista_.size(); ++m) {
        if (vista_.esSimbolo(m, QLatin1String(";")) || vista_.esSimbolo(m, QLatin1String(")")))
            return m;
        if (SentenciasSql::terminaColumnas(vista_, m))
            return m;
        if (vista_.esSimbolo(m, QLatin1String("(")) || vista_.es(m, QLatin1String("CASE")))
            m = std::max(m, vista_.pareja(m));
    }
    return m;
}

// A string literal standing alone as an operand: not part of an arithmetic or concatenation.
bool ReescrituraDialecto::esCadenaSuelta(qsizetype k) const
{
    return vista_.esCadena(k) && !tipos_.esAritmetico(k + 1);
}

ReescrituraDialecto::Clase ReescrituraDialecto::claseIzquierda(qsizetype k) const
{
    if (k < 0 || k >= vista_.size())
        return Clase::Otra;
    switch (vista_.token(k).tipo) {
    case Tipo::Cadena:
        return Clase::Texto;
    case Tipo::Simbolo:
        return vista_.esSimbolo(k, QLatin1String(")")) || vista_.esSimbolo(k, QLatin1String("?")) ? Clase::Texto
                                                                                                  : Clase::Otra;
    case Tipo::Palabra:
        if (vista_.es(k, QLatin1String("NULL")))
            return Clase::Otra;
        if (vista_.es(k, QLatin1String("END")))
            return Clase::Texto;
        break;
    case Tipo::NombreCorchetes:
    case Tipo::NombreComillas:
        break;
    default:
        return Clase::Otra;
    }
    // A column inside a larger expression makes the operand an expression, compared as text.
    if (tipos_.esAritmetico(tipos_.inicioCadena(k) - 1))
        return Clase::Texto;
    const QString columna = vista_.nombre(k);
    if (esquema_.columnasFecha.contains(columna))
        return Clase::Fecha;
    return esquema_.columnasTexto.contains(columna) ? Clase::Texto : Clase::Otra;
}

// A right operand that can be text: a string literal, a "?" parameter or a column known as text, also
// as the first item of an IN list.
bool ReescrituraDialecto::derechaTexto(qsizetype k) const
{
    if (vista_.esSimbolo(k, QLatin1String("(")) && !vista_.es(k + 1, QLatin1String("SELECT")))
        ++k;
    if (k < 0 || k >= vista_.size())
        return false;
    if (vista_.token(k).tipo == Tipo::Cadena || vista_.esSimbolo(k, QLatin1String("?")))
        return true;
    if (!vista_.esNombre(k))
        return false;
    const qsizetype fin = tipos_.finCadena(k);
    return !vista_.esSimbolo(fin + 1, QLatin1String("(")) && esquema_.columnasTexto.contains(vista_.nombre(fin));
}

// A bare date column as the right operand: a name, not called, not part of an expression.
bool ReescrituraDialecto::esFechaSuelta(qsizetype k) const
{
    if (!vista_.esNombre(k))
        return false;
    const qsizetype fin = tipos_.finCadena(k);
    if (tipos_.esAritmetico(fin + 1) || vista_.esSimbolo(fin + 1, QLatin1String("(")))
        return false;
    return esquema_.columnasFecha.contains(vista_.nombre(fin));
}

void ReescrituraDialecto::reescribeFecha(qsizetype k)
{
    const TokenSql& tk = vista_.token(k);
    if (tk.tipo != Tipo::Cadena || tk.abierto)
        return;
    const QString valor = vista_.cadena(k);
    // Already stored to the second: nothing to read. A literal with milliseconds is read, so that they
    // are rounded as the server keeps them.
    if (!tk.nacional && valor.size() == 19 && EsFechaAlmacenada(valor))
        return;
    const auto almacenado = TextoAlmacenado(valor);
    if (!almacenado)
        return;
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(k));
    a.reemplaza = true;
    a.reemplazo = u'\'' + *almacenado + u'\'';
}

void ReescrituraDialecto::agregaSufijo(qsizetype k, const QString& sufijo)
{
    marcas_.agregaSufijo(k, sufijo);
}

void ReescrituraDialecto::agregaSufijoInterior(qsizetype k, const QString& sufijo)
{
    marcas_.agregaSufijo(k, sufijo, true);
}

} // namespace ado::dialecto
