#include "data/DialogoAcceso.h"

#include "runtime/Instalable.h"

namespace {

class SinDialogoAcceso : public DialogoAcceso {
public:
    bool Pide(DatosAcceso&) override { return false; }
};

using Instalado = Instalable<DialogoAcceso, fabricaDe<DialogoAcceso, SinDialogoAcceso>>;

} // namespace

DialogoAcceso& DialogoAcceso::actual()
{
    return Instalado::actual();
}

std::unique_ptr<DialogoAcceso> DialogoAcceso::instala(std::unique_ptr<DialogoAcceso> nuevo)
{
    return Instalado::instala(std::move(nuevo));
}
