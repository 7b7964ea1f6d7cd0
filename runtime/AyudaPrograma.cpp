#include "runtime/AyudaPrograma.h"

#include <cstdio>
#include <cstring>

std::optional<int> AyudaPrograma::Responde(int argc, char* argv[], const char* programa, const char* uso)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", programa, Version());
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s\n\nMás detalles: man %s\n", uso, programa);
            return 0;
        }
    }
    return std::nullopt;
}

const char* AyudaPrograma::Version()
{
    return AGENDA_VERSION;
}
