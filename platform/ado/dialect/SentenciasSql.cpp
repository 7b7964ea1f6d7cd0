#include "platform/ado/dialect/SentenciasSql.h"

namespace ado::dialecto {
namespace {

const QLatin1String kFinColumnas[] = {
    QLatin1String("FROM"),      QLatin1String("INTO"),   QLatin1String("WHERE"), QLatin1String("GROUP"),
    QLatin1String("ORDER"),     QLatin1String("HAVING"), QLatin1String("UNION"), QLatin1String("EXCEPT"),
    QLatin1String("INTERSECT"), QLatin1String("OPTION"), QLatin1String("FOR"),   QLatin1String("LIMIT"),
};

// Whether token `k` is one of the words Sentencia::consulta looks for; the length comes first, as
// nearly every token fails there.
bool esDeConsulta(const VistaSql& vista, qsizetype k)
{
    if (vista.token(k).tipo != TokenSql::Tipo::Palabra)
        return false;
    switch (vista.token(k).largo) {
    case 3:
        return vista.esAlguna(k, {QLatin1String("MIN"), QLatin1String("MAX")});
    case 5:
        return vista.esAlguna(
            k, {QLatin1String("ORDER"), QLatin1String("GROUP"), QLatin1String("UNION"), QLatin1String("COUNT")});
    case 6:
        return vista.esAlguna(k, {QLatin1String("SELECT"), QLatin1String("EXCEPT")});
    case 9:
        return vista.es(k, QLatin1String("INTERSECT"));
    default:
        return false;
    }
}

} // namespace

SentenciasSql::SentenciasSql(const VistaSql& vista)
{
    qsizetype k = 0;
    while (k < vista.size()) {
        if (vista.esSimbolo(k, QLatin1String(";"))) {
            ++k;
            continue;
        }
        Sentencia s;
        s.primero = k;
        s.definicion = vista.esAlguna(k, {QLatin1String("CREATE"), QLatin1String("ALTER"), QLatin1String("DROP")});
        int bloque = 0;
        for (; k < vista.size(); ++k) {
            s.consulta = s.consulta || esDeConsulta(vista, k);
            if (s.definicion && vista.esAlguna(k, {QLatin1String("BEGIN"), QLatin1String("CASE")}))
                ++bloque;
            else if (s.definicion && vista.es(k, QLatin1String("END")))
                --bloque;
            else if (vista.esSimbolo(k, QLatin1String(";")) && bloque <= 0)
                break;
        }
        s.fin = k;
        lista_.push_back(s);
    }
}

bool SentenciasSql::terminaColumnas(const VistaSql& vista, qsizetype k)
{
    if (!vista.existe(k) || vista.token(k).largo < 3 || vista.token(k).largo > 9)
        return false;
    for (const QLatin1String& palabra : kFinColumnas)
        if (vista.es(k, palabra))
            return true;
    return false;
}

} // namespace ado::dialecto
