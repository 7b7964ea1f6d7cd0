#include "platform/ado/dialect/MarcasSql.h"

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

} // namespace

MarcasSql::Marca& MarcasSql::marca(qsizetype indiceToken)
{
    if (marcas_.isEmpty())
        marcas_.resize(vista_.tokens().size());
    return marcas_[indiceToken];
}

void MarcasSql::agregaSufijo(qsizetype k, const QString& sufijo, bool interior)
{
    if (!vista_.existe(k) || vista_.token(k).abierto)
        return;
    Marca& m = marca(vista_.indice(k));
    if (interior)
        m.sufijo.prepend(sufijo);
    else
        m.sufijo += sufijo;
}

bool MarcasSql::sustituido(qsizetype k) const
{
    if (marcas_.isEmpty() || !vista_.existe(k))
        return false;
    const Marca& m = marcas_[vista_.indice(k)];
    return m.reemplaza || m.omite;
}

void MarcasSql::omite(qsizetype desde, qsizetype hasta)
{
    for (qsizetype i = vista_.indice(desde); i <= vista_.indice(hasta); ++i)
        marca(i).omite = true;
}

QString MarcasSql::escribe(bool minusculas) const
{
    const QStringView entrada = vista_.textoCompleto();
    const QList<TokenSql>& tokens = vista_.tokens();
    QString salida;
    salida.reserve(entrada.size() + 32);
    // The tokens cover the text without gaps: those kept as they are go out in runs, one append
    // per run rather than one per token.
    qsizetype copiaDesde = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const TokenSql& tk = tokens[i];
        const Marca* a = marcas_.isEmpty() ? nullptr : &marcas_[i];
        const bool nombre = tk.tipo == Tipo::NombreCorchetes || tk.tipo == Tipo::NombreComillas;
        const bool tal = !tk.nacional && (!nombre || tk.abierto || (tk.tipo == Tipo::NombreComillas && !minusculas));
        if (tal && (!a || (!a->reemplaza && !a->omite && a->sufijo.isEmpty() && a->prefijo.isEmpty())))
            continue;
        salida += entrada.mid(copiaDesde, tk.inicio - copiaDesde);
        copiaDesde = tk.inicio + tk.largo;
        // What the rewrite writes or leaves out never joins the words on either side into one token:
        // "x'a '" must not become "xrtrim('a ')", "'a '$$" "...::citext$$", nor "x$dbo.T" "x$T".
        const auto separa = [&salida](QChar siguiente) {
            if (!salida.isEmpty() && TokenizadorSql::siguePalabra(salida.back())
                && TokenizadorSql::siguePalabra(siguiente))
                salida += u' ';
        };
        if (a && !a->prefijo.isEmpty()) {
            separa(a->prefijo.front());
            salida += a->prefijo;
        }
        if (a && a->reemplaza)
            salida += a->reemplazo;
        else if (!a || !a->omite)
            agregaToken(salida, tk, minusculas);
        if (a)
            salida += a->sufijo;
        if (copiaDesde < entrada.size())
            separa(entrada[copiaDesde]);
    }
    salida += entrada.mid(copiaDesde);
    return salida;
}

void MarcasSql::agregaToken(QString& salida, const TokenSql& tk, bool minusculas) const
{
    const QStringView t = vista_.textoCompleto().mid(tk.inicio, tk.largo);
    if (tk.tipo == Tipo::NombreCorchetes && !tk.abierto) {
        const QString nombre = TokenizadorSql::entreComillas(t);
        salida += minusculas ? nombre.toLower() : nombre;
    } else if (tk.tipo == Tipo::NombreComillas && minusculas) {
        salida += t.toString().toLower();
    } else if (tk.nacional) {
        // Right after another literal, 'a'N'b' would become the one literal 'a''b'.
        if (salida.endsWith(u'\''))
            salida += u' ';
        salida += t.mid(1);
    } else {
        salida += t;
    }
}

} // namespace ado::dialecto
