#pragma once

#include "copia/LadoCopia.h"

#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

class ProgresoCopia;

// agenda-copia [--reemplazar] ORIGEN DESTINO: copies every table of the agenda's schema from one
// agenda to another (file to file, file to server, server to file, server to server).
// ORIGEN and DESTINO are each a connection string ("Provider=SQLite;Database=RUTA" or
// "Provider=PostgreSQL;...") or the path of an embedded database file. The source is read on one
// snapshot; the destination gets its schema from the program's own scripts when it has none and is
// written all or nothing. A destination that already holds rows is refused unless --reemplazar, which
// replaces them. After writing, every table's row count and checksum (FirmaTabla) are read back from
// the destination and compared with the source's; the comparison is printed as a table, and the
// copy is made final only when every table matches.
class CopiaAgenda {
public:
    enum Salida { Bien = 0, Fallo = 1, Uso = 2, Rechazada = 3 };

    struct Opciones {
        QString origen;
        QString destino;
        bool reemplazar = false;
    };

    static const char* const kUso;

    // The command line; nothing (and the usage on `errores`) when it is not one. An argument that
    // starts with "-" is an option, never a path.
    [[nodiscard]] static std::optional<Opciones> LeeOpciones(const QStringList& argumentos, QTextStream& errores);
    // The side a command-line argument names; throws FalloCopia for a provider it cannot copy.
    [[nodiscard]] static std::unique_ptr<LadoCopia> Lado(const QString& texto);

    // Runs the copy; the comparison table goes to `salida`, failures to `errores`. Returns a Salida.
    static int Ejecuta(const Opciones& opciones, QTextStream& salida, QTextStream& errores, ProgresoCopia& progreso);
};
