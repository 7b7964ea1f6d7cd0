#pragma once

#include <optional>

// --help and --version, answered alike by every program before it does anything else.
class AyudaPrograma {
public:
    // When an argument is "--help", "-h" or "--version": writes `uso` followed by a line that points to
    // the manual page, or "programa versión", to standard output and returns 0, the status to end with.
    // Otherwise returns nothing. It opens no window, reads no configuration and touches no file.
    [[nodiscard]] static std::optional<int> Responde(int argc, char* argv[], const char* programa, const char* uso);

    // The version of the programs ("1.0.0").
    [[nodiscard]] static const char* Version();
};
