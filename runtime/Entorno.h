#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its own folder and its INI files. A test seam: tests fix both.
// Every operation is static.
class Entorno {
public:
    // The folder of the program's executable, without a trailing "/"; the folder fixed by
    // FijaCarpetaPrograma if any.
    [[nodiscard]] static QString carpetaPrograma();
    // The folders where a bare INI file name is looked for, in order: the program folder, then
    // $XDG_CONFIG_HOME/agenda ($XDG_CONFIG_HOME unset, empty or relative: ~/.config/agenda); the
    // list fixed by FijaRutasIni if any. The environment is read on every call.
    [[nodiscard]] static QStringList rutasIni();
    // The user's data folder: $XDG_DATA_HOME/agenda ($XDG_DATA_HOME unset, empty or relative:
    // ~/.local/share/agenda). Only named here; carpetaArchivo creates it when it is used.
    [[nodiscard]] static QString carpetaDatosUsuario();
    // The folder of `nombre`, a file the program keeps for itself (the lookup catalogue, the lookups'
    // layout): the program folder when the file is already there or the folder can be written, so a
    // copied build keeps its files beside it; otherwise (an installed program) the user's data
    // folder, created when missing. Writability is asked of the system, so an immutable folder or a
    // read-only mount counts as unwritable also for root.
    [[nodiscard]] static QString carpetaArchivo(const QString& nombre);

    // Fix the program folder or the INI search path for tests; a null QString or an empty list
    // returns to the real ones.
    static void FijaCarpetaPrograma(const QString& carpeta);
    static void FijaRutasIni(const QStringList& rutas);
};
