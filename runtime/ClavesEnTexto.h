#pragma once

#include <QString>

// Passwords inside texts that carry connection items: the start-up line ("@Password=...;"), ADO and
// ODBC connection strings ("Pwd=...;", "Password=...;", "PWD={...}") and the quoted form of a
// connection option ("password='...'"). A key is found in any case, where it starts the text or
// follows a character that is neither a letter nor a digit ("@", ";", a blank), with blanks allowed
// around the "=" ("@Password" also without one, as the start-up line reads it). Its value runs to the
// next ";" or line break (the end of the text when none); a value that opens with "{" or "'" is
// what lies inside up to the closing "}" or "'", which stay. Every occurrence counts, not only the
// first.
class ClavesEnTexto {
public:
    // `texto` with the value of every password item replaced by "***"; every other character,
    // the key and its separators included, stays as it was.
    [[nodiscard]] static QString Oculta(const QString& texto);

    // Overwrites in place, with "*", every character of every password value in the
    // nul-terminated text `texto`, which keeps its length: for a program's own argument memory,
    // which the system shows to every user in the process list.
    static void Borra(char* texto);
};
