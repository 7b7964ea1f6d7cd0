#include "runtime/ErrorVB.h"

ErrorVB::ErrorVB(int32_t numero, QString descripcion, QString origen)
    : numero_(numero), descripcion_(std::move(descripcion)), origen_(std::move(origen)),
      texto_(QStringLiteral("Error %1: %2").arg(numero_).arg(descripcion_).toUtf8())
{
}

void ElevaLlamadaNoValida(const QString& origen)
{
    throw ErrorVB(ErroresVB::LlamadaNoValida, QStringLiteral("Llamada a procedimiento o argumento no válidos"), origen);
}

void ElevaObjetoNoEstablecido(const QString& origen)
{
    throw ErrorVB(ErroresVB::ObjetoNoEstablecido, QStringLiteral("Variable de objeto o bloque With no establecido"),
                  origen);
}
