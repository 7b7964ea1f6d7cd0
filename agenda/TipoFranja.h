#pragma once

#include <QString>

// What is booked in a slot, from the trimmed texts of its search process and interview ids:
// an interview has both, an evaluation only the interview id, a free slot no interview id.
enum class TipoFranja { Libre, Entrevista, Evaluacion };

[[nodiscard]] inline TipoFranja ClasificaFranja(const QString& idProcesoBusqueda, const QString& idEntrevista)
{
    if (idEntrevista.isEmpty())
        return TipoFranja::Libre;
    return idProcesoBusqueda.isEmpty() ? TipoFranja::Evaluacion : TipoFranja::Entrevista;
}
