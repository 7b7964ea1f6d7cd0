#pragma once

#include <QString>

// The person's own embedded database, so that a desk can work without a server. CN000pr.INI names
// it with the key "BaseLocal" of section "Agenda" (the installed package's default INI does):
//   [Agenda]
//   BaseLocal=agenda.db
// Without that key the program asks for its database in the login dialog, as before.
class BaseLocal {
public:
    // The file the INI names: "" when the key is absent or blank; a name or relative path is taken
    // inside the user's data folder (Entorno::carpetaDatosUsuario), an absolute path as it is.
    [[nodiscard]] static QString Ruta();

    // The start-up line that opens that file as the desk's user, creating it first when it does not
    // exist (schema and configuration defaults, ArchivoBaseDatos::CreaConfigurada, with its folder);
    // "" when the INI names none. Inside the user's data folder the file (with its journal) is 0600
    // and its folders 0700, also when they were wider before; a new file elsewhere is 0600, an
    // existing one elsewhere keeps its modes. Raises ErrorVB 75 when the file cannot be created, and
    // ErrorVB 5 when its path holds a ";", which would cut the line.
    [[nodiscard]] static QString LineaDeArranque();
};
