#include "platform/ado/dialect/ReescrituraDialecto.h"

#include <algorithm>

// Arithmetic and implicit conversions as the server types them: a unary "+", "/" and "%", AVG of
// integers, and string literals that meet a number in ISNULL, NULLIF, COALESCE, CASE or a
// comparison.

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

bool esEntero(QStringView t)
{
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    if (i >= t.size())
        return false;
    for (; i < t.size(); ++i)
        if (t[i] < u'0' || t[i] > u'9')
            return false;
    return true;
}

// Digits with at most one point, a sign in front and, when `exponente`, an exponent after them.
bool esDecimal(QStringView t, bool exponente)
{
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    bool cifras = false;
    bool punto = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= u'0' && t[i] <= u'9') {
            cifras = true;
        } else if (t[i] == u'.' && !punto) {
            punto = true;
        } else if (exponente && cifras && (t[i] == u'e' || t[i] == u'E')) {
            return esEntero(t.mid(i + 1));
        } else {
            return false;
        }
    }
    return cifras;
}

} // namespace

// A "+" no operand precedes changes nothing, for text as for numbers: it goes, so that the engine
// (which refuses it before text) and the sum around it see only the operand.
void ReescrituraDialecto::signoMas(qsizetype k)
{
    if (vista_.esSimbolo(k + 1, QLatin1String("=")))
        return;
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(k));
    a.reemplaza = true;
    a.reemplazo = QStringLiteral(" ");
}

// "-", "*", "/" or "%" at `k`, as the server types it: text beside a number is converted to that
// number's type, text with text or a minus before text is refused; "/" and "%" refuse a zero.
void ReescrituraDialecto::aritmetica(qsizetype k)
{
    const bool aditivo = vista_.esSimbolo(k, QLatin1String("-"));
    // Of a run of signs, the last minus looks at the operand: a "+" after it changes nothing, so
    // "- + '4'" is refused as "- '4'" is. Each minus looks only as far as the next one: linear.
    if (!tipos_.esFinOperando(k - 1)) {
        qsizetype m = k + 1;
        while (vista_.esSimbolo(m, QLatin1String("+")))
            ++m;
        if (vista_.esSimbolo(m, QLatin1String("-")) || vista_.esSimbolo(m, QLatin1String("~")))
            return;
    }
    const qsizetype primero = tipos_.finSignos(k + 1);
    if (primero >= vista_.size()
        || !(tipos_.esFinOperando(primero) || vista_.esSimbolo(primero, QLatin1String("("))
             || vista_.es(primero, QLatin1String("CASE"))))
        return;
    if (!tipos_.esFinOperando(k - 1)) {
        qsizetype fin = primero;
        if (aditivo && tipos_.tipoPrimario(primero, fin, 0) == TipoExpresion::Texto && !rasgos_.falla.isEmpty())
            rechazaTramo(primero, fin,
                         QStringLiteral("El tipo de datos varchar del operando no es válido para el operador minus."));
        return;
    }
    const qsizetype finDerecha = aditivo ? tipos_.finOperando(k + 1) : tipos_.finPrimario(primero);
    if (finDerecha >= vista_.size())
        return;
    const TipoExpresion derecha = tipos_.tipoTramo(k + 1, finDerecha, 0);
    const TipoExpresion izquierda = tipos_.tipoIzquierdo(k - 1, !aditivo);
    const qsizetype inicioIzquierda = aditivo ? tipos_.inicioOperando(k - 1) : tipos_.inicioTermino(k - 1);
    tipos_.anota(aditivo, finDerecha, inicioIzquierda, Combina(izquierda, derecha));
    // A date minus a number of days is that many days earlier: the engine's sum of a date and the
    // negated number (the engines would subtract from the date's text or refuse it).
    if (aditivo && izquierda == TipoExpresion::Fecha && EsNumerico(derecha) && !rasgos_.suma.isEmpty()) {
        if (vista_.token(finDerecha).abierto)
            return;
        marcas_.marca(vista_.indice(inicioIzquierda)).prefijo.prepend(rasgos_.suma + u'(');
        MarcasSql::Marca& operador = marcas_.marca(vista_.indice(k));
        operador.reemplaza = true;
        operador.reemplazo = QStringLiteral(", -(");
        agregaSufijo(finDerecha, QStringLiteral("))"));
        return;
    }
    if (izquierda == TipoExpresion::Texto && derecha == TipoExpresion::Texto && !rasgos_.falla.isEmpty()) {
        const char* nombre = aditivo                  ? "subtract"
            : vista_.esSimbolo(k, QLatin1String("*")) ? "multiply"
            : vista_.esSimbolo(k, QLatin1String("/")) ? "divide"
                                                      : "modulo";
        rechazaTramo(inicioIzquierda, finDerecha,
                     QStringLiteral("Los tipos de datos varchar y varchar son incompatibles en el operador %1.")
                         .arg(QLatin1String(nombre)));
        return;
    }
    if (izquierda == TipoExpresion::Texto && EsNumerico(derecha))
        convierteTramo(inicioIzquierda, k - 1, derecha);
    else if (derecha == TipoExpresion::Texto && EsNumerico(izquierda))
        convierteTramo(k + 1, finDerecha, izquierda);
    if (!aditivo && !rasgos_.division.isEmpty() && !vista_.esSimbolo(k, QLatin1String("*")))
        division(k, inicioIzquierda, finDerecha, izquierda, derecha);
}

