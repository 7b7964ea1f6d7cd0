#include "Entrada.h"
#include "runtime/ClavesEnTexto.h"

#include <cstdlib>

// Texts with password items, as messages and as argument memory: overwriting in place keeps the
// length, changes bytes only into "*", and hides exactly what masking hides.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    QByteArray original = bytesDe(datos, largo);
    original.replace('\0', ' ');
    QByteArray memoria = original;
    ClavesEnTexto::Borra(memoria.data());
    if (memoria.size() != original.size())
        std::abort();
    for (qsizetype i = 0; i < memoria.size(); ++i) {
        if (memoria[i] != original[i] && memoria[i] != '*')
            std::abort();
    }
    if (ClavesEnTexto::Oculta(QString::fromUtf8(memoria)) != ClavesEnTexto::Oculta(QString::fromUtf8(original)))
        std::abort();
    return 0;
}
