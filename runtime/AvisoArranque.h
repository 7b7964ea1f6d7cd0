#pragma once

#include <QString>

// Receives the application folder at start-up and keeps it for the rest of the run.
// Every operation is static; an object may still be used to call them.
class AvisoArranque {
public:
    // Remembers `ruta` as the application folder, as given (a later call replaces it).
    static void InformaRuta(const QString& ruta);
    // The folder last given to InformaRuta; "" before any call.
    [[nodiscard]] static QString Ruta();
};
