#include "support/ProveedorGrabador.h"

#include "platform/ado/FalloProveedor.h"
#include "platform/ado/RegistroProveedores.h"

ProveedorGrabador::Registro::Registro(const QString& proveedor, Guion& guion) : proveedor_(proveedor)
{
    ado::RegistroProveedores::registra(proveedor, [&guion] { return std::make_unique<ProveedorGrabador>(guion); });
}

ProveedorGrabador::Registro::~Registro()
{
    ado::RegistroProveedores::elimina(proveedor_);
}

int32_t ProveedorGrabador::ejecuta(const QString& sentencia)
{
    guion_.llamadas << sentencia;
    if (!guion_.fallaCon.isEmpty() && sentencia.contains(guion_.fallaCon))
        throw ado::FalloProveedor(
            {QStringLiteral("HY000"), guion_.numeroFallo, QStringLiteral("Fallo simulado"), 0, {}});
    return guion_.afectadosPorSentencia;
}

ado::Resultado ProveedorGrabador::consulta(const QString& sentencia)
{
    guion_.llamadas << sentencia;
    return {};
}
