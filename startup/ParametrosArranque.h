#pragma once

#include <QString>

class SharedRuntime;

// The start-up parameter line: items "@key=value" each ended by ";", keys found anywhere and in any
// case. Used by ModGlobal::IniciarConexion.
class ParametrosArranque {
public:
    // Takes the value of `clave` from `linea` into `destino`:
    // - the key is the first occurrence in the line (case ignored), so "@Usuario" also matches the
    //   start of "@UsuarioLogeado" when that comes first;
    // - the value is what lies between the end of the key and the next ";", blanks trimmed, less
    //   the one "=" in front of it ("@Password = ab=cd;" gives "ab=cd");
    // - with no ";" after the key, "@ParametroAdicional" takes at most the 19 characters after the
    //   key; any other key raises ErrorVB 5 and leaves `destino` as it was;
    // - a key that is absent gives `ausente`;
    // - a key found beyond position 32767 or a value longer than that raises ErrorVB 6, as the
    //   line's positions are 16-bit numbers.
    static void Extrae(const QString& linea, const QString& clave, QString& destino, const QString& ausente);

    // The default line built from the station's database section `seccionBaseDatos` of CN000pr.INI:
    // "Servidor", "DbName" and the unwrapped "Usuario" (default "Pelmar") and "UserPassWord" (default
    // "tramoly"), each with every "|" removed, in the form
    // "@server=S; @dbname= D; @usuario= U; @Password= P; @ParametroAdicional=; @Caja=1;vorn@".
    [[nodiscard]] static QString LineaDesdeIni(const QString& seccionBaseDatos, const SharedRuntime& runtime);

    // The program's own arguments (without the program name) joined by blanks, as the suite's
    // command line reaches the program as one text: those ArgumentosPrograma::Lee read (a line from
    // standard input or the environment included) once it has run.
    [[nodiscard]] static QString LineaDeOrdenes();
};
