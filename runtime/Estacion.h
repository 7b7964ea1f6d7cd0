#pragma once

#include <QString>

class QWidget;

// The workstation: its name, its user's name, and keeping windows on its screen.
// The names are a test seam: tests fix them with the setters. Every operation is static; an object
// may still be used to call them.
class Estacion {
public:
    // The host name, as the system gives it ("pc07"); the name fixed by FijaNombreEquipo if any.
    [[nodiscard]] static QString NombreEquipo();
    // The login name of the user running the program (from the user database, else $USER, else
    // $LOGNAME); the name fixed by FijaNombreUsuario if any.
    [[nodiscard]] static QString NombreUsuario();
    // Fix the names for tests; a null QString returns to the system's.
    static void FijaNombreEquipo(const QString& nombre);
    static void FijaNombreUsuario(const QString& nombre);

    // Keeps the window inside the available area of its screen (the screen less panels and docks):
    // a window larger than that area is shrunk to it, then moved the least needed so that all of it
    // is visible. A window already inside is left as it is. A null window does nothing.
    static void AjustaFormulario(QWidget* ventana);
};
