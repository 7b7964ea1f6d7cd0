#include "Entrada.h"
#include "platform/ado/TiposColumnas.h"

#include <cstdlib>

// A statement whose types are all kept comes back exactly as written; one whose types are all
// replaced by a mark holds one mark for each type found, whatever the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const QChar marca(0x1);
    const QString texto = textoDe(datos, largo).remove(marca);
    if (ado::CambiaTiposColumnas(texto, [](const ado::TipoColumna&) { return std::optional<QString>(); }) != texto)
        std::abort();
    qsizetype encontrados = 0;
    const QString cambiado = ado::CambiaTiposColumnas(texto, [&](const ado::TipoColumna&) {
        ++encontrados;
        return std::optional<QString>(QString(marca));
    });
    if (cambiado.count(marca) != encontrados)
        std::abort();
    return 0;
}
