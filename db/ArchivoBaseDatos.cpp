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

QString ArchivoBaseDatos::CadenaConexion(const QString& ruta)
{
    return QStringLiteral("Provider=SQLite;Database=") + ruta;
}

namespace {

// Builds the file at `ruta` in a temporary file beside it: the schema, then `carga`.
void creaCon(const QString& ruta, const std::function<void(ado::Connection&)>& carga)
{
    const QString temporal = ruta + QStringLiteral(".nuevo");
    QFile::remove(temporal);
    {
        ado::Connection conexion;
        conexion.Open(ArchivoBaseDatos::CadenaConexion(temporal) + QStringLiteral(";Crear=SI"));
        EsquemaAgenda::Crea(conexion);
        carga(conexion);
        conexion.Close();
    }
    std::error_code error;
    std::filesystem::rename(temporal.toStdString(), ruta.toStdString(), error);
    if (error)
        throw ErrorVB(75, QStringLiteral("No se pudo dejar la base de datos en %1.").arg(QFileInfo(ruta).absoluteFilePath()));
}

} // namespace

void ArchivoBaseDatos::Crea(const QString& ruta, bool conDemo, const QDate& hoy)
{
    creaCon(ruta, [&](ado::Connection& conexion) {
        if (!conDemo)
            return;
        DatosDemo::Carga(conexion, hoy);
        // The lookups' masters exist only in the embedded schema for now.
        conexion.BeginTrans();
        DatosDemoConsultas::Carga(conexion);
        conexion.CommitTrans();
    });
}

void ArchivoBaseDatos::CreaConfigurada(const QString& ruta)
{
    creaCon(ruta, [](ado::Connection& conexion) { ConfiguracionInicial::Carga(conexion); });
}
