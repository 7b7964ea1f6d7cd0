#include "db/ArchivoBaseDatos.h"

#include "db/ConfiguracionInicial.h"
#include "db/DatosDemo.h"
#include "db/DatosDemoConsultas.h"
#include "db/EsquemaAgenda.h"
#include "platform/ado/Connection.h"
#include "runtime/ErrorVB.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <functional>
#include <unistd.h>

QString ArchivoBaseDatos::CadenaConexion(const QString& ruta)
{
    return QStringLiteral("Provider=SQLite;Database=") + ruta;
}

namespace {

// Writes the file's pages to the disk once, before it takes its final name.
void sincroniza(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly) || ::fsync(archivo.handle()) != 0)
        throw ErrorVB(
            75, QStringLiteral("No se pudo escribir la base de datos en %1.").arg(QFileInfo(ruta).absoluteFilePath()));
}

// Builds the file at `ruta` in a temporary file beside it: the schema, then `carga`. Nobody else sees
// the temporary file and a failed build leaves it behind to be removed, so its statements are not
// synced one by one (each sync costs a disk round trip): the whole file is synced once at the end.
void creaCon(const QString& ruta, const std::function<void(ado::Connection&)>& carga)
{
    const QString temporal = ruta + QStringLiteral(".nuevo");
    QFile::remove(temporal);
    {
        ado::Connection conexion;
        conexion.Open(ArchivoBaseDatos::CadenaConexion(temporal) + QStringLiteral(";Crear=SI"));
        conexion.Execute(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        conexion.Execute(QStringLiteral("PRAGMA synchronous = OFF"));
        EsquemaAgenda::Crea(conexion);
        carga(conexion);
        conexion.Close();
    }
    sincroniza(temporal);
    std::error_code error;
    std::filesystem::rename(temporal.toStdString(), ruta.toStdString(), error);
    if (error)
        throw ErrorVB(
            75, QStringLiteral("No se pudo dejar la base de datos en %1.").arg(QFileInfo(ruta).absoluteFilePath()));
}

} // namespace

void ArchivoBaseDatos::Crea(const QString& ruta, bool conDemo, const QDate& hoy)
{
    creaCon(ruta, [&](ado::Connection& conexion) {
        if (!conDemo)
            return;
        DatosDemo::Carga(conexion, hoy);
        conexion.BeginTrans();
        DatosDemoConsultas::Carga(conexion);
        conexion.CommitTrans();
    });
}

void ArchivoBaseDatos::CreaConfigurada(const QString& ruta)
{
    creaCon(ruta, [](ado::Connection& conexion) { ConfiguracionInicial::Carga(conexion); });
}
