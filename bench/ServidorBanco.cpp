#include "ServidorBanco.h"

#include "platform/ado/CadenaConexion.h"

#include <QFile>
#include <QProcess>

namespace {

ServidorBanco* instancia = nullptr;

QString script()
{
    return QStringLiteral(AGENDA_FUENTES "/tests/postgresql/servidor_prueba.sh");
}

} // namespace

ServidorBanco::ServidorBanco()
{
    instancia = this;
}

ServidorBanco::~ServidorBanco()
{
    if (arrancado_)
        QProcess::execute(QStringLiteral("sh"), {script(), QStringLiteral("detiene"), carpetaCluster()});
    instancia = nullptr;
}

ServidorBanco& ServidorBanco::actual()
{
    return *instancia;
}

QString ServidorBanco::cadena()
{
    if (arrancado_)
        return cadena_;
    arrancado_ = true;
    // As root the cluster belongs to the postgres user, who must be able to reach its folder.
    QFile::setPermissions(carpeta_.path(), QFile::permissions(carpeta_.path()) | QFile::ExeOther | QFile::ExeGroup);
    QProcess arranque;
    arranque.start(QStringLiteral("sh"), {script(), QStringLiteral("arranca"), carpetaCluster()});
    arranque.waitForFinished(120000);
    QFile conexion(carpetaCluster() + QStringLiteral("/conexion"));
    if (arranque.exitStatus() == QProcess::NormalExit && conexion.open(QIODevice::ReadOnly))
        cadena_ = QString::fromUtf8(conexion.readAll()).trimmed();
    else
        motivo_ = QString::fromLocal8Bit(arranque.readAllStandardOutput() + arranque.readAllStandardError()).trimmed();
    if (cadena_.isEmpty() && motivo_.isEmpty())
        motivo_ = QStringLiteral("no se pudo arrancar un PostgreSQL de prueba");
    return cadena_;
}

QString ServidorBanco::host() const
{
    return ado::CadenaConexion(cadena_).valor(QStringLiteral("Server")).section(u':', 0, 0);
}

int ServidorBanco::puerto() const
{
    return ado::CadenaConexion(cadena_).valor(QStringLiteral("Server")).section(u':', 1, 1).toInt();
}

QString ServidorBanco::carpetaCluster() const
{
    return carpeta_.filePath(QStringLiteral("postgresql"));
}
