#include "platform/ado/dialect/PasoPropietarios.h"

#include "runtime/FuncionesVB.h"

namespace ado::dialecto {

void PasoPropietarios::aplica()
{
    for (qsizetype k = 0; k + 2 < vista_.size(); ++k) {
        if (vista_.token(k + 1).tipo != TokenSql::Tipo::Simbolo || !vista_.esSimbolo(k + 1, QLatin1String("."))
            || !vista_.esNombre(k) || !vista_.esNombre(k + 2))
            continue;
        const QStringView t = vista_.texto(k);
        if (FuncionesVB::IgualSinCaso(t, QLatin1String("dbo")) || FuncionesVB::IgualSinCaso(t, QLatin1String("[dbo]")))
            marcas_.omite(k, k + 1);
    }
}

} // namespace ado::dialecto
