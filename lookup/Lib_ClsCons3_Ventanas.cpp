#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

// The lookup's windows: built with the lookup dialogs, so that the request object, its statement
// and the catalogue need no graphical library.
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
    EjecutaPasos({
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
    EjecutaPasos({
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
