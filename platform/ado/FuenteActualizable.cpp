#include "platform/ado/FuenteActualizable.h"

#include "platform/ado/dialect/TokenizadorSql.h"

#include <QList>

namespace ado {
namespace {

struct Pieza {
    enum Clase { Palabra, Nombre, Literal, Signo } clase;
    QString texto; // a Nombre without its quotes or brackets
    int nivel = 0; // parenthesis depth where it stands
};

// The significant tokens of the text, comments left out; nothing when a quote is left open.
std::optional<QList<Pieza>> trocea(const QString& t)
{
    using Tipo = dialecto::TokenSql::Tipo;
    QList<Pieza> piezas;
    int nivel = 0;
    for (const dialecto::TokenSql& tk : dialecto::TokenizadorSql::divide(t)) {
        if (tk.tipo == Tipo::Espacio || tk.tipo == Tipo::Comentario)
            continue;
        if (tk.abierto)
            return std::nullopt;
        const QStringView texto = QStringView(t).mid(tk.inicio, tk.largo);
        switch (tk.tipo) {
        case Tipo::Cadena:
        case Tipo::CadenaDolar:
            piezas.append({Pieza::Literal, texto.toString(), nivel});
            break;
        case Tipo::NombreCorchetes:
            piezas.append({Pieza::Nombre,
                           texto.mid(1, texto.size() - 2).toString().replace(QStringLiteral("]]"), QStringLiteral("]")),
                           nivel});
            break;
        case Tipo::NombreComillas:
            piezas.append(
                {Pieza::Nombre,
                 texto.mid(1, texto.size() - 2).toString().replace(QStringLiteral("\"\""), QStringLiteral("\"")),
                 nivel});
            break;
        case Tipo::Simbolo:
            if (texto == u")")
                --nivel;
            piezas.append({Pieza::Signo, texto.toString(), nivel});
            if (texto == u"(")
                ++nivel;
            break;
        default:
            piezas.append({Pieza::Palabra, texto.toString(), nivel});
            break;
        }
    }
    return piezas;
}

bool esPalabra(const Pieza& p, const char* palabra)
{
    return p.clase == Pieza::Palabra && p.nivel == 0
        && p.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
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
