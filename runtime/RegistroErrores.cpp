#include "runtime/RegistroErrores.h"

#include "runtime/ArchivosPrivados.h"
#include "runtime/ClavesEnTexto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString enUnaLinea(const QString& texto)
{
    static const QRegularExpression saltos(QStringLiteral("\\r\\n|[\\r\\n\\t]"));
    return ClavesEnTexto::Oculta(texto).replace(saltos, QStringLiteral(" "));
}
} // namespace

QString RegistroErrores::ruta()
{
    QString estado = qEnvironmentVariable("XDG_STATE_HOME");
    if (estado.isEmpty() || QDir::isRelativePath(estado))
        estado = QDir::homePath() + QStringLiteral("/.local/state");
    return estado + QStringLiteral("/agenda/errores.log");
}

void RegistroErrores::anota(const QDateTime& momento, const QString& contexto, int32_t numero,
                            const QString& descripcion)
{
    const QString archivo = ruta();
    if (!ArchivosPrivados::Carpeta(QFileInfo(archivo).absolutePath()))
        return;
    QFile log(archivo);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    ArchivosPrivados::Archivo(archivo);
    const QString linea = QStringList{momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), enUnaLinea(contexto),
                                      QString::number(numero), enUnaLinea(descripcion)}
                              .join(u'\t');
    log.write((linea + u'\n').toUtf8());
}
