#include "platform/ado/odbc/ProveedorOdbc.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/LectorFilasQtSql.h"
#include "platform/ado/odbc/ErroresOdbc.h"
#include "platform/ado/odbc/EsquemaOdbc.h"

#include <QDir>
#include <QSettings>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sql.h>
#include <sqlext.h>

namespace ado::odbc {
namespace {

// The drivers unixODBC lists: the sections of its odbcinst.ini files.
QStringList controladoresInstalados()
{
    QStringList archivos;
    const QString carpeta = qEnvironmentVariable("ODBCSYSINI");
    archivos.append((carpeta.isEmpty() ? QStringLiteral("/etc") : carpeta) + QStringLiteral("/odbcinst.ini"));
    archivos.append(QDir::homePath() + QStringLiteral("/.odbcinst.ini"));
    QStringList nombres;
    for (const QString& archivo : archivos) {
        if (QFile::exists(archivo))
            nombres += QSettings(archivo, QSettings::IniFormat).childGroups();
    }
    return nombres;
}

// The installed driver whose name holds one of `pistas`, or "".
QString buscaControlador(const QStringList& pistas)
{
    for (const QString& nombre : controladoresInstalados()) {
        for (const QString& pista : pistas) {
            if (nombre.contains(pista, Qt::CaseInsensitive))
                return nombre;
        }
    }
    return {};
}

// A value placed in an ODBC connection string: in braces when it holds a separator.
QString valorOdbc(const QString& valor)
{
    if (!valor.contains(u';') && !valor.contains(u'{') && !valor.contains(u'}') && valor.trimmed() == valor)
        return valor;
    return u'{' + QString(valor).replace(u'}', QStringLiteral("}}")) + u'}';
}

// The ODBC state of a failed statement, from the driver's first diagnostic record on the statement
// handle (Qt's driver keeps the handle, and reading the record does not clear it); "" when none.
QString estadoDe(const QSqlQuery& q)
{
    const QVariant manejador = q.result() ? q.result()->handle() : QVariant();
    if (manejador.metaType() != QMetaType::fromType<SQLHANDLE>())
        return {};
    SQLHANDLE sentencia = *static_cast<const SQLHANDLE*>(manejador.constData());
    SQLCHAR estado[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER nativo = 0;
    SQLSMALLINT largo = 0;
    if (sentencia == nullptr
        || !SQL_SUCCEEDED(SQLGetDiagRec(SQL_HANDLE_STMT, sentencia, 1, estado, &nativo, nullptr, 0, &largo)))
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(estado));
}

} // namespace

ProveedorOdbc::ProveedorOdbc(Destino destino) : ProveedorQtSql("agenda_odbc", QStringLiteral("ODBC")), destino_(destino)
{
}

ProveedorOdbc::~ProveedorOdbc()
{
    cierra();
}

QString ProveedorOdbc::CadenaOdbc(Destino destino, const CadenaConexion& c)
{
    QStringList partes;
    const QString controlador = c.valor(QStringLiteral("Driver"));
    if (destino == Destino::Generico) {
        for (const QString& item : c.texto().split(u';', Qt::SkipEmptyParts)) {
            if (!item.section(u'=', 0, 0).trimmed().startsWith(QLatin1String("Provider"), Qt::CaseInsensitive))
                partes.append(item.trimmed());
        }
        return partes.join(u';');
    }
    if (!controlador.isEmpty())
        partes.append(QStringLiteral("DRIVER=") + valorOdbc(controlador));
    if (destino == Destino::SqlServer) {
        const CadenaConexion::Servidor servidor = c.servidor({"Data Source"});
        partes.append(QStringLiteral("SERVER=") + valorOdbc(servidor.anfitrion));
        if (!servidor.puerto.isEmpty())
            partes.append(QStringLiteral("PORT=") + valorOdbc(servidor.puerto));
        partes.append(QStringLiteral("DATABASE=") + valorOdbc(c.primero({"Database", "Initial Catalog"})));
        partes.append(QStringLiteral("TDS_Version=7.4"));
        partes.append(QStringLiteral("ClientCharset=UTF-8"));
    } else {
        partes.append(QStringLiteral("DBQ=") + valorOdbc(c.primero({"Data Source", "Database"})));
    }
    partes.append(QStringLiteral("UID=") + valorOdbc(c.usuario()));
    partes.append(QStringLiteral("PWD=") + valorOdbc(c.clave()));
    return partes.join(u';');
}

void ProveedorOdbc::abre(const CadenaConexion& cadena)
{
    cierra();
    QString odbc = CadenaOdbc(destino_, cadena);
    if (destino_ != Destino::Generico && cadena.valor(QStringLiteral("Driver")).isEmpty()) {
        const bool sqlServer = destino_ == Destino::SqlServer;
        const QString controlador
            = buscaControlador(sqlServer ? QStringList{QStringLiteral("FreeTDS"), QStringLiteral("SQL Server")}
                                         : QStringList{QStringLiteral("Oracle")});
        if (controlador.isEmpty())
            fallaPropia(sqlServer ? QStringLiteral("El proveedor \"SQLOLEDB\" necesita el controlador ODBC de SQL "
                                                   "Server (FreeTDS, paquete tdsodbc), que no está instalado en este "
                                                   "equipo.")
                                  : QStringLiteral("El proveedor \"OraOLEDB.Oracle.1\" necesita un controlador ODBC "
                                                   "de Oracle (el de Oracle Instant Client, registrado en unixODBC), y "
                                                   "no hay ninguno instalado en este equipo."),
                        NumeroError::ProveedorNoEncontrado, QStringLiteral("IM002"));
        odbc = QStringLiteral("DRIVER=") + valorOdbc(controlador) + u';' + odbc;
    }
    agregaConexion(QStringLiteral("QODBC"),
                   QStringLiteral("No está instalado el controlador ODBC de Qt (paquete libqt6sql6-odbc)."));
    base_.setDatabaseName(odbc);
    if (!base_.open()) {
        const QSqlError error = base_.lastError();
        cierra();
        falla(error);
    }
    baseDeDatos_ = cadena.primero({"Database", "Initial Catalog", "Data Source"});
}

void ProveedorOdbc::cierra()
{
    cierraConexion();
    baseDeDatos_.clear();
}

int32_t ProveedorOdbc::ejecuta(const QString& sentencia)
{
    compruebaAbierta();
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    if (!q.exec(sentencia))
        fallaConsulta(q);
    return q.isSelect() ? -1 : q.numRowsAffected();
}

Resultado ProveedorOdbc::consulta(const QString& sentencia)
{
    compruebaAbierta();
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!q.exec(sentencia))
        fallaConsulta(q);
    return q.isSelect() ? leeFilas(q, sentencia) : Resultado{};
}

