#pragma once

#include <QString>

// Reads one value of one of the suite's INI files. Every operation is static; an object may still
// be used to call them, as the suite's code does.
class LectorIni {
public:
    // The value of `clave` in section `seccion` of `archivo`, or `defecto` when the file, the section
    // or the key is absent (a key present with an empty value gives "").
    // - Where the file is: a path with a folder ("/etc/x.ini", "conf/x.ini") is used as it is. A bare
    //   name ("CN000pr.INI") is looked for in each folder of Entorno::rutasIni() in order, and the
    //   first folder holding it wins; in each folder the exact name is tried first, then the same
    //   name in any case ("cn000pr.ini"), as the suite's files come from a case-blind file system.
    // - The file's bytes are Windows-1252 (Windows1252::decodifica).
    // - Section and key names ignore case, accented letters included; section names may hold any
    //   character but "]", "|" among them ("PC07|ANABaseDeDatos").
    // - Values are trimmed, and a value enclosed in a matching pair of double or single quotes loses
    //   them. When a section or a key appears more than once, the first occurrence wins.
    // - Lines starting with ";" or "#" are comments, and so is the rest of a line from a ";" that
    //   follows a blank. A line longer than 199 bytes is cut there (the rest of it is dropped).
    //   Indentation is ignored.
    [[nodiscard]] static QString LeeIni(const QString& archivo, const QString& seccion, const QString& clave,
                                        const QString& defecto);

    // The file LeeIni reads for `archivo`, with the rules above; "" when there is none.
    [[nodiscard]] static QString Localiza(const QString& archivo);
};