// Tokens `desde` to `hasta`, one primary, as a value of type `destino`: a literal of text as the
// number it reads as, anything else through the engine's conversion, which refuses what does not
// read as one. A longer expression is converted only when it is `entero`: a whole argument or CASE
// result, between two tokens of its own on which the conversion hangs, so that whatever the tokens
// inside it are given stays inside the conversion.
void ReescrituraDialecto::convierteTramo(qsizetype desde, qsizetype hasta, TipoExpresion destino, bool entero)
{
    // Only one primary: what a rewrite inside it writes then stays inside the conversion.
    while (desde < hasta && vista_.esSimbolo(desde, QLatin1String("+")))
        ++desde; // a unary "+" goes
    qsizetype fin = desde;
    const bool primario = tipos_.finSignos(desde) == desde
        && tipos_.tipoPrimario(desde, fin, 0) != TipoExpresion::Desconocido && fin == hasta;
    if (!primario
        && (!entero || desde < 1 || hasta + 1 >= vista_.size()
            || tipos_.tipoTramo(desde, hasta, 0) == TipoExpresion::Desconocido))
        return;
    if (desde == hasta && vista_.token(desde).tipo == Tipo::Cadena && EsNumerico(destino)) {
        literalComo(desde, destino);
        return;
    }
    const char* tipo = destino == TipoExpresion::Entero ? "int"
        : destino == TipoExpresion::Texto               ? "varchar"
        : destino == TipoExpresion::Fecha               ? "datetime"
                                                        : "float";
    const QString* funcion = funcionConversion(QLatin1String(tipo));
    if (!funcion || vista_.token(hasta).abierto)
        return;
    const QString cierre = QStringLiteral(", '") + QLatin1String(tipo) + QStringLiteral("')");
    if (primario) {
        marcas_.marca(vista_.indice(desde)).prefijo.prepend(*funcion + u'(');
        agregaSufijo(hasta, cierre);
        return;
    }
    marcas_.marca(vista_.indice(desde - 1)).sufijo += u' ' + *funcion + QStringLiteral("((");
    marcas_.marca(vista_.indice(hasta + 1)).prefijo.prepend(u')' + cierre + u' ');
}

// The server refuses the statement for the types of tokens `desde` to `hasta`, with `mensaje`: as
// types never depend on the rows, the whole statement is refused when it runs, before any row is
// read (an empty table refuses it too), rather than when the expression meets a row.
void ReescrituraDialecto::rechazaTramo(qsizetype desde, qsizetype hasta, const QString& mensaje)
{
    if (desde < 0 || vista_.token(hasta).abierto || !rechazo_.isEmpty())
        return;
    rechazo_ = mensaje;
}

// The refused statement: one call that fails with the message replaces it, so that nothing of it
// runs.
void ReescrituraDialecto::aplicaRechazo(const Rechazo& rechazo)
{
    for (qsizetype i = vista_.indice(rechazo.primero); i <= vista_.indice(rechazo.ultimo); ++i) {
        MarcasSql::Marca& omitido = marcas_.marca(i);
        omitido = MarcasSql::Marca();
        omitido.omite = true;
    }
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(rechazo.primero));
    a.reemplaza = true;
    a.reemplazo = QStringLiteral("SELECT ") + rasgos_.falla.arg(TokenizadorSql::citaCadena(rechazo.mensaje));
}

