#pragma once

#include "platform/ado/dialect/MarcasSql.h"
#include "platform/ado/dialect/SentenciasSql.h"
#include "platform/ado/dialect/TraductorDialecto.h"

namespace ado::dialecto {

// Unqualified calls of the functions the rasgos rename get the engine's name (LEN( → KQ_LEN(, in
// any case), and the part named first in DATEADD, DATEDIFF, DATEPART and DATENAME becomes a string
// literal (day → 'day'), which the engine's functions read. Definitions are left alone, and so is
// any call whose name another pass already replaced or left out (a CAST the conversion rewrote, a
// TOP clause that became a LIMIT): it runs after them.
class PasoFunciones {
public:
    PasoFunciones(const VistaSql& vista, const SentenciasSql& sentencias, const RasgosDialecto& rasgos)
        : vista_(vista), sentencias_(sentencias), rasgos_(rasgos)
    {
    }

    void marca(MarcasSql& marcas) const;

private:
    void parteDeFecha(qsizetype k, MarcasSql& marcas) const;

    const VistaSql& vista_;
    const SentenciasSql& sentencias_;
    const RasgosDialecto& rasgos_;
};

} // namespace ado::dialecto
