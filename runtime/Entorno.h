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

    // Fix the program folder or the INI search path for tests; a null QString or an empty list
    // returns to the real ones.
    static void FijaCarpetaPrograma(const QString& carpeta);
    static void FijaRutasIni(const QStringList& rutas);
};
