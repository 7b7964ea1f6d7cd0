#include "platform/ado/dialect/VistaSql.h"

#include "runtime/FuncionesVB.h"

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

// Upper case of a name; ASCII names (nearly all of them) skip Qt's Unicode tables.
QString mayusculas(QStringView t)
{
    QString s(t.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(s.data());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= 0x80)
            return t.toString().toUpper();
        d[i] = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    }
    return s;
}

// The text between the quotes of a quoted piece, with the doubled closing quote undone; an open piece
// has no closing quote to drop.
QString entreSusComillas(QStringView t, QChar cierre, bool abierto)
{
    const QStringView dentro = t.mid(1, t.size() - (abierto ? 1 : 2));
    QString s = dentro.toString();
    if (dentro.contains(cierre))
        s.replace(QString(2, cierre), QString(cierre));
    return s;
}

QChar cierreDe(Tipo tipo)
{
    switch (tipo) {
    case Tipo::NombreCorchetes:
        return u']';
    case Tipo::NombreComillas:
        return u'"';
    default:
        return u'\'';
    }
}

} // namespace

VistaSql::VistaSql(QStringView texto) : texto_(texto), tokens_(TokenizadorSql::divide(texto))
{
    sig_.reserve(tokens_.size());
    for (qsizetype i = 0; i < tokens_.size(); ++i) {
        const Tipo t = tokens_[i].tipo;
        if (t != Tipo::Espacio && t != Tipo::Comentario)
            sig_.append(i);
    }
}

QStringView VistaSql::texto(qsizetype k) const
{
    if (!existe(k))
        return {};
    const TokenSql& tk = token(k);
    return texto_.mid(tk.inicio, tk.largo);
}

bool VistaSql::es(qsizetype k, QLatin1String palabra) const
{
    if (!existe(k))
        return false;
    const TokenSql& tk = token(k);
    return tk.tipo == Tipo::Palabra && tk.largo == palabra.size() && FuncionesVB::IgualSinCaso(texto(k), palabra);
}

bool VistaSql::esAlguna(qsizetype k, std::initializer_list<QLatin1String> palabras) const
{
    for (const QLatin1String& palabra : palabras)
        if (es(k, palabra))
            return true;
    return false;
}

bool VistaSql::esSimbolo(qsizetype k, QLatin1String simbolo) const
{
    if (!existe(k))
        return false;
    const TokenSql& tk = token(k);
    if (tk.tipo != Tipo::Simbolo || tk.largo != simbolo.size())
        return false;
    for (qsizetype i = 0; i < tk.largo; ++i) {
        if (texto_[tk.inicio + i] != QLatin1Char(simbolo[i]))
            return false;
    }
    return true;
}

bool VistaSql::esNombre(qsizetype k) const
{
    if (!existe(k))
        return false;
    const Tipo t = token(k).tipo;
    return t == Tipo::Palabra || t == Tipo::NombreCorchetes || t == Tipo::NombreComillas;
}

bool VistaSql::esCadena(qsizetype k) const
{
    return existe(k) && token(k).tipo == Tipo::Cadena && !token(k).abierto;
}

QString VistaSql::nombreEscrito(qsizetype k) const
{
    if (!existe(k))
        return {};
    const TokenSql& tk = token(k);
    if (tk.tipo != Tipo::NombreCorchetes && tk.tipo != Tipo::NombreComillas)
        return texto(k).toString();
    return entreSusComillas(texto(k), cierreDe(tk.tipo), tk.abierto);
}

QString VistaSql::nombre(qsizetype k) const
{
    if (existe(k) && token(k).tipo == Tipo::Palabra)
        return mayusculas(texto(k));
    return mayusculas(nombreEscrito(k));
}

QString VistaSql::cadena(qsizetype k) const
{
    if (!existe(k) || token(k).tipo != Tipo::Cadena)
        return {};
    const TokenSql& tk = token(k);
    return entreSusComillas(tk.nacional ? texto(k).mid(1) : texto(k), u'\'', tk.abierto);
}

QString VistaSql::sinComillas(QStringView escrito)
{
    const QList<TokenSql> tokens = TokenizadorSql::divide(escrito);
    if (tokens.size() != 1)
        return escrito.toString();
    const TokenSql& tk = tokens.front();
    switch (tk.tipo) {
    case Tipo::Cadena:
        return entreSusComillas(tk.nacional ? escrito.mid(1) : escrito, u'\'', tk.abierto);
    case Tipo::NombreCorchetes:
    case Tipo::NombreComillas:
        return entreSusComillas(escrito, cierreDe(tk.tipo), tk.abierto);
    default:
        return escrito.toString();
    }
}

void VistaSql::empareja() const
{
    parejas_.assign(sig_.size(), -1);
    profundidades_.assign(sig_.size(), 0);
    std::vector<qsizetype> abiertos;
    int parentesis = 0;
    for (qsizetype i = 0; i < sig_.size(); ++i) {
        // Only a one-character symbol or a word of three or four letters can open or close anything.
        const TokenSql& tk = token(i);
        const QChar c = tk.tipo == Tipo::Simbolo && tk.largo == 1 ? texto_[tk.inicio] : QChar();
        const bool abre = c == u'(';
        const bool cierra = c == u')';
        const bool palabra = tk.tipo == Tipo::Palabra && (tk.largo == 3 || tk.largo == 4);
        const int cerrables = parentesis;
        if (cierra && parentesis > 0)
            --parentesis;
        profundidades_[i] = parentesis;
        if (abre)
            ++parentesis;
        if (abre || (palabra && es(i, QLatin1String("CASE")))) {
            abiertos.push_back(i);
        } else if (cierra && cerrables > 0) {
            // A ")" closes its "(" and leaves any CASE opened inside it without an END, so that
            // both ends of every pair stand at one depth.
            while (!esSimbolo(abiertos.back(), QLatin1String("(")))
                abiertos.pop_back();
            parejas_[abiertos.back()] = i;
            parejas_[i] = abiertos.back();
            abiertos.pop_back();
        } else if (palabra && !abiertos.empty() && !esSimbolo(abiertos.back(), QLatin1String("("))
                   && es(i, QLatin1String("END"))) {
            parejas_[abiertos.back()] = i;
            parejas_[i] = abiertos.back();
            abiertos.pop_back();
        }
    }
}

qsizetype VistaSql::pareja(qsizetype k) const
{
    if (!existe(k))
        return -1;
    if (parejas_.empty())
        empareja();
    return parejas_[k];
}

int VistaSql::profundidad(qsizetype k) const
{
    if (!existe(k))
        return 0;
    if (profundidades_.empty())
        empareja();
    return profundidades_[k];
}

qsizetype VistaSql::siguiente(qsizetype k, QLatin1String simbolo, std::initializer_list<QLatin1String> palabras) const
{
    for (qsizetype i = k + 1; i < size(); ++i) {
        if (esSimbolo(i, QLatin1String(")")))
            return size();
        if (esSimbolo(i, simbolo) || esAlguna(i, palabras))
            return i;
        if (esSimbolo(i, QLatin1String("(")) || es(i, QLatin1String("CASE"))) {
            const qsizetype cierre = pareja(i);
            if (cierre < 0)
                return size();
            i = cierre;
        }
    }
    return size();
}

} // namespace ado::dialecto