// Whether the bare NULL at `k`, in any parentheses, is an operand of arithmetic; beside a "+"
// whose other operand may be text it is not, as that "+" may join texts.
bool ReescrituraDialecto::esNuloAritmetico(qsizetype k)
{
    qsizetype a = k;
    qsizetype b = k;
    while (vista_.esSimbolo(a - 1, QLatin1String("(")) && vista_.esSimbolo(b + 1, QLatin1String(")"))) {
        --a;
        ++b;
    }
    const auto numerico = [](TipoExpresion t) { return EsNumerico(t) || t == TipoExpresion::Nulo; };
    if (vista_.esSimbolo(b + 1, QLatin1String("+"))) {
        const qsizetype fin = tipos_.finOperando(b + 2);
        if (fin >= vista_.size() || !numerico(tipos_.tipoTramo(b + 2, fin, 0)))
            return false;
    }
    if (vista_.esSimbolo(a - 1, QLatin1String("+")) && tipos_.esFinOperando(a - 2)
        && !numerico(tipos_.tipoIzquierdo(a - 2, false)))
        return false;
    return tipos_.esAritmetico(a - 1) || tipos_.esAritmetico(b + 1);
}

// The bare NULL at `k` as the server types it, an int.
void ReescrituraDialecto::nuloTipado(qsizetype k)
{
    if (rasgos_.nuloEntero.isEmpty() || !vista_.es(k, QLatin1String("NULL")))
        return;
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(k));
    a.reemplaza = true;
    a.reemplazo = rasgos_.nuloEntero;
}

// "/" or "%" at `k`, its operands from `inicio` to `fin` typed `izquierda` and `derecha`: a call of
// the engine's division.
void ReescrituraDialecto::division(qsizetype k, qsizetype inicio, qsizetype fin, TipoExpresion izquierda,
                                   TipoExpresion derecha)
{
    if (vista_.token(fin).abierto)
        return;
    const auto real = [](TipoExpresion t) { return t == TipoExpresion::Decimal || t == TipoExpresion::Real; };
    const QString& funcion = vista_.esSimbolo(k, QLatin1String("%")) ? rasgos_.resto
        : real(izquierda) || real(derecha)                           ? rasgos_.divisionReal
                                                                     : rasgos_.division;
    marcas_.marca(vista_.indice(inicio)).prefijo.prepend(funcion + u'(');
    MarcasSql::Marca& operador = marcas_.marca(vista_.indice(k));
    operador.reemplaza = true;
    operador.reemplazo = QStringLiteral(",");
    agregaSufijo(fin, QStringLiteral(")"));
}

// AVG(x) at `k` of an integer x: the whole part of the mean, as the server gives it.
void ReescrituraDialecto::promedio(qsizetype k)
{
    const qsizetype cierra = vista_.pareja(k + 1);
    const auto args = tipos_.argumentos(k + 1);
    if (cierra < 0 || args.size() != 1 || vista_.es(cierra + 1, QLatin1String("OVER")))
        return;
    if (tipos_.tipoAgregado(args.front(), 0) != TipoExpresion::Entero)
        return;
    marcas_.marca(vista_.indice(k)).prefijo += rasgos_.enteroTruncado.first;
    agregaSufijoInterior(cierra, rasgos_.enteroTruncado.second);
}

