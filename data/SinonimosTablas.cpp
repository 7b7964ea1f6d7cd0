#include "data/SinonimosTablas.h"

#include <array>

namespace {

struct Sinonimo {
    QLatin1StringView tabla;
    QLatin1StringView sinonimo;
    int contextos;
};

// In the order in which they are exchanged. The synonym of the last table is spelled with an
// underscore between CUENTAS and DIARIO, unlike its table.
constexpr std::array<Sinonimo, 7> kSinonimos{{
    {QLatin1StringView("MA_CUENTAS"), QLatin1StringView("SS_MA_CUENTAS"), 6},
    {QLatin1StringView("V_TA_DEPOSITO"), QLatin1StringView("SS_V_TA_DEPOSITO"), 5},
    {QLatin1StringView("MV_ASIENTOS"), QLatin1StringView("SS_MV_ASIENTOS"), 5},
    {QLatin1StringView("V_TA_FAMILIAS"), QLatin1StringView("SS_V_TA_FAMILIAS"), 5},
    {QLatin1StringView("V_TA_CAJAS"), QLatin1StringView("SS_V_TA_CAJAS"), 5},
    {QLatin1StringView("AC_CUENTASDIARIO"), QLatin1StringView("SS_AC_CUENTASDIARIO"), 5},
    {QLatin1StringView("AC_CUENTASDIARIO_CCOSTO"), QLatin1StringView("SS_AC_CUENTAS_DIARIO_CCOSTO"), 5},
}};

struct Contexto {
    char antes;
    char despues;
};
constexpr std::array<Contexto, 6> kContextos{{{' ', ' '}, {'(', ' '}, {' ', '.'}, {'(', '.'}, {',', '.'}, {'{', '.'}}};

const QString kMarcador = QStringLiteral("@Admin_");

} // namespace

QString SinonimosTablas::Sustituye(const QString& sql, bool esAdmin)
{
    QString resultado = sql;
    if (!esAdmin) {
        for (const auto& s : kSinonimos) {
            // Most statements name none of these tables: skip the context searches for them.
            if (!resultado.contains(s.tabla, Qt::CaseInsensitive))
                continue;
            for (int i = 0; i < s.contextos; ++i) {
                const auto& c = kContextos[static_cast<std::size_t>(i)];
                const QString antes = QLatin1Char(c.antes) + s.tabla + QLatin1Char(c.despues);
                const QString despues = QLatin1Char(c.antes) + s.sinonimo + QLatin1Char(c.despues);
                resultado.replace(antes, despues, Qt::CaseInsensitive);
            }
            if (s.contextos == 6)
                resultado.replace(kMarcador + s.tabla, QString(s.tabla), Qt::CaseInsensitive);
        }
    }
    resultado.replace(kMarcador, QString(), Qt::CaseInsensitive);
    return resultado;
}
