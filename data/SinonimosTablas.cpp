#include "data/SinonimosTablas.h"

#include "runtime/FuncionesVB.h"

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

constexpr QLatin1StringView kMarcador("@Admin_");

// Whether the text names any of the tables, case ignored. Every name holds an underscore, so only
// the places around each underscore of the text are looked at: most statements name none of them.
bool nombraAlguna(QStringView texto)
{
    for (qsizetype i = texto.indexOf(u'_'); i >= 0; i = texto.indexOf(u'_', i + 1)) {
        for (const auto& s : kSinonimos) {
            const qsizetype inicio = i - s.tabla.indexOf(u'_');
            if (inicio >= 0 && inicio + s.tabla.size() <= texto.size()
                && texto.mid(inicio, s.tabla.size()).compare(s.tabla, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

QString SinonimosTablas::Sustituye(const QString& sql, bool esAdmin)
{
    QString resultado = sql;
    if (!esAdmin && nombraAlguna(resultado)) {
        for (const auto& s : kSinonimos) {
            // Most statements name none of these tables: skip the context searches for them.
            if (!FuncionesVB::ContieneSinCaso(resultado, s.tabla))
                continue;
            for (int i = 0; i < s.contextos; ++i) {
                const auto& c = kContextos[static_cast<std::size_t>(i)];
                const QByteArray antes = c.antes + QByteArray(s.tabla.data(), s.tabla.size()) + c.despues;
                const QString despues = QLatin1Char(c.antes) + s.sinonimo + QLatin1Char(c.despues);
                FuncionesVB::ReemplazaSinCaso(resultado, QLatin1StringView(antes), despues);
            }
            if (s.contextos == 6) {
                const QByteArray marcado
                    = QByteArray(kMarcador.data(), kMarcador.size()) + QByteArray(s.tabla.data(), s.tabla.size());
                FuncionesVB::ReemplazaSinCaso(resultado, QLatin1StringView(marcado), QString(s.tabla));
            }
        }
    }
    FuncionesVB::ReemplazaSinCaso(resultado, kMarcador, QStringView());
    return resultado;
}
