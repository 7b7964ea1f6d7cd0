#include "runtime/Dialogos.h"

#include "runtime/DialogosQt.h"

namespace {
std::unique_ptr<Dialogos>& instalados()
{
    static std::unique_ptr<Dialogos> dialogos;
    return dialogos;
}
} // namespace

Dialogos& Dialogos::actual()
{
    auto& d = instalados();
    if (!d)
        d = std::make_unique<DialogosQt>();
    return *d;
}

std::unique_ptr<Dialogos> Dialogos::instala(std::unique_ptr<Dialogos> nuevos)
{
    auto anteriores = std::move(instalados());
    instalados() = std::move(nuevos);
    return anteriores;
}
