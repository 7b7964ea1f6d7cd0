#include "platform/ado/dialect/ReescrituraDialecto.h"

// The type the server gives each expression: literals, columns from the schema, the result types of
// functions and its precedence. Operators, functions and comparisons whose meaning depends on types
// ask these; nothing here writes to the result.

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

} // namespace

TipoExpresion ReescrituraDialecto::tipoNumero(qsizetype k) const
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
TipoExpresion ReescrituraDialecto::tipoPrimario(qsizetype k, qsizetype& fin, int profundidad)
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
TipoExpresion ReescrituraDialecto::tipoTramo(qsizetype desde, qsizetype hasta, int profundidad)
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
TipoExpresion ReescrituraDialecto::tipoIzquierdo(qsizetype k, bool soloTermino)
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
TipoExpresion ReescrituraDialecto::tipoCaso(qsizetype abre, qsizetype cierra, int profundidad)
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
std::vector<std::pair<qsizetype, qsizetype>> ReescrituraDialecto::resultadosCaso(qsizetype abre, qsizetype cierra)
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
std::vector<std::pair<qsizetype, qsizetype>> ReescrituraDialecto::argumentos(qsizetype abre)
{
    const qsizetype cierra = vista_.pareja(abre);
    if (cierra < 0 || cierra == abre + 1)
        return {};
    return elementos(abre + 1, cierra - 1);
}

// The items of the list from `desde` to `hasta`: first and last token of each, split at the commas
// of its own level. An empty item ends before it starts.
std::vector<std::pair<qsizetype, qsizetype>> ReescrituraDialecto::elementos(qsizetype desde, qsizetype hasta)
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
TipoExpresion ReescrituraDialecto::tipoAgregado(std::pair<qsizetype, qsizetype> tramo, int profundidad)
{
    if (vista_.es(tramo.first, QLatin1String("DISTINCT")) || vista_.es(tramo.first, QLatin1String("ALL")))
        ++tramo.first;
    return tipoTramo(tramo.first, tramo.second, profundidad);
}

// The result type of the call of the function named at `k`.
TipoExpresion ReescrituraDialecto::tipoFuncion(qsizetype k, int profundidad)
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

} // namespace ado::dialecto
