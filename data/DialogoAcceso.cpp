#include "data/DialogoAcceso.h"

namespace {

class SinDialogoAcceso : public DialogoAcceso {
public:
    bool Pide(DatosAcceso&) override { return false; }
};

std::unique_ptr<DialogoAcceso>& instalado()
{
    static std::unique_ptr<DialogoAcceso> dialogo = std::make_unique<SinDialogoAcceso>();
    return dialogo;
}

} // namespace

DialogoAcceso& DialogoAcceso::actual()
{
    return *instalado();
}

std::unique_ptr<DialogoAcceso> DialogoAcceso::instala(std::unique_ptr<DialogoAcceso> nuevo)
{
    auto anterior = std::move(instalado());
    instalado() = nuevo ? std::move(nuevo) : std::make_unique<SinDialogoAcceso>();
    return anterior;
}
