#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// The error log: one line per reported error, for support to see what went wrong.
// The log is $XDG_STATE_HOME/agenda/errores.log, or ~/.local/state/agenda/errores.log when
// XDG_STATE_HOME is unset, empty or not an absolute path.
class RegistroErrores {
public:
    // The log file's path, read from the environment on every call.
    [[nodiscard]] static QString ruta();

    // Appends one UTF-8 line: time "yyyy-MM-dd HH:mm:ss", context, number and description,
    // separated by tabs. Line breaks and tabs inside the texts become blanks, so a report is always
    // one line of four fields; the value of a password item shows as "***" (ClavesEnTexto). Missing
    // folders are created; the log is 0600 and its folder 0700, also when they were wider before.
    // When the log cannot be written the report is skipped silently: logging must never disturb
    // the program.
    static void anota(const QDateTime& momento, const QString& contexto, int32_t numero, const QString& descripcion);
};
