#include "lookup/Lib_ClsCons3.h"

#include "data/DB_Dll.h"
#include "runtime/FuncionesVB.h"
#include "startup/ModGlobal.h"

namespace {

QString clave(const QString& nombre)
{
    QString aux;
    return ModGlobal::Cfg(nombre, aux);
}

QVariant colorStock(const QString& nombre)
{
    const QString valor = clave(nombre);
    return FuncionesVB::EnBlanco(valor) ? QVariant(0) : QVariant(valor);
}

} // namespace

Lib_ClsCons3::Lib_ClsCons3()
    : CmpsDevueltos(std::make_shared<QVariantList>()), Valores(std::make_shared<QVariantList>())
{
    if (ModGlobal::DB().gCnn().State() != ado::adStateOpen)
        return;
    MuestraStock = FuncionesVB::Trim(clave(QStringLiteral("MostrarStockenConsultas")));
    StkNivel1 = colorStock(QStringLiteral("Stk_Nivel1"));
    StkNivel2 = colorStock(QStringLiteral("Stk_Nivel2"));
    StkNivel3 = colorStock(QStringLiteral("Stk_Nivel3"));
    StkNivel4 = colorStock(QStringLiteral("Stk_Nivel4"));
    BusquedaLike = FuncionesVB::IgualSinCaso(clave(QStringLiteral("UsaConsultaLIKE")), QLatin1StringView("SI"));
}

Lib_ClsCons3::~Lib_ClsCons3() = default;
