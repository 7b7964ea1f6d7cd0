#include "platform/ado/dialect/TraductorDialecto.h"

#include "platform/ado/dialect/ReescrituraDialecto.h"

namespace ado::dialecto {

TraductorDialecto::TraductorDialecto(EsquemaDialecto esquema, RasgosDialecto rasgos)
    : esquema_(std::move(esquema)), rasgos_(std::move(rasgos))
{
}

QString TraductorDialecto::traduce(const QString& sentencia) const
{
    return ReescrituraDialecto(esquema_, rasgos_, sentencia).resultado();
}

} // namespace ado::dialecto
