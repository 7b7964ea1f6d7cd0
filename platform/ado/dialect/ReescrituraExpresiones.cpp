#include "platform/ado/dialect/ReescrituraDialecto.h"

// The rewrites inside expressions: conversions, LIKE patterns, trailing blanks and "+".

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

} // namespace

// The engine's conversion function for the server's type named `tipo`, in any case, or else its
// function for any type; nothing when the engine converts without one.
const QString* ReescrituraDialecto::funcionConversion(QAnyStringView tipo) const
{
    const QString* funcion = nullptr;
    for (const FuncionDialecto& f : rasgos_.conversiones) {
        if (f.suite.isEmpty() ? !funcion : QAnyStringView::compare(tipo, f.suite, Qt::CaseInsensitive) == 0)
            funcion = &f.motor;
    }
    return funcion;
}

// CAST(x AS int) → f(x, 'int'); CONVERT(varchar(10), x, 103) → f(x, 'varchar(10)', 103), f the
// engine's function for the type.
void ReescrituraDialecto::conversion(qsizetype k)
{
    const qsizetype cierra = vista_.pareja(k + 1);
    if (cierra < 0)
        return;
    const bool esCast = vista_.es(k, QLatin1String("CAST"));
    // CAST: the AS before the type. CONVERT: the commas after the type and after the value.
    qsizetype corte = -1;
    qsizetype finValor = cierra;
    for (qsizetype m = k + 2; m < cierra; ++m) {
        if (vista_.esSimbolo(m, QLatin1String("(")) || vista_.es(m, QLatin1String("CASE"))) {
            m = std::max(m, vista_.pareja(m));
        } else if (corte < 0
                   && (esCast ? vista_.es(m, QLatin1String("AS")) : vista_.esSimbolo(m, QLatin1String(",")))) {
            corte = m;
        } else if (!esCast && corte >= 0 && vista_.esSimbolo(m, QLatin1String(","))) {
            finValor = m;
            break;
        }
    }
    // A type is a name with its size or precision ("varchar(10)", "decimal(6, 2)"); anything else in
    // its place is left for the database to report, as quoting it would swallow the text it holds.
    const auto esTipo = [&](qsizetype desde, qsizetype hasta) {
        if (vista_.token(desde).tipo != Tipo::Palabra)
            return false;
        for (qsizetype m = desde + 1; m <= hasta; ++m) {
            const Tipo tipo = vista_.token(m).tipo;
            if (tipo != Tipo::Palabra && tipo != Tipo::Numero && !vista_.esSimbolo(m, QLatin1String("("))
                && !vista_.esSimbolo(m, QLatin1String(")")) && !vista_.esSimbolo(m, QLatin1String(",")))
                return false;
        }
        return true;
    };
    const qsizetype tipo = esCast ? corte + 1 : k + 2;
    if (corte <= k + 2 || corte + 1 >= (esCast ? cierra : finValor) || !esTipo(tipo, esCast ? cierra - 1 : corte - 1))
        return;
    const QString* funcion = funcionConversion(vista_.texto(tipo));
    if (!funcion)
        return;
    MarcasSql::Marca& llamada = marcas_.marca(vista_.indice(k));
    llamada.reemplaza = true;
    llamada.reemplazo = *funcion;
    // "double precision" is the server's other name for float.
    const bool doble = vista_.es(tipo, QLatin1String("DOUBLE")) && vista_.es(tipo + 1, QLatin1String("PRECISION"))
        && tipo + 1 == (esCast ? cierra - 1 : corte - 1);
    if (esCast) {
        MarcasSql::Marca& a = marcas_.marca(vista_.indice(corte));
        a.reemplaza = true;
        a.reemplazo = QStringLiteral(",");
        reemplazaTramo(corte + 1, cierra - 1);
        if (doble)
            marcas_.marca(vista_.indice(corte + 1)).reemplazo = QStringLiteral("'float'");
        return;
    }
    // A date computed by an expression (CAST(x AS date), DATEADD(...)) reaches a style as a date
    // and time, which the conversion reads as one.
    if (finValor != cierra && TipoDeNombre(vista_.texto(tipo)) == TipoExpresion::Texto
        && !(vista_.esNombre(corte + 1) && tipos_.finCadena(corte + 1) == finValor - 1)
        && tipos_.tipoTramo(corte + 1, finValor - 1, 0) == TipoExpresion::Fecha)
        convierteTramo(corte + 1, finValor - 1, TipoExpresion::Fecha);
    // The type and its comma go (with the blanks after them); the type follows the value instead.
    for (qsizetype i = vista_.indice(tipo); i < vista_.indice(corte + 1); ++i)
        marcas_.marca(i).omite = true;
    marcas_.marca(vista_.indice(finValor)).prefijo
        += QStringLiteral(", ") + (doble ? QStringLiteral("'float'") : literalDeTramo(tipo, corte - 1));
}

