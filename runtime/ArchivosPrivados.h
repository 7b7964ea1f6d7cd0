#pragma once

#include <QString>

// Files and folders that are the user's alone: the error log, the person's own database, the
// program's folders under the user's XDG folders. Other users of the machine get no access.
class ArchivosPrivados {
public:
    // Creates `carpeta` when missing (its parents with the usual modes) and leaves it 0700, also
    // when it already existed with wider modes. False when it cannot be created or is not a folder.
    static bool Carpeta(const QString& carpeta);

    // Leaves the existing file `archivo` 0600; nothing when it does not exist.
    static void Archivo(const QString& archivo);
};
