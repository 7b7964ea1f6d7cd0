#include "runtime/Dialogos.h"

#include "runtime/DialogosConsola.h"
#include "runtime/Instalable.h"

#include <cstdio>

namespace {
std::function<std::unique_ptr<Dialogos>()>& fabricaPredeterminada()
{
    static std::function<std::unique_ptr<Dialogos>()> fabrica;
    return fabrica;
}

std::unique_ptr<Dialogos> creaPredeterminados()
{
    if (fabricaPredeterminada())
        return fabricaPredeterminada()();
    static QTextStream errorEstandar(stderr);
    return std::make_unique<DialogosConsola>(errorEstandar);
}

using Instalados = Instalable<Dialogos, creaPredeterminados>;
} // namespace

Dialogos& Dialogos::actual()
{
    return Instalados::actual();
}

std::unique_ptr<Dialogos> Dialogos::instala(std::unique_ptr<Dialogos> nuevos)
{
    return Instalados::instala(std::move(nuevos));
}

void Dialogos::predeterminados(std::function<std::unique_ptr<Dialogos>()> fabrica)
{
    fabricaPredeterminada() = std::move(fabrica);
}
