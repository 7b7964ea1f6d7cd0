#include "platform/ado/dialect/PasoPistas.h"

#include <algorithm>

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

const QLatin1String kPistas[] = {
    QLatin1String("NOLOCK"),         QLatin1String("READUNCOMMITTED"),
    QLatin1String("READCOMMITTED"),  QLatin1String("READCOMMITTEDLOCK"),
    QLatin1String("REPEATABLEREAD"), QLatin1String("SERIALIZABLE"),
    QLatin1String("HOLDLOCK"),       QLatin1String("UPDLOCK"),
    QLatin1String("XLOCK"),          QLatin1String("ROWLOCK"),
    QLatin1String("PAGLOCK"),        QLatin1String("TABLOCK"),
    QLatin1String("TABLOCKX"),       QLatin1String("NOWAIT"),
    QLatin1String("READPAST"),       QLatin1String("INDEX"),
    QLatin1String("FORCESEEK"),      QLatin1String("FORCESCAN"),
    QLatin1String("NOEXPAND"),       QLatin1String("FASTFIRSTROW"),
};

} // namespace

bool PasoPistas::esPista(qsizetype k) const
{
    for (const QLatin1String& pista : kPistas)
        if (vista_.es(k, pista))
            return true;
    return false;
}

// Whether the parentheses from `abre` to `cierra` hold hints only: hint words separated by commas,
// each with its arguments in parentheses or none ("NOLOCK, INDEX(IX_A, 2)"). Anything else is not
// a hint list, and dropping it would drop text the statement holds.
bool PasoPistas::soloPistas(qsizetype abre, qsizetype cierra) const
{
    bool esperaPista = true;
    for (qsizetype j = abre + 1; j < cierra; ++j) {
        if (!esperaPista) {
            if (!vista_.esSimbolo(j, QLatin1String(",")))
                return false;
            esperaPista = true;
            continue;
        }
        if (!esPista(j))
            return false;
        esperaPista = false;
        if (!vista_.esSimbolo(j + 1, QLatin1String("(")))
            continue;
        const qsizetype fin = vista_.pareja(j + 1);
        if (fin < 0 || fin > cierra)
            return false;
        for (qsizetype i = j + 2; i < fin; ++i) {
            const Tipo tipo = vista_.token(i).tipo;
            if (tipo != Tipo::Palabra && tipo != Tipo::Numero && tipo != Tipo::NombreCorchetes
                && tipo != Tipo::NombreComillas && !vista_.esSimbolo(i, QLatin1String(",")))
                return false;
        }
        j = fin;
    }
    return !esperaPista;
}

qsizetype PasoPistas::quita(qsizetype k)
{
    qsizetype abre = -1;
    if (vista_.es(k, QLatin1String("WITH")) && vista_.esSimbolo(k + 1, QLatin1String("(")) && esPista(k + 2))
        abre = k + 1;
    else if (vista_.esSimbolo(k, QLatin1String("(")) && esPista(k + 1) && vista_.esSimbolo(k + 2, QLatin1String(")"))
             && vista_.esNombre(k - 1) && !vista_.es(k - 1, QLatin1String("IN"))
             && !vista_.esSimbolo(k - 2, QLatin1String(".")))
        abre = k;
    const qsizetype cierra = abre < 0 ? -1 : vista_.pareja(abre);
    if (cierra < 0 || !soloPistas(abre, cierra))
        return -1;
    marcas_.omite(k, cierra);
    quitadas_.emplace_back(k, cierra);
    return cierra + 1;
}

qsizetype PasoPistas::tras(qsizetype k) const
{
    const auto it = std::lower_bound(quitadas_.begin(), quitadas_.end(), k,
                                     [](const std::pair<qsizetype, qsizetype>& q, qsizetype m) { return q.first < m; });
    return it != quitadas_.end() && it->first == k ? it->second + 1 : -1;
}

} // namespace ado::dialecto
