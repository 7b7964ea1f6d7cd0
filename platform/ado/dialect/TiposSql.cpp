#include "platform/ado/dialect/TiposSql.h"

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

// Nesting deeper than this is typed `Desconocido` rather than followed, so that no text can
// exhaust the stack.
constexpr int kProfundidadMaxima = 64;

const QLatin1String kEnteras[] = {
    QLatin1String("COUNT"), QLatin1String("LEN"),       QLatin1String("CHARINDEX"), QLatin1String("YEAR"),
    QLatin1String("MONTH"), QLatin1String("DAY"),       QLatin1String("DATEPART"),  QLatin1String("DATEDIFF"),
    QLatin1String("ASCII"), QLatin1String("ISNUMERIC"), QLatin1String("PATINDEX"),  QLatin1String("DATALENGTH"),
};
const QLatin1String kComoArgumento[] = {
    QLatin1String("SUM"),    QLatin1String("MIN"),     QLatin1String("MAX"),   QLatin1String("ABS"),
    QLatin1String("FLOOR"),  QLatin1String("CEILING"), QLatin1String("ROUND"), QLatin1String("AVG"),
    QLatin1String("ISNULL"), QLatin1String("NULLIF"),  QLatin1String("SIGN"),
};
const QLatin1String kTextos[] = {
    QLatin1String("LEFT"),      QLatin1String("RIGHT"), QLatin1String("SUBSTRING"), QLatin1String("LTRIM"),
    QLatin1String("RTRIM"),     QLatin1String("UPPER"), QLatin1String("LOWER"),     QLatin1String("REPLACE"),
    QLatin1String("REPLICATE"), QLatin1String("SPACE"), QLatin1String("CHAR"),      QLatin1String("STR"),
    QLatin1String("DATENAME"),  QLatin1String("NCHAR"),
};

// Words that never end an operand: a "+" after them is a sign.
const QLatin1String kNoOperandos[] = {
    QLatin1String("SELECT"),  QLatin1String("WHERE"),  QLatin1String("AND"),      QLatin1String("OR"),
    QLatin1String("NOT"),     QLatin1String("THEN"),   QLatin1String("ELSE"),     QLatin1String("WHEN"),
    QLatin1String("ON"),      QLatin1String("BY"),     QLatin1String("HAVING"),   QLatin1String("SET"),
    QLatin1String("VALUES"),  QLatin1String("IS"),     QLatin1String("LIKE"),     QLatin1String("IN"),
    QLatin1String("BETWEEN"), QLatin1String("CASE"),   QLatin1String("DISTINCT"), QLatin1String("ALL"),
    QLatin1String("TOP"),     QLatin1String("RETURN"), QLatin1String("AS"),       QLatin1String("FROM"),
    QLatin1String("EXISTS"),  QLatin1String("UNION"),  QLatin1String("PRINT"),    QLatin1String("ESCAPE"),
};

} // namespace

TiposSql::TiposSql(const VistaSql& vista, const EsquemaDialecto& esquema) : vista_(vista), esquema_(esquema) { }

