// The day load: the grid of the calendar's day and the pending test of its booked slots.
#include "agenda/FrmMVAgenda.h"
#include "agenda/HorarioAtencion.h"
#include "agenda/SentenciasAgenda.h"
#include "data/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"
#include "runtime/CursorEspera.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"

#include <QLabel>

namespace {

enum Columna { Hora = 0, Nota = 1, IdProceso = 2, IdEntrevista = 3, Clave = 4, Pendiente = 5 };

QString textoDeCampo(ado::Recordset& rs, const QString& nombre)
{
    return ModGlobal::Runtime().ValorCampo(rs.Fields()[nombre].Value()).toString();
}

} // namespace

void FrmMVAgenda::CargarDia()
{
    CursorEspera espera;
    QString auxiliar;
    const QString minutos = ModGlobal::Cfg(QStringLiteral("MinutosAgenda"), auxiliar);
    const QDate dia(calendario_->Year(), calendario_->Month(), calendario_->Day());
    CreaSlots(dia, minutos);

    etiqueta_->setText(QStringLiteral("Notas del Día: ") + SentenciasAgenda::DiaSinCeros(dia));

    grid_->Clear();
    grid_->setCols(6);
    grid_->setRows(2);
    grid_->setColWidth(Hora, AnchoTexto(QString(5, QLatin1Char('X'))));
    grid_->setColWidth(Nota, AnchoTexto(QString(50, QLatin1Char('X'))));
    for (int columna = IdProceso; columna <= Pendiente; ++columna)
        grid_->setColWidth(columna, 0);

    const QTime desde = HorarioAtencion::Lee(ModGlobal::Cfg(QStringLiteral("HorarioAtencionDesde"), auxiliar),
                                             HorarioAtencion::DesdePorDefecto);
    const QTime hasta = HorarioAtencion::Lee(ModGlobal::Cfg(QStringLiteral("HorarioAtencionHasta"), auxiliar),
                                             HorarioAtencion::HastaPorDefecto);
    const int filaSuperior = grid_->TopRow();
    const int filaActual = grid_->Row();

    QString consulta = SentenciasAgenda::SlotsDelDia(dia);
    ModGlobal::DB().AbrirRecordset(consulta, RsAgenda.get());
    if (RsAgenda->State() != ado::adStateOpen || RsAgenda->Bof())
        return;

    int primeraDentro = -1;
    RsAgenda->MoveFirst();
    for (int i = 0; !RsAgenda->Eof(); ++i) {
        const QString idProceso = FuncionesVB::Trim(textoDeCampo(*RsAgenda, QStringLiteral("IdProcesoBusqueda")));
        const QString idEntrevista = FuncionesVB::Trim(textoDeCampo(*RsAgenda, QStringLiteral("IdEntrevista")));
        const TipoFranja tipo = ClasificaFranja(idProceso, idEntrevista);
        const QDateTime fecha
            = ModGlobal::Runtime().ValorCampo(RsAgenda->Fields()[QStringLiteral("Fecha")].Value()).toDateTime();
        const QString pendiente
            = EstaPendiente(idEntrevista, tipo == TipoFranja::Entrevista, tipo == TipoFranja::Evaluacion);

        grid_->setTextMatrix(i, Hora, fecha.toString(QStringLiteral("HH:mm")));
        grid_->setTextMatrix(i, Nota, textoDeCampo(*RsAgenda, QStringLiteral("Mensaje")));
        grid_->setTextMatrix(i, IdProceso, idProceso);
        grid_->setTextMatrix(i, IdEntrevista, idEntrevista);
        grid_->setTextMatrix(i, Clave, FuncionesVB::Trim(textoDeCampo(*RsAgenda, QStringLiteral("ID"))));
        grid_->setTextMatrix(i, Pendiente, pendiente);

        grid_->setCol(Nota);
        grid_->setRow(i);
        grid_->setCellBackColor(colores_.ColorDeFranja(fecha, desde, hasta, tipo, pendiente));
        if (primeraDentro < 0 && ColoresAgenda::DentroDelHorario(fecha, desde, hasta))
            primeraDentro = i;

        grid_->setRows(grid_->Rows() + 1);
        RsAgenda->MoveNext();
    }
    grid_->setRows(grid_->Rows() - 2);

    grid_->setTopRow(filaSuperior == 0 ? std::max(primeraDentro, 0) : filaSuperior);
    grid_->setRow(std::min(filaActual, grid_->Rows() - 1));
}

QString FrmMVAgenda::EstaPendiente(const QString& ID, bool EsEntrevista, bool EsEvaluacion)
{
    QString resultado;
    if (!EsEntrevista && !EsEvaluacion)
        return resultado;
    QString consulta = SentenciasAgenda::Pendiente(ID, EsEntrevista);
    ado::Recordset pendientes;
    EjecutaPasos({[&] { ModGlobal::DB().AbrirRecordset(consulta, &pendientes); },
                  [&] { resultado = pendientes.Bof() ? QStringLiteral("0") : QStringLiteral("-1"); }},
                 [this](const ErrorVB& error) { return ReportaErrorDe(error, QStringLiteral("EstaPendiente")); });
    return resultado;
}