// ISNULL, NULLIF and COALESCE at `k`, as the server types them: COALESCE takes the type of its
// arguments by precedence, ISNULL and NULLIF that of the first. An argument of text where the
// result is a number is converted to it ('' is 0 for an int); a number where ISNULL gives text is
// converted to text; NULLIF compares text with a number as that number. A bare NULL gets the
// server's type for it.
void ReescrituraDialecto::argumentosTipados(qsizetype k)
{
    const auto args = tipos_.argumentos(k + 1);
    if (args.size() < 2)
        return;
    std::vector<TipoExpresion> tipos;
    for (const auto& [desde, hasta] : args)
        tipos.push_back(tipos_.tipoTramo(desde, hasta, 0));
    TipoExpresion destino = tipos.front();
    if (vista_.es(k, QLatin1String("COALESCE"))) {
        for (const TipoExpresion t : tipos)
            destino = Combina(destino, t);
    } else if (destino == TipoExpresion::Entero && !rasgos_.enteroTruncado.first.isEmpty()
               && std::any_of(tipos.begin(), tipos.end(), [](TipoExpresion t) {
                      return t == TipoExpresion::Decimal || t == TipoExpresion::Real;
                  })) {
        marcas_.marca(vista_.indice(k)).prefijo += rasgos_.enteroTruncado.first;
        agregaSufijoInterior(vista_.pareja(k + 1), rasgos_.enteroTruncado.second);
    } else if (vista_.es(k, QLatin1String("NULLIF")) && destino == TipoExpresion::Texto && EsNumerico(tipos[1])) {
        convierteTramo(args[0].first, args[0].second, tipos[1], true);
        return;
    } else if (vista_.es(k, QLatin1String("ISNULL")) && destino == TipoExpresion::Texto) {
        for (std::size_t i = 1; i < args.size(); ++i)
            if (EsNumerico(tipos[i]))
                convierteTramo(args[i].first, args[i].second, TipoExpresion::Texto, true);
        return;
    }
    if (!EsNumerico(destino) && destino != TipoExpresion::Nulo)
        return;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].first == args[i].second)
            nuloTipado(args[i].first);
        if (EsNumerico(destino) && tipos[i] == TipoExpresion::Texto)
            convierteTramo(args[i].first, args[i].second, destino, true);
    }
}

// CASE at `k`: a string literal result takes the type of the CASE when that is a number; a bare
// NULL the server's type for it.
void ReescrituraDialecto::resultadosTipados(qsizetype k)
{
    const qsizetype cierra = vista_.pareja(k);
    if (cierra < 0)
        return;
    qsizetype fin = k;
    const TipoExpresion destino = tipos_.tipoPrimario(k, fin, 0);
    if (!EsNumerico(destino) && destino != TipoExpresion::Nulo)
        return;
    for (const auto& [desde, hasta] : tipos_.resultadosCaso(k, cierra)) {
        if (desde == hasta)
            nuloTipado(desde);
        if (EsNumerico(destino) && tipos_.tipoTramo(desde, hasta, 0) == TipoExpresion::Texto)
            convierteTramo(desde, hasta, destino, true);
    }
}

// The string literal at `k`, when it is one, as a number of type `destino`: its value when it
// reads as one (blanks around; '' is 0 for an integer or a float), or else the engine's conversion,
// which refuses it with the server's message.
void ReescrituraDialecto::literalComo(qsizetype k, TipoExpresion destino)
{
    if (k < 0 || k >= vista_.size() || !EsNumerico(destino))
        return;
    const TokenSql& tk = vista_.token(k);
    if (tk.tipo != Tipo::Cadena || tk.abierto)
        return;
    QString valor = vista_.cadena(k).trimmed();
    // 'true' and 'false' are the server's texts for a bit, which the engines read themselves.
    if (valor.compare(u"true", Qt::CaseInsensitive) == 0 || valor.compare(u"false", Qt::CaseInsensitive) == 0)
        return;
    const char* tipo = destino == TipoExpresion::Entero ? "int"
        : destino == TipoExpresion::Decimal             ? "decimal"
                                                        : "float";
    bool legible = false;
    if (valor.isEmpty() && destino != TipoExpresion::Decimal) {
        valor = QStringLiteral("0");
        legible = true;
    } else if (destino == TipoExpresion::Entero) {
        bool cabe = false;
        const qlonglong n = valor.toLongLong(&cabe);
        legible = esEntero(valor) && cabe && n >= -2147483648LL && n <= 2147483647LL;
    } else {
        legible = esDecimal(valor, destino == TipoExpresion::Real);
    }
    MarcasSql::Marca& a = marcas_.marca(vista_.indice(k));
    if (legible) {
        if (valor.startsWith(u'+'))
            valor.remove(0, 1);
        a.reemplaza = true;
        // A negative number in parentheses: after a "-" it must not start a comment.
        a.reemplazo = valor.startsWith(u'-') ? u'(' + valor + u')' : valor;
        return;
    }
    const QString* funcion = funcionConversion(QLatin1String(tipo));
    if (!funcion)
        return;
    a.prefijo += *funcion + u'(';
    agregaSufijo(k, QStringLiteral(", '") + QLatin1String(tipo) + QStringLiteral("')"));
}

} // namespace ado::dialecto
