#include "runtime/PasosAtrapados.h"

#include <vector>

namespace {
struct SalidaProcedimiento { };
} // namespace

bool EjecutaPasos(std::initializer_list<Paso> pasos, const ManejadorError& manejador)
{
    const std::vector<Paso> lista(pasos);
    std::size_t i = 0;
    while (i < lista.size()) {
        try {
            lista[i]();
            ++i;
        } catch (const SalidaProcedimiento&) {
            return false;
        } catch (const ErrorVB& error) {
            const int16_t accion = manejador(error);
            if (accion == AccionError::Repetir)
                continue;
            if (accion != AccionError::Continuar)
                return false;
            ++i;
        }
    }
    return true;
}

void SalDelProcedimiento()
{
    throw SalidaProcedimiento{};
}

int16_t IgnoraErrores(const ErrorVB&)
{
    return AccionError::Continuar;
}
