#pragma once

#include "support/MotoresDePrueba.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// A real database built from the program's own schema (and, when asked, the demo data for `hoy`):
// an embedded file in a temporary folder, or a database of its own on the test server. Removed with
// the object.
class BaseDePrueba {
public:
    explicit BaseDePrueba(bool conDemo = false, const QDate& hoy = QDate(2025, 3, 5), Motor motor = Motor::SQLite);
    ~BaseDePrueba();

    // The file of an embedded database, the database's name on the server.
    [[nodiscard]] QString ruta() const { return ruta_; }
    [[nodiscard]] QString cadenaConexion() const;
    [[nodiscard]] QString carpeta() const { return carpeta_.path(); }
    [[nodiscard]] Motor motor() const { return motor_; }

private:
    QTemporaryDir carpeta_;
    QString ruta_;
    Motor motor_;
};
