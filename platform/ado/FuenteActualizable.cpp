#include "platform/ado/FuenteActualizable.h"

#include "platform/ado/dialect/VistaSql.h"

namespace ado {
namespace {

using dialecto::VistaSql;

// A keyword at the statement's own level: one inside brackets belongs to a subquery or a call.
bool esPalabra(const VistaSql& v, qsizetype k, QLatin1String palabra)
{
    return v.profundidad(k) == 0 && v.es(k, palabra);
}

bool esNombre(const VistaSql& v, qsizetype k)
{
    return v.esNombre(k) && !v.token(k).abierto;
}

bool hayComillaAbierta(const VistaSql& v)
{
    for (qsizetype k = 0; k < v.size(); ++k) {
        if (v.token(k).abierto)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> TablaActualizable(const QString& fuente)
{
    const VistaSql v(fuente);
    if (v.size() == 0 || !esPalabra(v, 0, QLatin1String("SELECT")) || hayComillaAbierta(v))
        return std::nullopt;
    qsizetype i = 1;
    while (i < v.size() && !esPalabra(v, i, QLatin1String("FROM")))
        ++i;
    if (!esNombre(v, ++i))
        return std::nullopt;
    QString tabla = v.nombreEscrito(i);
    while (v.esSimbolo(i + 1, QLatin1String(".")) && esNombre(v, i + 2)) {
        tabla = v.nombreEscrito(i + 2);
        i += 2;
    }
    ++i;
    const bool fin = i == v.size() || (i + 1 == v.size() && v.esSimbolo(i, QLatin1String(";")));
    if (!fin && !esPalabra(v, i, QLatin1String("WHERE")) && !esPalabra(v, i, QLatin1String("ORDER")))
        return std::nullopt;
    for (; i < v.size(); ++i) {
        for (const char* prohibida : {"UNION", "EXCEPT", "INTERSECT", "GROUP", "HAVING", "JOIN", "FROM"}) {
            if (esPalabra(v, i, QLatin1String(prohibida)))
                return std::nullopt;
        }
    }
    return tabla;
}

} // namespace ado
