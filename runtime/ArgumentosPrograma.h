#pragma once

#include <QStringList>

// The arguments of a program whose start-up line or connection string may carry a password. Each
// program's main() calls Lee once, as soon as it has its arguments, and uses what it returns.
class ArgumentosPrograma {
public:
    // The environment variable a launcher can hand the line in, so that no argument carries it.
    static constexpr const char* kVariableLinea = "AGENDA_LINEA";

    // The arguments argv[1] to argv[argc - 1] (local 8-bit text), where:
    // - the first argument that is exactly "-" stands for the line: the value of AGENDA_LINEA when
    //   that is set and not empty, otherwise the first line of standard input (without its line
    //   break; "" at the end of input), which is then consumed;
    // - with no argument at all, a set and non-empty AGENDA_LINEA is the one argument.
    // AGENDA_LINEA, once read, is removed from the environment, so no program started later
    // inherits it. Then every password value in the arguments' own memory is overwritten
    // (ClavesEnTexto::Borra), so the process list no longer shows it; the texts returned keep it.
    // The result is also kept for Leidos.
    static QStringList Lee(int argc, char* argv[]);

    // What the last Lee returned (an empty list before any call), and whether Lee has run.
    [[nodiscard]] static const QStringList& Leidos();
    [[nodiscard]] static bool HayLeidos();
};
