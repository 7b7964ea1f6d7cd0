#include "runtime/ArchivosPrivados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ArchivosPrivados::Carpeta(const QString& carpeta)
{
    if (!QDir().mkpath(carpeta) || !QFileInfo(carpeta).isDir())
        return false;
    QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

void ArchivosPrivados::Archivo(const QString& archivo)
{
    if (QFileInfo::exists(archivo))
        QFile::setPermissions(archivo, QFile::ReadOwner | QFile::WriteOwner);
}
