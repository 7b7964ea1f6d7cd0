#include "Entrada.h"
#include "data/SinonimosTablas.h"

// The first byte says whether the user is an administrator, the rest is the statement.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (largo == 0)
        return 0;
    (void)SinonimosTablas::Sustituye(textoDe(datos + 1, largo - 1), (datos[0] & 1) != 0);
    return 0;
}
