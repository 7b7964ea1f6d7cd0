#include "platform/ado/FuenteActualizable.h"

#include <QList>

namespace ado {
namespace {

struct Pieza {
    enum Clase { Palabra, Nombre, Literal, Signo } clase;
    QString texto;  // a Nombre without its quotes or brackets
    int nivel = 0;  // parenthesis depth where it stands
};

bool esLetraDePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Reads up to `cierre`; a doubled closing character stands for itself. False when unterminated.
bool leeEntre(const QString& t, qsizetype& pos, QChar cierre, QString& contenido)
{
    for (++pos; pos < t.size(); ++pos) {
        if (t[pos] == cierre) {
            if (pos + 1 < t.size() && t[pos + 1] == cierre && cierre != u']') {
                contenido += cierre;
                ++pos;
                continue;
            }
            ++pos;
            return true;
        }
        contenido += t[pos];
    }
    return false;
}

std::optional<QList<Pieza>> trocea(const QString& t)
{
    QList<Pieza> piezas;
    int nivel = 0;
    qsizetype pos = 0;
    while (pos < t.size()) {
        const QChar c = t[pos];
        if (c.isSpace()) {
            ++pos;
        } else if (c == u'\'' || c == u'"' || c == u'[') {
            QString contenido;
            if (!leeEntre(t, pos, c == u'[' ? QChar(u']') : c, contenido))
                return std::nullopt;
            piezas.append({c == u'\'' ? Pieza::Literal : Pieza::Nombre, contenido, nivel});
        } else if (esLetraDePalabra(c)) {
            const qsizetype inicio = pos;
            while (pos < t.size() && esLetraDePalabra(t[pos]))
                ++pos;
            piezas.append({Pieza::Palabra, t.mid(inicio, pos - inicio), nivel});
        } else {
            if (c == u')')
                --nivel;
            piezas.append({Pieza::Signo, QString(c), nivel});
            if (c == u'(')
                ++nivel;
            ++pos;
        }
    }
    return piezas;
}

bool esPalabra(const Pieza& p, const char* palabra)
{
    return p.clase == Pieza::Palabra && p.nivel == 0 && p.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool esNombre(const Pieza& p)
{
    return p.clase == Pieza::Nombre || p.clase == Pieza::Palabra;
}

} // namespace

std::optional<QString> TablaActualizable(const QString& fuente)
{
    const auto troceado = trocea(fuente);
    if (!troceado || troceado->isEmpty() || !esPalabra(troceado->first(), "SELECT"))
        return std::nullopt;
    const QList<Pieza>& p = *troceado;
    qsizetype i = 1;
    while (i < p.size() && !esPalabra(p[i], "FROM"))
        ++i;
    if (++i >= p.size() || !esNombre(p[i]))
        return std::nullopt;
    QString tabla = p[i].texto;
    while (i + 2 < p.size() && p[i + 1].clase == Pieza::Signo && p[i + 1].texto == u"." && esNombre(p[i + 2])) {
        tabla = p[i + 2].texto;
        i += 2;
    }
    ++i;
    const bool fin = i == p.size() || (i + 1 == p.size() && p[i].texto == u";");
    if (!fin && !esPalabra(p[i], "WHERE") && !esPalabra(p[i], "ORDER"))
        return std::nullopt;
    for (; i < p.size(); ++i) {
        for (const char* prohibida : {"UNION", "EXCEPT", "INTERSECT", "GROUP", "HAVING", "JOIN", "FROM"}) {
            if (esPalabra(p[i], prohibida))
                return std::nullopt;
        }
    }
    return tabla;
}

} // namespace ado
