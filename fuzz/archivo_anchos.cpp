#include "Entrada.h"

#include "lookup/ArchivoAnchos.h"
#include "runtime/ErrorVB.h"

#include <QFile>
#include <QTemporaryDir>

// The layout file of the list lookups, its bytes as they come.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const QTemporaryDir carpeta;
    static const ArchivoAnchos anchos(carpeta.path() + u'/');
    QFile archivo(anchos.ruta());
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate) || archivo.write(bytesDe(datos, largo)) != qint64(largo))
        return 0;
    archivo.close();
    try {
        (void)anchos.Lee();
    } catch (const ErrorVB&) {
    }
    return 0;
}
