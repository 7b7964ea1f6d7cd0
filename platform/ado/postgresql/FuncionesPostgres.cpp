#include "platform/ado/postgresql/FuncionesPostgres.h"

#include <QFile>

// The script is compiled into the provider's library; a static library needs its resources
// registered by hand.
static void registraRecursos()
{
    Q_INIT_RESOURCE(funciones_postgres);
}

namespace ado::postgresql {

QString DefinicionesFuncionesSuite()
{
    // Read once: every connection runs the same script.
    static const QString definiciones = [] {
        registraRecursos();
        QFile archivo(QStringLiteral(":/postgresql/funciones.sql"));
        archivo.open(QIODevice::ReadOnly);
        return QString::fromUtf8(archivo.readAll());
    }();
    return definiciones;
}

} // namespace ado::postgresql
