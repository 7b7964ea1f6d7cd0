#include "platform/ado/TipoFallo.h"

#include "platform/ado/Constantes.h"

namespace ado {
namespace {

struct Clase {
    int32_t numero;
    const char* estadoSql;
    const char* descripcion;
};

Clase claseDe(TipoFallo tipo)
{
    switch (tipo) {
    case TipoFallo::ErroresEnComando:
        return {NumeroError::ErroresEnComando, "42000", "Error en la sentencia SQL"};
    case TipoFallo::NoExisteTabla:
        return {NumeroError::NoExisteTabla, "42S02", "No existe la tabla o vista"};
    case TipoFallo::ViolacionIntegridad:
        return {NumeroError::ViolacionIntegridad, "23000", "Se ha violado una restricción de integridad"};
    case TipoFallo::Fallo:
        return {NumeroError::Fallo, "HY000", "Error de la base de datos"};
    case TipoFallo::TiempoAgotado:
        return {NumeroError::TiempoAgotado, "HYT00",
                "Se agotó el tiempo de espera: otro usuario o programa tiene bloqueada la base de datos"};
    case TipoFallo::SinEscritura:
        return {NumeroError::SinEscritura, "HY000",
                "No se puede escribir en la base de datos: el archivo o su carpeta son de solo lectura"};
    case TipoFallo::EspacioAgotado:
        return {NumeroError::EspacioAgotado, "HY000",
                "No se puede escribir en la base de datos: el disco está lleno o la base de datos alcanzó su "
                "tamaño máximo"};
    case TipoFallo::ArchivoDanado:
        return {NumeroError::ArchivoDanado, "HY000",
                "El archivo de la base de datos está dañado o no es una base de datos"};
    case TipoFallo::ArchivoNoEncontrado:
        return {NumeroError::ArchivoNoEncontrado, "HY000",
                "No se encuentra el archivo de la base de datos: fue borrado, movido o renombrado"};
    case TipoFallo::ErrorEntradaSalida:
        return {NumeroError::ErrorEntradaSalida, "HY000", "Error del disco al leer o escribir la base de datos"};
    case TipoFallo::SinMemoria:
        return {NumeroError::SinMemoria, "HY001", "No hay memoria suficiente para la operación"};
    case TipoFallo::ConexionPerdida:
        return {NumeroError::ConexionPerdida, "08S01", "Se perdió la conexión con el servidor de base de datos"};
    case TipoFallo::SinServidor:
        return {NumeroError::ConexionPerdida, "08001",
                "No se puede llegar al servidor de base de datos: no responde, no existe o no acepta conexiones"};
    case TipoFallo::Inesperado:
        break;
    }
    return {NumeroError::Inesperado, "HY000", "Error inesperado del motor de base de datos"};
}

} // namespace

Error ErrorDeTipo(TipoFallo tipo, const QString& detalle, int32_t nativo, const QString& origen)
{
    const Clase clase = claseDe(tipo);
    QString descripcion = QString::fromUtf8(clase.descripcion);
    if (!detalle.isEmpty())
        descripcion += QStringLiteral(" (%1)").arg(detalle);
    return Error{QString::fromLatin1(clase.estadoSql), clase.numero, descripcion, nativo, origen};
}

int32_t NumeroDeTipo(TipoFallo tipo)
{
    return claseDe(tipo).numero;
}

std::optional<TipoFallo> TipoDeEstadoSql(const QString& estado, std::span<const EstadoSql> tabla)
{
    for (const EstadoSql& fila : tabla) {
        const QLatin1StringView clave(fila.estado);
        if (clave.size() == 5 ? estado.compare(clave, Qt::CaseInsensitive) == 0
                              : estado.startsWith(clave, Qt::CaseInsensitive))
            return fila.tipo;
    }
    return std::nullopt;
}

} // namespace ado
