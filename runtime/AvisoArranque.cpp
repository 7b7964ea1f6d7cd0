#include "runtime/AvisoArranque.h"

namespace {
QString& rutaInformada()
{
    static QString ruta;
    return ruta;
}
} // namespace

void AvisoArranque::InformaRuta(const QString& ruta)
{
    rutaInformada() = ruta;
}

QString AvisoArranque::Ruta()
{
    return rutaInformada();
}
