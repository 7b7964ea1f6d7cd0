#pragma once

#include <QString>

// The permission bits of a file or folder (07777 of its mode, e.g. 0600), or -1 when it does not exist.
[[nodiscard]] int ModoArchivo(const QString& ruta);
