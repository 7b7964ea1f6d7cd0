#include "runtime/CursorPrograma.h"

namespace {
std::unique_ptr<CursorPrograma>& instalado()
{
    static std::unique_ptr<CursorPrograma> cursor = std::make_unique<CursorPrograma>();
    return cursor;
}
} // namespace

CursorPrograma& CursorPrograma::actual()
{
    return *instalado();
}

std::unique_ptr<CursorPrograma> CursorPrograma::instala(std::unique_ptr<CursorPrograma> nuevo)
{
    auto anterior = std::move(instalado());
    instalado() = nuevo ? std::move(nuevo) : std::make_unique<CursorPrograma>();
    return anterior;
}
