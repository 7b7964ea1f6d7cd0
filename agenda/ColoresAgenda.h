#pragma once

#include "agenda/TipoFranja.h"
#include "platform/ui/ColorOle.h"

#include <QDateTime>
#include <QTime>

// The back colours of the agenda's note cells, with the defaults used when a colour is not
// configured (a configured value of 0).
struct ColoresAgenda {
    static constexpr ColorOle EntrevistasPorDefecto{12648447}; // light yellow
    static constexpr ColorOle EvaluacionesPorDefecto{16777152}; // light cyan
    static constexpr ColorOle NoLaborablesPorDefecto{16761024}; // lavender
    static constexpr ColorOle LaborablesPorDefecto{16777215}; // white
    static constexpr ColorOle RealizadasPorDefecto{8421376}; // teal

    ColorOle entrevistas = EntrevistasPorDefecto;
    ColorOle evaluaciones = EvaluacionesPorDefecto;
    ColorOle horariosNoLaborales = NoLaborablesPorDefecto;
    ColorOle horariosLaborales = LaborablesPorDefecto;
    ColorOle realizadas = RealizadasPorDefecto;

    // A configured colour number, or `defecto` when it is 0.
    [[nodiscard]] static ColorOle Configurado(int32_t valor, ColorOle defecto)
    {
        return valor == 0 ? defecto : ColorOle(static_cast<uint32_t>(valor));
    }

    // True when the slot starts within [desde, hasta] of its own day, both ends included.
    // A slot without a valid date counts as outside.
    [[nodiscard]] static bool DentroDelHorario(const QDateTime& fecha, const QTime& desde, const QTime& hasta);

    // The cell's colour: working hours first, then the booking kind, then done ("0" pending flag).
    [[nodiscard]] ColorOle ColorDeFranja(const QDateTime& fecha, const QTime& desde, const QTime& hasta,
                                         TipoFranja tipo, const QString& pendiente) const;

    friend bool operator==(const ColoresAgenda&, const ColoresAgenda&) = default;
};
