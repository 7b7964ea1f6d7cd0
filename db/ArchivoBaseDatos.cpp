#include "db/ArchivoBaseDatos.h"

#include "db/DatosDemo.h"
#include "db/DatosDemoConsultas.h"
#include "db/EsquemaAgenda.h"
#include "platform/ado/Connection.h"
#include "runtime/ErrorVB.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

QString ArchivoBaseDatos::CadenaConexion(const QString& ruta)
{
    return QStringLiteral("Provider=SQLite;Database=") + ruta;
}

void ArchivoBaseDatos::Crea(const QString& ruta, bool conDemo, const QDate& hoy)
{
    const QString temporal = ruta + QStringLiteral(".nuevo");
    QFile::remove(temporal);
    {
        ado::Connection conexion;
        conexion.Open(CadenaConexion(temporal) + QStringLiteral(";Crear=SI"));
        EsquemaAgenda::Crea(conexion);
        if (conDemo) {
            DatosDemo::Carga(conexion, hoy);
            conexion.BeginTrans();
            DatosDemoConsultas::Carga(conexion);
            conexion.CommitTrans();
        }
        conexion.Close();
    }
    std::error_code error;
    std::filesystem::rename(temporal.toStdString(), ruta.toStdString(), error);
    if (error)
        throw ErrorVB(75, QStringLiteral("No se pudo dejar la base de datos en %1.").arg(QFileInfo(ruta).absoluteFilePath()));
}
