#include "lookup/Lib_ClsCons3.h"

#include "data/DB_Dll.h"
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
