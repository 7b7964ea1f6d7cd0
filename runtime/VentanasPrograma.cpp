#include "runtime/VentanasPrograma.h"

#include "runtime/Instalable.h"

using Instaladas = Instalable<VentanasPrograma, fabricaDe<VentanasPrograma, VentanasPrograma>>;

VentanasPrograma& VentanasPrograma::actual()
{
    return Instaladas::actual();
}

std::unique_ptr<VentanasPrograma> VentanasPrograma::instala(std::unique_ptr<VentanasPrograma> nuevas)
{
    return Instaladas::instala(std::move(nuevas));
}