// The text of tokens `desde` to `hasta` as one string literal.
QString ReescrituraDialecto::literalDeTramo(qsizetype desde, qsizetype hasta) const
{
    const TokenSql& primero = vista_.token(desde);
    const TokenSql& ultimo = vista_.token(hasta);
    const QStringView tramo = vista_.textoCompleto().mid(primero.inicio, ultimo.inicio + ultimo.largo - primero.inicio);
    return TokenizadorSql::citaCadena(tramo);
}

// Tokens `desde` to `hasta` become one string literal of their text.
void ReescrituraDialecto::reemplazaTramo(qsizetype desde, qsizetype hasta)
{
    for (qsizetype i = vista_.indice(desde) + 1; i <= vista_.indice(hasta); ++i)
        marcas_.marca(i).omite = true;
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(desde));
    a.reemplaza = true;
    a.reemplazo = literalDeTramo(desde, hasta);
}

// The LIKE at `operador` (NOT LIKE when NOT precedes it) through the engine's pattern function, when
// its pattern is not a lone literal or is one the engine's own LIKE reads differently.
void ReescrituraDialecto::patronLike(qsizetype operador)
{
    const qsizetype derecha = operador + 1;
    if (rasgos_.patronLike.isEmpty() || derecha >= vista_.size())
        return;
    qsizetype fin = derecha;
    if (esCadenaSuelta(derecha)) {
        const QStringView t = vista_.texto(derecha);
        if (!t.contains(u'[') && !t.contains(u'\\'))
            return;
    } else {
        fin = tipos_.finOperando(derecha);
        while (vista_.esSimbolo(fin + 1, QLatin1String("+")) || vista_.esSimbolo(fin + 1, QLatin1String("-"))
               || vista_.esSimbolo(fin + 1, QLatin1String("||")))
            fin = tipos_.finOperando(fin + 2);
        if (fin >= vista_.size())
            return;
    }
    const bool negado = vista_.es(operador - 1, QLatin1String("NOT"));
    if (negado)
        marcas_.marca(vista_.indice(operador - 1)).omite = true;
    MarcasSql::Marca& like = marcas_.marca(vista_.indice(operador));
    like.reemplaza = true;
    like.reemplazo = (negado ? QStringLiteral("!~* ") : QStringLiteral("~* ")) + rasgos_.patronLike + u'(';
    if (vista_.es(fin + 1, QLatin1String("ESCAPE")) && fin + 2 < vista_.size()) {
        MarcasSql::Marca& escape = marcas_.marca(vista_.indice(fin + 1));
        escape.reemplaza = true;
        escape.reemplazo = QStringLiteral(",");
        fin += 2;
    }
    agregaSufijo(fin, QStringLiteral(")"));
}

// The comparison of the text operand ending at `izquierda` with string literals only: the operand and
// each literal ending in blanks go through the engine's function that drops trailing blanks.
void ReescrituraDialecto::sinBlancosFinales(qsizetype izquierda, qsizetype operador)
{
    if (rasgos_.sinBlancosFinales.isEmpty() || izquierda < 0)
        return;
    const qsizetype derecha = operador + 1;
    std::vector<qsizetype> literales;
    if (vista_.es(operador, QLatin1String("IN"))) {
        if (!vista_.esSimbolo(derecha, QLatin1String("(")))
            return;
        for (qsizetype m = derecha + 1; m + 1 < vista_.size(); m += 2) {
            if (vista_.token(m).tipo != Tipo::Cadena || vista_.token(m).abierto)
                return;
            literales.push_back(m);
            if (vista_.esSimbolo(m + 1, QLatin1String(")")))
                break;
            if (!vista_.esSimbolo(m + 1, QLatin1String(",")))
                return;
        }
    } else if (vista_.es(operador, QLatin1String("BETWEEN"))) {
        if (!esCadenaSuelta(derecha) || !vista_.es(derecha + 1, QLatin1String("AND")) || !esCadenaSuelta(derecha + 2))
            return;
        literales = {derecha, derecha + 2};
    } else if (esCadenaSuelta(derecha)) {
        literales = {derecha};
    }
    if (literales.empty())
        return;
    for (const qsizetype m : literales)
        recortaCadena(m);
    const qsizetype suma = tipos_.inicioSuma(izquierda);
    const qsizetype inicio = suma >= 0 ? suma : tipos_.inicioPrimario(izquierda);
    marcas_.marca(vista_.indice(inicio)).prefijo.prepend(rasgos_.sinBlancosFinales + u'(');
    agregaSufijo(izquierda, QStringLiteral(")"));
}

