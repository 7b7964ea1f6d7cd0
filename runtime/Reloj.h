#pragma once

#include <QDate>
#include <QDateTime>

// The program's clock: "now" and "today" for everything that depends on the date. Tests fix it.
class Reloj {
public:
    [[nodiscard]] static QDateTime ahora();
    [[nodiscard]] static QDate hoy() { return ahora().date(); }
    // Makes ahora() answer `momento` (plus the time elapsed since, when `avanza` is true).
    static void fija(const QDateTime& momento, bool avanza = false);
    // Back to the system clock.
    static void libera();
};
