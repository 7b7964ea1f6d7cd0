#include "platform/ado/dialect/SentenciasSql.h"

namespace ado::dialecto {
namespace {

const QLatin1String kFinColumnas[] = {
    QLatin1String("FROM"),      QLatin1String("INTO"),   QLatin1String("WHERE"), QLatin1String("GROUP"),
    QLatin1String("ORDER"),     QLatin1String("HAVING"), QLatin1String("UNION"), QLatin1String("EXCEPT"),
    QLatin1String("INTERSECT"), QLatin1String("OPTION"), QLatin1String("FOR"),   QLatin1String("LIMIT"),
};

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
    for (const QLatin1String& palabra : kFinColumnas)
        if (vista.es(k, palabra))
            return true;
    return false;
}

} // namespace ado::dialecto