void ProveedorOdbc::pasoTransaccion(PasoTransaccion paso)
{
    const bool hecho = paso == PasoTransaccion::Inicia ? base_.transaction()
        : paso == PasoTransaccion::Confirma            ? base_.commit()
                                                       : base_.rollback();
    if (!hecho)
        falla(base_.lastError());
}

Resultado ProveedorOdbc::esquema(int tipo, const QVariantList& restricciones)
{
    compruebaAbierta();
    switch (tipo) {
    case adSchemaTables:
        return EsquemaOdbc::tablas(base_, baseDeDatos_, restricciones);
    case adSchemaColumns:
        return EsquemaOdbc::columnas(base_, baseDeDatos_, restricciones);
    default:
        fallaPropia(QStringLiteral("El controlador ODBC no ofrece el esquema %1.").arg(tipo));
    }
}

QString ProveedorOdbc::citaNombre(const QString& nombre) const
{
    return nombre;
}

QVariant ProveedorOdbc::valorEscrito(const QVariant& valor, const QString&) const
{
    return valor;
}

QString ProveedorOdbc::condicionOriginal(const QString& citada, const QVariant& original, QVariantList& valores) const
{
    valores.append(original);
    return citada + QStringLiteral(" = ?");
}

void ProveedorOdbc::fijaBaseDeDatos(const QString& nombre)
{
    compruebaAbierta();
    if (nombre.trimmed().isEmpty() || nombre.trimmed().compare(baseDeDatos_, Qt::CaseInsensitive) == 0)
        return;
    ejecutaSimple(QStringLiteral("USE ") + nombre.trimmed());
    baseDeDatos_ = nombre.trimmed();
}

void ProveedorOdbc::fijaTiempoEspera(int) { }

void ProveedorOdbc::falla(const QSqlError& error) const
{
    throw FalloProveedor(ErrorDeOdbc(error, {}));
}

void ProveedorOdbc::fallaConsulta(const QSqlQuery& q) const
{
    throw FalloProveedor(ErrorDeOdbc(q.lastError(), estadoDe(q)));
}

} // namespace ado::odbc
