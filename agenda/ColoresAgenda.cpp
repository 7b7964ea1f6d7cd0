#include "agenda/ColoresAgenda.h"

bool ColoresAgenda::DentroDelHorario(const QDateTime& fecha, const QTime& desde, const QTime& hasta)
{
    if (!fecha.isValid())
        return false;
    const QDateTime inicio(fecha.date(), desde);
    const QDateTime fin(fecha.date(), hasta);
    return !(fecha < inicio || fecha > fin);
}

ColorOle ColoresAgenda::ColorDeFranja(const QDateTime& fecha, const QTime& desde, const QTime& hasta, TipoFranja tipo,
                                      const QString& pendiente) const
{
    ColorOle color = DentroDelHorario(fecha, desde, hasta) ? horariosLaborales : horariosNoLaborales;
    if (tipo == TipoFranja::Entrevista)
        color = entrevistas;
    else if (tipo == TipoFranja::Evaluacion)
        color = evaluaciones;
    if (pendiente == QLatin1String("0"))
        color = realizadas;
    return color;
}
