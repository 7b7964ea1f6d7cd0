#include "runtime/VentanasPrograma.h"

namespace {
std::unique_ptr<VentanasPrograma>& instalado()
{
    static std::unique_ptr<VentanasPrograma> ventanas = std::make_unique<VentanasPrograma>();
    return ventanas;
}
} // namespace

VentanasPrograma& VentanasPrograma::actual()
{
    return *instalado();
}

std::unique_ptr<VentanasPrograma> VentanasPrograma::instala(std::unique_ptr<VentanasPrograma> nuevas)
{
    auto anteriores = std::move(instalado());
    instalado() = nuevas ? std::move(nuevas) : std::make_unique<VentanasPrograma>();
    return anteriores;
}
