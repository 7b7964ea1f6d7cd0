#include "Entrada.h"
#include "platform/ado/CadenaConexion.h"
#include "runtime/ErrorVB.h"
#include "startup/ModGlobal.h"
#include "startup/ParametrosArranque.h"

#include <cstdlib>

// The start-up parameter line, taken apart key by key as the connection start-up does, and the
// connection string built from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const QString linea = textoDe(datos, largo);
    QString servidor;
    for (const char* clave : {"@ParametroAdicional", "@Menu", "@Server", "@DbName", "@Usuario", "@Password",
                              "@UsuarioLogeado", "@Caja", "@Proveedor"}) {
        QString valor;
        try {
            ParametrosArranque::Extrae(linea, QString::fromLatin1(clave), valor, QStringLiteral("1"));
        } catch (const ErrorVB& e) {
            // A key with no ";" after it, or beyond the line's 16-bit positions.
            if (e.numero() != 5 && e.numero() != 6)
                std::abort();
        }
        if (qstrcmp(clave, "@Server") == 0)
            servidor = valor;
    }
    (void)ModGlobal::ExtraerServidor(servidor);
    const ado::CadenaConexion cadena(linea);
    (void)cadena.proveedor();
    (void)cadena.baseDeDatos();
    return 0;
}
