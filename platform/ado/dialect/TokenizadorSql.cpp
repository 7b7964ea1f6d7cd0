#include "platform/ado/dialect/TokenizadorSql.h"

namespace ado::dialecto {
namespace {

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool iniciaPalabra(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'@' || c == u'#';
}

// End of a piece quoted by `cierre`, where a doubled `cierre` stands for itself; `abierto` when the
// text ends first.
qsizetype finCitado(QStringView t, qsizetype desde, QChar cierre, bool& abierto)
{
    qsizetype i = desde;
    while (i < t.size()) {
        if (t[i] == cierre) {
            if (i + 1 < t.size() && t[i + 1] == cierre) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    abierto = true;
    return t.size();
}

qsizetype finNumero(QStringView t, qsizetype i)
{
    while (i < t.size() && (esDigito(t[i]) || t[i] == u'.'))
        ++i;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            ++j;
        if (j < t.size() && esDigito(t[j]))
            i = j;
    }
    // Hexadecimal digits and any letters glued to the number stay in it, as the database reads them.
    while (i < t.size() && (t[i].isLetterOrNumber() || t[i] == u'_'))
        ++i;
    return i;
}

// End of a dollar-quoted piece starting at `i` ("$$" or "$tag$"), or -1 when `i` does not open one
// ("$1" is a parameter); `abierto` when the text ends before the closing tag.
qsizetype finDolar(QStringView t, qsizetype i, bool& abierto)
{
    qsizetype j = i + 1;
    while (j < t.size() && (t[j].isLetter() || t[j] == u'_' || (j > i + 1 && esDigito(t[j]))))
        ++j;
    if (j >= t.size() || t[j] != u'$')
        return -1;
    const QStringView etiqueta = t.mid(i, j - i + 1);
    const qsizetype cierre = t.indexOf(etiqueta, j + 1);
    if (cierre < 0) {
        abierto = true;
        return t.size();
    }
    return cierre + etiqueta.size();
}

bool esOperadorDoble(QChar a, QChar b)
{
    switch (a.unicode()) {
    case u'<':
        return b == u'=' || b == u'>';
    case u'>':
        return b == u'=';
    case u'!':
        return b == u'=' || b == u'<' || b == u'>';
    case u'|':
        return b == u'|';
    case u'=':
        return b == u'=';
    default:
        return false;
    }
}

} // namespace

QString TokenizadorSql::entreComillas(QStringView corchetes)
{
    QString nombre;
    nombre.reserve(corchetes.size());
    nombre += u'"';
    for (qsizetype i = 1; i + 1 < corchetes.size(); ++i) {
        if (corchetes[i] == u']' && corchetes[i + 1] == u']')
            ++i;
        if (corchetes[i] == u'"')
            nombre += u'"';
        nombre += corchetes[i];
    }
    nombre += u'"';
    return nombre;
}

namespace {

QString entre(QStringView texto, QChar comilla)
{
    QString citado;
    citado.reserve(texto.size() + 2);
    citado += comilla;
    for (const QChar c : texto) {
        if (c == comilla)
            citado += comilla;
        citado += c;
    }
    citado += comilla;
    return citado;
}

} // namespace

QString TokenizadorSql::citaNombre(QStringView nombre)
{
    return entre(nombre, u'"');
}

QString TokenizadorSql::citaCadena(QStringView texto)
{
    return entre(texto, u'\'');
}

bool TokenizadorSql::siguePalabra(QChar c)
{
    return iniciaPalabra(c) || c.isDigit() || c == u'$';
}

TokenSql TokenizadorSql::lee(QStringView t, qsizetype i)
{
    using Tipo = TokenSql::Tipo;
    TokenSql tk{Tipo::Simbolo};
    tk.inicio = i;
    const QChar c = t[i];
    const QChar sig = i + 1 < t.size() ? t[i + 1] : QChar();
    qsizetype fin = i + 1;
    if (c.isSpace()) {
        tk.tipo = Tipo::Espacio;
        while (fin < t.size() && t[fin].isSpace())
            ++fin;
    } else if (c == u'-' && sig == u'-') {
        tk.tipo = Tipo::Comentario;
        fin = t.indexOf(u'\n', i);
        if (fin < 0)
            fin = t.size();
    } else if (c == u'/' && sig == u'*') {
        tk.tipo = Tipo::Comentario;
        fin = t.indexOf(u"*/", i + 2);
        if (fin < 0) {
            tk.abierto = true;
            fin = t.size();
        } else {
            fin += 2;
        }
    } else if (c == u'\'') {
        tk.tipo = Tipo::Cadena;
        fin = finCitado(t, i + 1, u'\'', tk.abierto);
    } else if ((c == u'N' || c == u'n') && sig == u'\'') {
        tk.tipo = Tipo::Cadena;
        tk.nacional = true;
        fin = finCitado(t, i + 2, u'\'', tk.abierto);
    } else if (c == u'[') {
        tk.tipo = Tipo::NombreCorchetes;
        fin = finCitado(t, i + 1, u']', tk.abierto);
    } else if (c == u'"') {
        tk.tipo = Tipo::NombreComillas;
        fin = finCitado(t, i + 1, u'"', tk.abierto);
    } else if (c == u'$' && finDolar(t, i, tk.abierto) > 0) {
        tk.tipo = Tipo::CadenaDolar;
        fin = finDolar(t, i, tk.abierto);
    } else if (esDigito(c) || (c == u'.' && esDigito(sig))) {
        tk.tipo = Tipo::Numero;
        fin = finNumero(t, i);
    } else if (iniciaPalabra(c)) {
        tk.tipo = Tipo::Palabra;
        while (fin < t.size() && siguePalabra(t[fin]))
            ++fin;
    } else if (esOperadorDoble(c, sig)) {
        fin = i + 2;
    }
    tk.largo = fin - i;
    return tk;
}

QList<TokenSql> TokenizadorSql::divide(QStringView t)
{
    QList<TokenSql> tokens;
    tokens.reserve(t.size() / 3 + 4);
    for (qsizetype i = 0; i < t.size(); i += tokens.back().largo)
        tokens.append(lee(t, i));
    return tokens;
}

} // namespace ado::dialecto
