#pragma once

#include <QList>
#include <QString>

// The layout file of the list lookups, "CONSULTASLEN.KQW" in the program folder (the user's data
// folder when the program folder cannot be written, see Entorno::carpetaArchivo), in Windows-1252:
// one line per table, ended by CR LF, with two fields in double quotes separated by a comma: the
// table name and its column widths in twips, each followed by "|" ("VT_CLIENTES","1500|900|2400|").
// Fields carry no escaping: a double quote ends a field, so keys and widths never hold one.
class ArchivoAnchos {
public:
    struct Registro {
        QString clave;
        QString anchos;
        friend bool operator==(const Registro&, const Registro&) = default;
    };

    static constexpr QLatin1StringView kNombre{"CONSULTASLEN.KQW"};

    // `carpeta` ends in "/".
    explicit ArchivoAnchos(const QString& carpeta);

    [[nodiscard]] QString ruta() const;
    [[nodiscard]] QString rutaTemporal() const;

    // Every record in file order; none when the file does not exist. A line without a second field
    // has empty widths. Raises ErrorVB 75 when the file exists but cannot be read.
    [[nodiscard]] QList<Registro> Lee() const;

    // Stores `anchos` under `clave`: every record of another key (compared ignoring case) is kept in
    // its order, and the new record goes last. The file is rewritten through "CONSULTASLEN.AUX",
    // renamed over the old one, so a stop half-way leaves the old file whole; the whole
    // read-modify-write holds a lock file beside it, so two lookups closing at once both keep their
    // record. Raises ErrorVB 75 when the folder cannot be written or the lock is not had within
    // a few seconds; the old file then stays as it was.
    void Graba(const QString& clave, const QString& anchos) const;

private:
    QString carpeta_;
};