// The string literal at `k`, when it ends in blanks, through the function that drops them, read as
// text without case like the operand it is compared with. Its text stays as written (the server works
// the call out once, as its argument is a constant).
void ReescrituraDialecto::recortaCadena(qsizetype k)
{
    const QStringView t = vista_.texto(k);
    if (t.size() < 3 || t[t.size() - 2] != u' ')
        return;
    marcas_.marca(vista_.indice(k)).prefijo += rasgos_.sinBlancosFinales + u'(';
    agregaSufijo(k, u')' + rasgos_.textoSinCaso);
}

void ReescrituraDialecto::suma(qsizetype k)
{
    const qsizetype izquierda = tipos_.inicioOperando(k - 1);
    const qsizetype derecha = tipos_.finOperando(k + 1);
    if (derecha >= vista_.size())
        return;
    // Garbage after the "+" is left for the database to report.
    const qsizetype primero = tipos_.finSignos(k + 1);
    if (primero >= vista_.size()
        || !(tipos_.esFinOperando(primero) || vista_.esSimbolo(primero, QLatin1String("("))
             || vista_.es(primero, QLatin1String("CASE"))))
        return;
    // Numbers, and a column known as neither text nor date beside a number, add as they are.
    const auto esNumero = [&](qsizetype m) { return vista_.token(m).tipo == Tipo::Numero; };
    const auto esNumerica = [&](qsizetype desde, qsizetype hasta) {
        if (desde == hasta && esNumero(desde))
            return true;
        if (!vista_.esNombre(desde) || tipos_.finCadena(desde) != hasta
            || vista_.esSimbolo(hasta + 1, QLatin1String("(")))
            return false;
        const QString columna = vista_.nombre(hasta);
        return !esquema_.columnasTexto.contains(columna) && !esquema_.columnasFecha.contains(columna);
    };
    // Numbers, and NULL beside them, add as the engine adds them: an integer sum stays an integer.
    bool tipoTextual = false;
    const TipoExpresion tipoIzq = tipos_.tipoIzquierdo(k - 1, false);
    const TipoExpresion tipoDer = tipos_.tipoTramo(k + 1, derecha, 0);
    tipos_.anota(true, derecha, izquierda, Combina(tipoIzq, tipoDer));
    const auto sumaNumerica = [](TipoExpresion t) { return EsNumerico(t) || t == TipoExpresion::Nulo; };
    // Text beside a number is that number for the server: it is converted, and the sum is numeric.
    if (tipoIzq == TipoExpresion::Texto && EsNumerico(tipoDer))
        convierteTramo(izquierda, k - 1, tipoDer);
    else if (tipoDer == TipoExpresion::Texto && EsNumerico(tipoIzq))
        convierteTramo(k + 1, derecha, tipoIzq);
    else if (!sumaNumerica(tipoIzq) || !sumaNumerica(tipoDer))
        tipoTextual = true;
    if (!tipoTextual)
        return;
    const bool izquierdaSimple = esNumerica(izquierda, k - 1);
    const bool derechaSimple = esNumerica(k + 1, derecha);
    if (izquierdaSimple && derechaSimple && (esNumero(izquierda) || esNumero(derecha)))
        return;
    MarcasSql::Marca& inicio = marcas_.marca(vista_.indice(izquierda));
    inicio.prefijo.prepend(rasgos_.suma + u'(');
    MarcasSql::Marca& operador = marcas_.marca(vista_.indice(k));
    operador.reemplaza = true;
    operador.reemplazo = QStringLiteral(",");
    agregaSufijo(derecha, QStringLiteral(")"));
}

} // namespace ado::dialecto
