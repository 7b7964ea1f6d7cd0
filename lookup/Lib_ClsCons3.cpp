#include "lookup/Lib_ClsCons3.h"

#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
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

void Lib_ClsCons3::ConsultaSearch(const QString& SQL)
{
    ArgumentosConsulta argumentos;
    ConsultaSearch(SQL, argumentos);
}

void Lib_ClsCons3::ConsultaSearch(const QString& SQL, ArgumentosConsulta& argumentos)
{
    // A build that fails shows the statement reached so far.
    QString sentencia = SQL;
    bool configurar = false;
    EjecutaPasos({[&] {
                     const auto armada = Sentencia(SQL, argumentos);
                     configurar = !armada;
                     sentencia = armada.value_or(sentencia);
                 }},
                 IgnoraErrores);
    if (configurar) {
        // The person was told the lookup is not configured: nothing of an earlier lookup may be
        // taken for its answer.
        ValorDevuelto = QStringLiteral("");
        Valores.reset();
        Checks = false;
        CampoDevuelto.clear();
        return;
    }
    EjecutaPasos(
        {
            [&] {
                if (argumentos.TreeView)
                    MuestraArbol(sentencia);
                else
                    MuestraLista(sentencia, argumentos);
            },
            [&] { CampoDevuelto.clear(); },
            [&] {
                if (argumentos.CmpsDevueltos) {
                    argumentos.CmpsDevueltos->clear();
                    argumentos.CmpsDevueltos.reset();
                }
            },
        },
        IgnoraErrores);
}

void Lib_ClsCons3::MuestraArbol(const QString& sentencia)
{
    // A new dialog for every lookup, dropped when it is done.
    Lib_FrmCons3Tree dialogo;
    EjecutaPasos(
        {
            [&] {
                dialogo.SQL = sentencia;
                dialogo.CampoDevuelto = CampoDevuelto;
                dialogo.CheckBoxes = Checks;
            },
            [&] { Valores.reset(); },
            [&] { dialogo.exec(); },
            [&] {
                ValorDevuelto = dialogo.ValorDevuelto;
                Valores = dialogo.Valores;
                Checks = false;
            },
        },
        IgnoraErrores);
}

void Lib_ClsCons3::MuestraLista(const QString& sentencia, ArgumentosConsulta& argumentos)
{
    // A new dialog for every lookup; destroying it unloads it.
    Lib_FrmCons3 dialogo;
    EjecutaPasos(
        {
            [&] {
                dialogo.StkNivel1 = StkNivel1;
                dialogo.StkNivel2 = StkNivel2;
                dialogo.StkNivel3 = StkNivel3;
                dialogo.StkNivel4 = StkNivel4;
                dialogo.MuestraStock = MuestraStock;
                dialogo.CfgUsaConsultaLIKE = BusquedaLike;
            },
            [&] { dialogo.OrdenarPorLwv = !FuncionesVB::ContieneSinCaso(sentencia, QLatin1StringView("ORDER BY")); },
            [&] {
                dialogo.FiltroInicial = argumentos.Clave;
                dialogo.CampoBusqueda = argumentos.CampoBusqueda;
                dialogo.SQL = sentencia;
                dialogo.gConnString = gConnString;
                dialogo.CampoDevuelto = CampoDevuelto;
                dialogo.UsaCantidades = UsaCantidades;
                dialogo.CheckBoxes = Checks;
                dialogo.ValoresDefault = argumentos.ValoresDefault;
            },
            [&] {
                Valores.reset();
                Cantidades.reset();
                // The caller's collection itself, so that the dialog sees the captions it holds.
                dialogo.CmpsDevueltos = argumentos.CmpsDevueltos;
                dialogo.Valores.reset();
                dialogo.Cantidades.reset();
            },
            [&] { dialogo.exec(); },
            [&] {
                Checks = false;
                Valores = dialogo.Valores;
                Cantidades = dialogo.Cantidades;
                ValorDevuelto = dialogo.ValorDevuelto;
                dialogo.CampoDevuelto.clear();
            },
            [&] {
                dialogo.Valores.reset();
                dialogo.Cantidades.reset();
            },
        },
        IgnoraErrores);
}
