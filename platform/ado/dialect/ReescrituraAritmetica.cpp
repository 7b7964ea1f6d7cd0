#include "platform/ado/dialect/ReescrituraDialecto.h"

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
    if (esSimbolo(k + 1, QLatin1String("=")))
        return;
    Accion& a = accion(sig_[k]);
    a.reemplaza = true;
    a.reemplazo = QStringLiteral(" ");
}

// "/" or "%" at `k`: its right operand, signs included, goes through the engine's divisor.
void ReescrituraDialecto::division(qsizetype k)
{
    const qsizetype primero = finSignos(k + 1);
    if (primero >= sig_.size() || !(esFinOperando(primero) || esSimbolo(primero, QLatin1String("("))
                                    || es(primero, QLatin1String("CASE"))))
        return;
    qsizetype fin = primero;
    const TipoExpresion derecha = tipoPrimario(primero, fin, 0);
    if (fin >= sig_.size() || tokens_[sig_[fin]].abierto)
        return;
    const TipoExpresion izquierda = tipoIzquierdo(k - 1, true);
    const auto real = [](TipoExpresion t) { return t == TipoExpresion::Decimal || t == TipoExpresion::Real; };
    const bool comoReal = esSimbolo(k, QLatin1String("/")) && !rasgos_.divisorReal.isEmpty()
        && (real(izquierda) || real(derecha));
    accion(sig_[k + 1]).prefijo += (comoReal ? rasgos_.divisorReal : rasgos_.divisor) + u'(';
    agregaSufijo(fin, QStringLiteral(")"));
}

// AVG(x) at `k` of an integer x: the whole part of the mean, as the server gives it.
void ReescrituraDialecto::promedio(qsizetype k)
{
    const qsizetype cierra = pareja(k + 1);
    const auto args = argumentos(k + 1);
    if (cierra < 0 || args.size() != 1 || es(cierra + 1, QLatin1String("OVER")))
        return;
    qsizetype desde = args.front().first;
    if (es(desde, QLatin1String("DISTINCT")) || es(desde, QLatin1String("ALL")))
        ++desde;
    if (tipoTramo(desde, args.front().second, 0) != TipoExpresion::Entero)
        return;
    accion(sig_[k]).prefijo += rasgos_.promedioEntero.first;
    agregaSufijo(cierra, rasgos_.promedioEntero.second);
}

// ISNULL, NULLIF and COALESCE at `k`: a string literal among their arguments takes the type of
// the result when that is a number ('' is 0 for an int), as the server converts it.
void ReescrituraDialecto::argumentosTipados(qsizetype k)
{
    const auto args = argumentos(k + 1);
    if (args.size() < 2)
        return;
    TipoExpresion destino = TipoExpresion::Nulo;
    if (es(k, QLatin1String("COALESCE"))) {
        for (const auto& [desde, hasta] : args)
            destino = Combina(destino, tipoTramo(desde, hasta, 0));
    } else {
        destino = tipoTramo(args.front().first, args.front().second, 0);
    }
    if (!EsNumerico(destino))
        return;
    for (const auto& [desde, hasta] : args)
        if (desde == hasta)
            literalComo(desde, destino);
}

// CASE at `k`: a string literal result takes the type of the CASE when that is a number.
void ReescrituraDialecto::resultadosTipados(qsizetype k)
{
    const qsizetype cierra = pareja(k);
    if (cierra < 0)
        return;
    qsizetype fin = k;
    const TipoExpresion destino = tipoPrimario(k, fin, 0);
    if (!EsNumerico(destino))
        return;
    for (const auto& [desde, hasta] : resultadosCaso(k, cierra))
        if (desde == hasta)
            literalComo(desde, destino);
}

// The string literal at `k`, when it is one, as a number of type `destino`: its value when it
// reads as one (blanks around; '' is 0 for an integer or a float), or else the engine's conversion,
// which refuses it with the server's message.
void ReescrituraDialecto::literalComo(qsizetype k, TipoExpresion destino)
{
    if (k < 0 || k >= sig_.size() || !EsNumerico(destino))
        return;
    const TokenSql& tk = tokens_[sig_[k]];
    if (tk.tipo != Tipo::Cadena || tk.abierto)
        return;
    const QStringView citado = tk.nacional ? texto(k).mid(1) : texto(k);
    QString valor = citado.mid(1, citado.size() - 2).toString().replace(QStringLiteral("''"), QStringLiteral("'"));
    valor = valor.trimmed();
    const char* tipo = destino == TipoExpresion::Entero ? "int" : destino == TipoExpresion::Decimal ? "decimal" : "float";
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
    Accion& a = accion(sig_[k]);
    if (legible) {
        if (valor.startsWith(u'+'))
            valor.remove(0, 1);
        a.reemplaza = true;
        // A negative number in parentheses: after a "-" it must not start a comment.
        a.reemplazo = valor.startsWith(u'-') ? u'(' + valor + u')' : valor;
        return;
    }
    const QString* funcion = nullptr;
    for (const FuncionDialecto& f : rasgos_.conversiones) {
        if (f.suite.isEmpty() ? !funcion : f.suite == QLatin1String(tipo))
            funcion = &f.motor;
    }
    if (!funcion)
        return;
    a.prefijo += *funcion + u'(';
    agregaSufijo(k, QStringLiteral(", '") + QLatin1String(tipo) + QStringLiteral("')"));
}

} // namespace ado::dialecto
