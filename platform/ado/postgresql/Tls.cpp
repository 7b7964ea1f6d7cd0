#include "platform/ado/postgresql/Tls.h"

#include <QRegularExpression>

namespace ado::postgresql {

QList<std::pair<QString, QString>> ItemsTls(const CadenaConexion& cadena)
{
    QList<std::pair<QString, QString>> items;
    for (const char* clave : {"sslmode", "sslrootcert", "sslcert", "sslkey", "sslcrl"}) {
        const QString nombre = QLatin1String(clave);
        if (cadena.contiene(nombre))
            items.append({nombre, cadena.valor(nombre)});
    }
    return items;
}

QString OpcionesTls(const CadenaConexion& cadena)
{
    QString opciones;
    for (auto [nombre, valor] : ItemsTls(cadena)) {
        valor.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
        opciones += u';' + nombre + QStringLiteral("='") + valor + u'\'';
    }
    return opciones;
}

QString DescripcionFalloTls(const QString& mensaje)
{
    static const QRegularExpression otroNombre(QStringLiteral(
        "server certificate for \"([^\"]*)\"(?: \\(and \\d+ other names?\\))? does not match host name \"([^\"]*)\""));
    if (const auto nombre = otroNombre.match(mensaje); nombre.hasMatch())
        return QStringLiteral("el certificado del servidor es de \"%1\", no de \"%2\"; la conexión cifrada se rechaza")
            .arg(nombre.captured(1), nombre.captured(2));
    if (mensaje.contains(QLatin1String("certificate verify failed")))
        return QStringLiteral("no se pudo verificar el certificado del servidor con el certificado raíz; la conexión "
                              "cifrada se rechaza");
    if (mensaje.contains(QLatin1String("root certificate file")))
        return QStringLiteral("falta el certificado raíz con el que verificar al servidor (sslrootcert, o "
                              "~/.postgresql/root.crt)");
    if (mensaje.contains(QLatin1String("server does not support SSL")))
        return QStringLiteral("el servidor no ofrece conexiones cifradas y esta conexión las exige");
    return {};
}

} // namespace ado::postgresql