TipoExpresion TiposSql::tipoNumero(qsizetype k) const
{
    const QStringView t = vista_.texto(k);
    if (t.size() > 1 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X'))
        return TipoExpresion::Desconocido;
    if (t.contains(u'e') || t.contains(u'E'))
        return TipoExpresion::Real;
    if (t.contains(u'.'))
        return TipoExpresion::Decimal;
    // A whole number beyond int is a decimal for the server.
    bool cabe = false;
    const qlonglong n = t.toLongLong(&cabe);
    return cabe && n <= 2147483647 ? TipoExpresion::Entero : TipoExpresion::Decimal;
}

// The type of the primary that starts at `k` (after any signs); `fin` gets its last token.
TipoExpresion TiposSql::tipoPrimario(qsizetype k, qsizetype& fin, int profundidad)
{
    fin = k;
    if (k < 0 || k >= vista_.size())
        return TipoExpresion::Desconocido;
    if (const auto visto = tiposPrimarios_.constFind(k); visto != tiposPrimarios_.cend()) {
        fin = visto->second;
        return visto->first;
    }
    TipoExpresion tipo = TipoExpresion::Desconocido;
    const TokenSql& tk = vista_.token(k);
    if (tk.tipo == Tipo::Numero) {
        tipo = tipoNumero(k);
    } else if (tk.tipo == Tipo::Cadena) {
        tipo = tk.abierto ? TipoExpresion::Desconocido : TipoExpresion::Texto;
    } else if (vista_.es(k, QLatin1String("NULL"))) {
        tipo = TipoExpresion::Nulo;
    } else if (vista_.esSimbolo(k, QLatin1String("(")) || vista_.es(k, QLatin1String("CASE"))) {
        const qsizetype cierra = vista_.pareja(k);
        if (cierra < 0)
            return TipoExpresion::Desconocido;
        fin = cierra;
        if (profundidad < kProfundidadMaxima) {
            if (vista_.es(k, QLatin1String("CASE")))
                tipo = tipoCaso(k, cierra, profundidad + 1);
            else if (!vista_.es(k + 1, QLatin1String("SELECT")))
                tipo = tipoTramo(k + 1, cierra - 1, profundidad + 1);
        }
    } else if (vista_.esNombre(k) && !esFinOperando(k)) {
        tipo = TipoExpresion::Desconocido;
    } else if (vista_.esNombre(k)) {
        const qsizetype ultimo = finCadena(k);
        fin = ultimo;
        if (vista_.esSimbolo(ultimo + 1, QLatin1String("("))) {
            const qsizetype cierra = vista_.pareja(ultimo + 1);
            if (cierra < 0)
                return TipoExpresion::Desconocido;
            fin = cierra;
            if (profundidad < kProfundidadMaxima && ultimo == k)
                tipo = tipoFuncion(k, profundidad + 1);
        } else {
            tipo = esquema_.tipos.value(vista_.nombre(ultimo), TipoExpresion::Desconocido);
        }
    }
    tiposPrimarios_.insert(k, {tipo, fin});
    return tipo;
}

// The type of the expression from `desde` to `hasta`: signed primaries joined by arithmetic
// operators. Anything else in it (a comparison, a keyword) makes it `Desconocido`.
TipoExpresion TiposSql::tipoTramo(qsizetype desde, qsizetype hasta, int profundidad)
{
    TipoExpresion tipo = TipoExpresion::Nulo;
    qsizetype m = desde;
    for (;;) {
        m = finSignos(m);
        if (m > hasta)
            return TipoExpresion::Desconocido;
        qsizetype fin = m;
        tipo = Combina(tipo, tipoPrimario(m, fin, profundidad));
        if (tipo == TipoExpresion::Desconocido || fin >= hasta)
            return fin == hasta ? tipo : TipoExpresion::Desconocido;
        if (!esAritmetico(fin + 1) || vista_.esSimbolo(fin + 1, QLatin1String("~")))
            return TipoExpresion::Desconocido;
        m = fin + 2;
    }
}

// The type of the operand that ends at `k`, as far back as "+" reaches: "+" and "-" and the terms
// they join. A sum already typed is taken in one step, so a long chain stays linear.
TipoExpresion TiposSql::tipoIzquierdo(qsizetype k, bool soloTermino)
{
    TipoExpresion tipo = TipoExpresion::Nulo;
    qsizetype fin = k;
    for (;;) {
        qsizetype inicio = -1;
        const auto sumaVista = soloTermino ? tiposSuma_.cend() : tiposSuma_.constFind(fin);
        const auto terminoVisto = tiposTermino_.constFind(fin);
        if (sumaVista != tiposSuma_.cend()) {
            inicio = sumaVista->first;
            tipo = Combina(tipo, sumaVista->second);
        } else if (terminoVisto != tiposTermino_.cend()) {
            inicio = terminoVisto->first;
            tipo = Combina(tipo, terminoVisto->second);
        } else {
            inicio = inicioPrimario(fin);
            qsizetype ultimo = inicio;
            tipo = Combina(tipo, tipoPrimario(inicio, ultimo, 0));
            if (ultimo != fin)
                return TipoExpresion::Desconocido;
        }
        while ((vista_.esSimbolo(inicio - 1, QLatin1String("-")) || vista_.esSimbolo(inicio - 1, QLatin1String("+")))
               && !esFinOperando(inicio - 2))
            --inicio;
        const qsizetype p = inicio - 1;
        const bool termino = vista_.esSimbolo(p, QLatin1String("*")) || vista_.esSimbolo(p, QLatin1String("/"))
            || vista_.esSimbolo(p, QLatin1String("%"));
        const bool suma = vista_.esSimbolo(p, QLatin1String("+")) || vista_.esSimbolo(p, QLatin1String("-"));
        if (tipo == TipoExpresion::Desconocido || !(termino || (suma && !soloTermino)) || !esFinOperando(p - 1))
            return tipo;
        fin = p - 1;
    }
}

// CASE ... END from `abre` to `cierra`: the results after THEN and ELSE, combined.
TipoExpresion TiposSql::tipoCaso(qsizetype abre, qsizetype cierra, int profundidad)
{
    TipoExpresion tipo = TipoExpresion::Nulo;
    bool hayResultado = false;
    for (const auto& [desde, hasta] : resultadosCaso(abre, cierra)) {
        tipo = Combina(tipo, tipoTramo(desde, hasta, profundidad));
        hayResultado = true;
    }
    return hayResultado ? tipo : TipoExpresion::Desconocido;
}

// The result expressions of CASE ... END: what follows each THEN and the ELSE, up to the next WHEN,
// ELSE or END of the same CASE.
std::vector<std::pair<qsizetype, qsizetype>> TiposSql::resultadosCaso(qsizetype abre, qsizetype cierra)
{
    std::vector<std::pair<qsizetype, qsizetype>> resultados;
    qsizetype inicio = -1;
    for (qsizetype m = abre + 1; m <= cierra; ++m) {
        const bool corte = vista_.es(m, QLatin1String("WHEN")) || vista_.es(m, QLatin1String("ELSE")) || m == cierra;
        if (corte && inicio >= 0) {
            resultados.emplace_back(inicio, m - 1);
            inicio = -1;
        }
        if (vista_.es(m, QLatin1String("THEN")) || vista_.es(m, QLatin1String("ELSE")))
            inicio = m + 1;
        else if (m != cierra && (vista_.esSimbolo(m, QLatin1String("(")) || vista_.es(m, QLatin1String("CASE"))))
            m = std::max(m, vista_.pareja(m));
    }
    return resultados;
}

// The arguments of the call whose "(" is at `abre`: first and last token of each.
std::vector<std::pair<qsizetype, qsizetype>> TiposSql::argumentos(qsizetype abre)
{
    const qsizetype cierra = vista_.pareja(abre);
    if (cierra < 0 || cierra == abre + 1)
        return {};
    return elementos(abre + 1, cierra - 1);
}

// The items of the list from `desde` to `hasta`: first and last token of each, split at the commas
// of its own level. An empty item ends before it starts.
std::vector<std::pair<qsizetype, qsizetype>> TiposSql::elementos(qsizetype desde, qsizetype hasta)
{
    std::vector<std::pair<qsizetype, qsizetype>> lista;
    qsizetype inicio = desde;
    for (qsizetype m = desde; m <= hasta + 1; ++m) {
        if (m == hasta + 1 || vista_.esSimbolo(m, QLatin1String(","))) {
            lista.emplace_back(inicio, m - 1);
            inicio = m + 1;
        } else if (vista_.esSimbolo(m, QLatin1String("(")) || vista_.es(m, QLatin1String("CASE"))) {
            m = std::max(m, vista_.pareja(m));
        }
    }
    return lista;
}

// The type of the argument from `tramo.first` to `tramo.second`, after the DISTINCT or ALL that may
// open it.
TipoExpresion TiposSql::tipoAgregado(std::pair<qsizetype, qsizetype> tramo, int profundidad)
{
    if (vista_.es(tramo.first, QLatin1String("DISTINCT")) || vista_.es(tramo.first, QLatin1String("ALL")))
        ++tramo.first;
    return tipoTramo(tramo.first, tramo.second, profundidad);
}

// The result type of the call of the function named at `k`.
TipoExpresion TiposSql::tipoFuncion(qsizetype k, int profundidad)
{
    const auto unoDe = [&](const auto& nombres) {
        for (const QLatin1String& n : nombres)
            if (vista_.es(k, n))
                return true;
        return false;
    };
    if (unoDe(kEnteras))
        return TipoExpresion::Entero;
    if (unoDe(kTextos))
        return TipoExpresion::Texto;
    if (vista_.es(k, QLatin1String("GETDATE")) || vista_.es(k, QLatin1String("DATEADD")))
        return TipoExpresion::Fecha;
    const auto args = argumentos(k + 1);
    if (args.empty())
        return TipoExpresion::Desconocido;
    if (vista_.es(k, QLatin1String("CAST"))) {
        for (qsizetype m = args.front().second; m > k + 1; --m)
            if (vista_.es(m, QLatin1String("AS")))
                return TipoDeNombre(vista_.texto(m + 1));
        return TipoExpresion::Desconocido;
    }
    if (vista_.es(k, QLatin1String("CONVERT")))
        return TipoDeNombre(vista_.texto(args.front().first));
    const auto tipoArgumento = [&](std::size_t i) { return tipoAgregado(args[i], profundidad); };
    if (vista_.es(k, QLatin1String("COALESCE"))) {
        TipoExpresion tipo = TipoExpresion::Nulo;
        for (std::size_t i = 0; i < args.size(); ++i)
            tipo = Combina(tipo, tipoArgumento(i));
        return tipo;
    }
    if (!unoDe(kComoArgumento))
        return TipoExpresion::Desconocido;
    const TipoExpresion primero = tipoArgumento(0);
    if (primero == TipoExpresion::Nulo && args.size() > 1 && vista_.es(k, QLatin1String("ISNULL")))
        return tipoArgumento(1);
    // NULLIF of text and a number compares, and gives, that number.
    if (primero == TipoExpresion::Texto && args.size() > 1 && vista_.es(k, QLatin1String("NULLIF"))
        && EsNumerico(tipoArgumento(1)))
        return tipoArgumento(1);
    // The server's SUM and AVG of a bit or an integer are integers; of a decimal, decimals.
    return primero;
}

bool TiposSql::esFinOperando(qsizetype k) const
{
    if (k < 0 || k >= vista_.size())
        return false;
    switch (vista_.token(k).tipo) {
    case Tipo::Numero:
    case Tipo::Cadena:
    case Tipo::NombreCorchetes:
    case Tipo::NombreComillas:
        return true;
    case Tipo::Simbolo:
        return vista_.esSimbolo(k, QLatin1String(")")) || vista_.esSimbolo(k, QLatin1String("?"));
    case Tipo::Palabra:
        for (const QLatin1String& palabra : kNoOperandos)
            if (vista_.es(k, palabra))
                return false;
        return true;
    default:
        return false;
    }
}

// First token of the expression "+" adds to, whose last token is `k`: back over operands joined by
// + - * / % and signs. A "+" already rewritten is jumped in one step, so a long chain stays linear.
qsizetype TiposSql::inicioOperando(qsizetype k)
{
    qsizetype inicio = inicioPrimario(k);
    for (;;) {
        const qsizetype p = inicio - 1;
        const bool operador = vista_.esSimbolo(p, QLatin1String("+")) || vista_.esSimbolo(p, QLatin1String("-"))
            || vista_.esSimbolo(p, QLatin1String("*")) || vista_.esSimbolo(p, QLatin1String("/"))
            || vista_.esSimbolo(p, QLatin1String("%")) || vista_.esSimbolo(p, QLatin1String("||"));
        if (operador && esFinOperando(p - 1)) {
            const auto suma = tiposSuma_.constFind(p - 1);
            const auto termino = tiposTermino_.constFind(p - 1);
            inicio = suma != tiposSuma_.cend()    ? suma->first
                : termino != tiposTermino_.cend() ? termino->first
                                                  : inicioPrimario(p - 1);
        } else if ((vista_.esSimbolo(p, QLatin1String("-")) || vista_.esSimbolo(p, QLatin1String("+"))
                    || vista_.esSimbolo(p, QLatin1String("~")))
                   && !esFinOperando(p - 1)) {
            inicio = p;
        } else {
            return inicio;
        }
    }
}

// Last token of the term "+" adds, which starts at `k`: a signed operand and those "*", "/" and "%"
// join to it.
qsizetype TiposSql::finOperando(qsizetype k)
{
    qsizetype fin = k;
    for (;;) {
        fin = finPrimario(finSignos(fin));
        if (vista_.esSimbolo(fin + 1, QLatin1String("*")) || vista_.esSimbolo(fin + 1, QLatin1String("/"))
            || vista_.esSimbolo(fin + 1, QLatin1String("%")) || vista_.esSimbolo(fin + 1, QLatin1String("||")))
            fin += 2;
        else
            return fin;
    }
}

// The first token after the signs that start at `k`.
qsizetype TiposSql::finSignos(qsizetype k) const
{
    while (vista_.esSimbolo(k, QLatin1String("-")) || vista_.esSimbolo(k, QLatin1String("+"))
           || vista_.esSimbolo(k, QLatin1String("~")))
        ++k;
    return k;
}

qsizetype TiposSql::inicioPrimario(qsizetype k)
{
    if (vista_.esSimbolo(k, QLatin1String(")"))) {
        const qsizetype abre = vista_.pareja(k);
        if (abre < 0)
            return k;
        return vista_.esNombre(abre - 1) && esFinOperando(abre - 1) ? inicioCadena(abre - 1) : abre;
    }
    if (vista_.es(k, QLatin1String("END"))) {
        const qsizetype caso = vista_.pareja(k);
        return caso >= 0 ? caso : k;
    }
    return vista_.esNombre(k) ? inicioCadena(k) : k;
}

qsizetype TiposSql::finPrimario(qsizetype k)
{
    if (vista_.esSimbolo(k, QLatin1String("(")) || vista_.es(k, QLatin1String("CASE")))
        return std::max(vista_.pareja(k), k);
    if (!vista_.esNombre(k))
        return k;
    const qsizetype fin = finCadena(k);
    return vista_.esSimbolo(fin + 1, QLatin1String("(")) ? std::max(vista_.pareja(fin + 1), fin) : fin;
}

// First token of the term whose last token is `k`: back over "*", "/" and "%" and signs.
qsizetype TiposSql::inicioTermino(qsizetype k)
{
    qsizetype inicio = inicioPrimario(k);
    for (;;) {
        while ((vista_.esSimbolo(inicio - 1, QLatin1String("-")) || vista_.esSimbolo(inicio - 1, QLatin1String("+"))
                || vista_.esSimbolo(inicio - 1, QLatin1String("~")))
               && !esFinOperando(inicio - 2))
            --inicio;
        const qsizetype p = inicio - 1;
        if (!(vista_.esSimbolo(p, QLatin1String("*")) || vista_.esSimbolo(p, QLatin1String("/"))
              || vista_.esSimbolo(p, QLatin1String("%")))
            || !esFinOperando(p - 1))
            return inicio;
        const auto previo = tiposTermino_.constFind(p - 1);
        inicio = previo != tiposTermino_.cend() ? previo->first : inicioPrimario(p - 1);
    }
}

bool TiposSql::esAritmetico(qsizetype k) const
{
    if (k < 0 || k >= vista_.size() || vista_.token(k).tipo != Tipo::Simbolo)
        return false;
    const QStringView s = vista_.texto(k);
    return s == u"+" || s == u"-" || s == u"*" || s == u"/" || s == u"%" || s == u"||" || s == u"&" || s == u"|"
        || s == u"^" || s == u"~";
}

qsizetype TiposSql::inicioCadena(qsizetype k) const
{
    while (vista_.esSimbolo(k - 1, QLatin1String(".")) && vista_.esNombre(k - 2))
        k -= 2;
    return k;
}

qsizetype TiposSql::finCadena(qsizetype k) const
{
    while (vista_.esSimbolo(k + 1, QLatin1String(".")) && vista_.esNombre(k + 2))
        k += 2;
    return k;
}

void TiposSql::anota(bool suma, qsizetype fin, qsizetype inicio, TipoExpresion tipo)
{
    (suma ? tiposSuma_ : tiposTermino_).insert(fin, {inicio, tipo});
}

qsizetype TiposSql::inicioSuma(qsizetype fin) const
{
    const auto suma = tiposSuma_.constFind(fin);
    return suma != tiposSuma_.cend() ? suma->first : -1;
}

} // namespace ado::dialecto
