#pragma once

#include "platform/ado/RegistroProveedores.h"

#include <QString>

#include <memory>

// What the login dialog shows and gives back: user, password, database, server and the engine
// of the database platform.
struct DatosAcceso {
    QString usuario;
    QString clave;
    QString baseDatos;
    QString servidor;
    ado::RegistroProveedores::Motor motor = ado::RegistroProveedores::Motor::SqlServer;
};

// The login dialog as the data layer sees it. A program with windows installs the real one
// (DialogoAccesoQt); until then nobody can be asked, and every request counts as cancelled.
class DialogoAcceso {
public:
    virtual ~DialogoAcceso() = default;

    // Shows `datos` and lets the person change them. True, with `datos` holding what was accepted,
    // when accepted; false, with `datos` unchanged, when cancelled.
    virtual bool Pide(DatosAcceso& datos) = 0;

    // The login dialog in use.
    static DialogoAcceso& actual();
    // Installs `nuevo` (null: back to nobody to ask) and returns the one it replaces.
    static std::unique_ptr<DialogoAcceso> instala(std::unique_ptr<DialogoAcceso> nuevo);
};
