#include "support/ModoArchivo.h"

#include <QFile>

#include <sys/stat.h>

int ModoArchivo(const QString& ruta)
{
    struct stat datos { };
    if (::stat(QFile::encodeName(ruta).constData(), &datos) != 0)
        return -1;
    return static_cast<int>(datos.st_mode & 07777);
}
