#include "platform/ado/dialect/TraductorDialecto.h"

#include "platform/ado/dialect/ReescrituraDialecto.h"

namespace ado::dialecto {

void EsquemaDialecto::declara(const QString& tabla, const QString& columna, TipoExpresion tipo)
{
    const QString clave = columna.toUpper();
    columnasTabla[tabla.toUpper()].append(clave);
    const auto previo = tipos.constFind(clave);
    tipos.insert(clave, previo == tipos.cend() || *previo == tipo ? tipo : TipoExpresion::Desconocido);
}

QHash<QString, TipoExpresion> TiposDeAlias(const EsquemaDialecto& esquema, QStringView sentencia)
{
    static const RasgosDialecto ninguno;
    return ReescrituraDialecto(esquema, ninguno, sentencia).tiposDeAlias();
}

TraductorDialecto::TraductorDialecto(EsquemaDialecto esquema, RasgosDialecto rasgos)
    : esquema_(std::move(esquema)), rasgos_(std::move(rasgos))
{
}

QString TraductorDialecto::traduce(const QString& sentencia) const
{
    return ReescrituraDialecto(esquema_, rasgos_, sentencia).resultado();
}

} // namespace ado::dialecto
