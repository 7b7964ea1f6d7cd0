#pragma once

#include <QString>

#include <signal.h>

// What an interruption (Ctrl+C, SIGTERM, SIGHUP) does during a copy: the temporary file being
// written, when there is one, is removed, a line says the destination is as it was, and the program
// ends at once with status 130. A server's open transaction ends with the connection, and the server
// undoes it.
class InterrupcionCopia {
public:
    static void Instala();
    // The file to remove when interrupted; an empty path removes none.
    static void BorraAlInterrumpir(const QString& ruta);

    // Holds interruptions back while it lives, for a step that must not be cut half-way (the rename
    // into place); one that came meanwhile acts when it ends.
    class Retenida {
    public:
        Retenida();
        ~Retenida();
        Retenida(const Retenida&) = delete;
        Retenida& operator=(const Retenida&) = delete;

    private:
        sigset_t anteriores_;
    };
};
