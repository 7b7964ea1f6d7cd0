#include "platform/ado/CadenaConexion.h"

#include <algorithm>

namespace ado {

CadenaConexion::CadenaConexion(const QString& texto) : texto_(texto)
{
    const QStringList items = texto.split(u';', Qt::SkipEmptyParts);
    for (const QString& item : items) {
        const qsizetype igual = item.indexOf(u'=');
        if (igual < 0)
            continue;
        const QString clave = item.left(igual).trimmed().toLower();
        if (!clave.isEmpty())
            valores_.insert(clave, item.mid(igual + 1).trimmed());
    }
}

QString CadenaConexion::valor(const QString& clave) const
{
    return valores_.value(clave.trimmed().toLower());
}

bool CadenaConexion::contiene(const QString& clave) const
{
    return valores_.contains(clave.trimmed().toLower());
}

QString CadenaConexion::baseDeDatos() const
{
    for (const char* clave : {"database", "data source", "initial catalog"}) {
        const QString valor = valores_.value(QString::fromLatin1(clave));
        if (!valor.isEmpty())
            return valor;
    }
    return {};
}

QString CadenaConexion::primero(std::initializer_list<const char*> claves) const
{
    for (const char* clave : claves) {
        const auto it = valores_.constFind(QString::fromLatin1(clave).toLower());
        if (it != valores_.constEnd())
            return *it;
    }
    return {};
}

QString CadenaConexion::usuario() const
{
    return primero({"UId", "User Id", "User"});
}

QString CadenaConexion::clave() const
{
    return primero({"Pwd", "Password"});
}

CadenaConexion::Servidor CadenaConexion::servidor(std::initializer_list<const char*> otras) const
{
    QString direccion = valor(QStringLiteral("Server"));
    for (auto it = otras.begin(); direccion.isEmpty() && it != otras.end(); ++it)
        direccion = valor(QLatin1String(*it));
    const qsizetype corte = std::max(direccion.lastIndexOf(u':'), direccion.lastIndexOf(u','));
    if (corte < 0)
        return {direccion, direccion.trimmed(), {}, false};
    return {direccion, direccion.left(corte).trimmed(), direccion.mid(corte + 1).trimmed(), true};
}

QString CadenaConexion::Servidor::anfitrionLocal() const
{
    if (anfitrion.isEmpty() || anfitrion == u"." || anfitrion.compare(u"(local)", Qt::CaseInsensitive) == 0)
        return QStringLiteral("localhost");
    return anfitrion;
}

int CadenaConexion::Servidor::numeroPuerto(int porDefecto) const
{
    if (!conPuerto)
        return porDefecto;
    bool leido = false;
    const int numero = puerto.toInt(&leido);
    return leido && numero > 0 && numero <= 65535 ? numero : 0;
}

} // namespace ado
