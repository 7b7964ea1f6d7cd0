#include "Entrada.h"
#include "runtime/LectorIni.h"

#include <QFile>
#include <QTemporaryDir>

// The suite's INI file, its bytes as they come: a few of the values the program reads from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const QTemporaryDir carpeta;
    static const QString ruta = carpeta.filePath(QStringLiteral("CN000pr.INI"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || archivo.write(bytesDe(datos, largo)) != qint64(largo))
        return 0;
    archivo.close();
    for (const char* seccion : {"PC07|ANABaseDeDatos", "Agenda", "Configuracion"})
        for (const char* clave : {"Servidor", "DbName", "Usuario", "UserPassWord", "FlatToolbars"})
            (void)LectorIni::LeeIni(ruta, QString::fromLatin1(seccion), QString::fromLatin1(clave),
                                    QStringLiteral("x"));
    return 0;
}
