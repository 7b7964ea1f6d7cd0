#include "platform/ado/CadenaConexion.h"

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

} // namespace ado
