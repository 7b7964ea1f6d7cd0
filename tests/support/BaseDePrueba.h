#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// A real embedded database in a temporary folder, built from the program's own schema (and, when
// asked, the demo data for `hoy`). Removed with the object.
class BaseDePrueba {
public:
    explicit BaseDePrueba(bool conDemo = false, const QDate& hoy = QDate(2025, 3, 5));

    [[nodiscard]] QString ruta() const { return ruta_; }
    [[nodiscard]] QString cadenaConexion() const;
    [[nodiscard]] QString carpeta() const { return carpeta_.path(); }

private:
    QTemporaryDir carpeta_;
    QString ruta_;
};
