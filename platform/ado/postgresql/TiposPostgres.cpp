#include "platform/ado/postgresql/TiposPostgres.h"

#include <QHash>

namespace ado::postgresql {

std::optional<QString> TipoPostgres(const TipoColumna& tipo)
{
    static const QHash<QString, QString> kTipos = [] {
        QHash<QString, QString> t;
        const auto agrega = [&t](const char* destino, std::initializer_list<const char*> nombres) {
            for (const char* n : nombres)
                t.insert(QString::fromLatin1(n), QString::fromLatin1(destino));
        };
        agrega("timestamp", {"datetime", "smalldatetime", "datetime2"});
        agrega("timestamptz", {"datetimeoffset"});
        agrega("numeric(19, 4)", {"money"});
        agrega("numeric(10, 4)", {"smallmoney"});
        agrega("smallint", {"bit", "tinyint"});
        agrega("bytea", {"image", "binary", "varbinary"});
        return t;
    }();
    const auto it = kTipos.constFind(tipo.nombre);
    return it == kTipos.constEnd() ? std::nullopt : std::optional<QString>(*it);
}

bool EsTipoTextoServidor(const TipoColumna& tipo)
{
    for (const char* nombre : {"varchar", "nvarchar", "text", "ntext", "sysname", "uniqueidentifier"}) {
        if (tipo.nombre == QLatin1String(nombre))
            return true;
    }
    return false;
}

} // namespace ado::postgresql
