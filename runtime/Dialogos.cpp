#include "runtime/Dialogos.h"

#include "runtime/DialogosConsola.h"

#include <cstdio>

namespace {
std::unique_ptr<Dialogos>& instalados()
{
    static std::unique_ptr<Dialogos> dialogos;
    return dialogos;
}

std::function<std::unique_ptr<Dialogos>()>& fabricaPredeterminada()
{
    static std::function<std::unique_ptr<Dialogos>()> fabrica;
    return fabrica;
}

std::unique_ptr<Dialogos> consola()
{
    static QTextStream errorEstandar(stderr);
    return std::make_unique<DialogosConsola>(errorEstandar);
}
} // namespace

Dialogos& Dialogos::actual()
{
    auto& d = instalados();
    if (!d)
        d = fabricaPredeterminada() ? fabricaPredeterminada()() : consola();
    return *d;
}

std::unique_ptr<Dialogos> Dialogos::instala(std::unique_ptr<Dialogos> nuevos)
{
    auto anteriores = std::move(instalados());
    instalados() = std::move(nuevos);
    return anteriores;
}

void Dialogos::predeterminados(std::function<std::unique_ptr<Dialogos>()> fabrica)
{
    fabricaPredeterminada() = std::move(fabrica);
}
