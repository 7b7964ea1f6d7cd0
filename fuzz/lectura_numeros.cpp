#include "Entrada.h"
#include "runtime/ErrorVB.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/SharedRuntime.h"

#include <cmath>
#include <cstdlib>

namespace {

void soloDesbordamiento(const ErrorVB& e)
{
    if (e.numero() != 6)
        std::abort();
}

} // namespace

// The number readers: a number read is always finite (beyond the range is error 6, never an
// infinity or a NaN), and overflow is the only error any of them raises.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const SharedRuntime runtime;
    const QString texto = textoDe(datos, largo);
    try {
        if (!std::isfinite(LecturaNumeros::NumeroInicial(texto)))
            std::abort();
    } catch (const ErrorVB& e) {
        soloDesbordamiento(e);
    }
    try {
        (void)runtime.ValorNumerico(texto);
    } catch (const ErrorVB& e) {
        soloDesbordamiento(e);
    }
    try {
        (void)runtime.ValorEntero(texto);
    } catch (const ErrorVB& e) {
        soloDesbordamiento(e);
    }
    return 0;
}
