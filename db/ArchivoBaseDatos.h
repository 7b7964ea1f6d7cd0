#pragma once

#include <QDate>
#include <QString>

// Creating an embedded database file.
class ArchivoBaseDatos {
public:
    // The connection string of the embedded database at `ruta`.
    [[nodiscard]] static QString CadenaConexion(const QString& ruta);

    // Creates the file at `ruta` with the schema and, when `conDemo`, the demo data for `hoy`,
    // replacing any file there. It is built in a temporary file beside it and renamed into place, so
    // that an interrupted creation never leaves a half-made database. Raises ErrorVB on failure.
    static void Crea(const QString& ruta, bool conDemo, const QDate& hoy);

    // Creates the file at `ruta` as Crea does, with the schema and the configuration defaults only
    // (ConfiguracionInicial): a person's own agenda, ready for its first day.
    static void CreaConfigurada(const QString& ruta);
};
