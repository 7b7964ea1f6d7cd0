#include "Entrada.h"

#include "runtime/ErrorVB.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/SharedRuntime.h"

#include <cmath>
#include <cstdlib>

// The number readers: a number read is always finite (beyond the range is error 6, never an
// infinity or a NaN), and the currency and whole-number readings stay within their ranges.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const SharedRuntime runtime;
    const QString texto = textoDe(datos, largo);
    try {
        if (!std::isfinite(LecturaNumeros::NumeroInicial(texto)))
            std::abort();
    } catch (const ErrorVB&) {
    }
    try {
        (void)runtime.ValorNumerico(texto);
    } catch (const ErrorVB&) {
    }
    try {
        (void)runtime.ValorEntero(texto);
    } catch (const ErrorVB&) {
    }
    return 0;
}
