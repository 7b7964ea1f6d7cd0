#include "Entrada.h"
#include "runtime/SharedRuntime.h"

#include <cstdlib>

// The wrapped INI values: any text unwraps without failing, and a wrapped text unwraps to itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const SharedRuntime runtime;
    const QString texto = textoDe(datos, largo);
    (void)runtime.DesenvuelveValor(texto);
    const QString envuelto = runtime.EnvuelveValor(texto);
    if (runtime.DesenvuelveValor(envuelto) != texto)
        std::abort();
    return 0;
}
