#include "Entrada.h"
#include "lookup/ArchivoAnchos.h"
#include "runtime/ErrorVB.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

bool sinComillas(const QList<ArchivoAnchos::Registro>& registros)
{
    for (const auto& r : registros)
        if (r.clave.contains(u'"') || r.anchos.contains(u'"'))
            return false;
    return true;
}

} // namespace

// The layout file of the list lookups, its bytes as they come. Storing one table's widths keeps
// every record of the other tables as it was read, in its order, and puts the new one last (for
// records that hold no double quote, which the file cannot carry).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const QTemporaryDir carpeta;
    static const ArchivoAnchos anchos(carpeta.path() + u'/');
    static const QString clave = QStringLiteral("VT_CLIENTES");
    static const QString medidas = QStringLiteral("1500|900|");
    QFile archivo(anchos.ruta());
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || archivo.write(bytesDe(datos, largo)) != qint64(largo))
        return 0;
    archivo.close();
    QList<ArchivoAnchos::Registro> esperados;
    try {
        for (const auto& registro : anchos.Lee())
            if (registro.clave.compare(clave, Qt::CaseInsensitive) != 0)
                esperados.append(registro);
    } catch (const ErrorVB&) {
        return 0;
    }
    if (!sinComillas(esperados))
        return 0;
    esperados.append({clave, medidas});
    anchos.Graba(clave, medidas);
    if (anchos.Lee() != esperados)
        std::abort();
    return 0;
}
