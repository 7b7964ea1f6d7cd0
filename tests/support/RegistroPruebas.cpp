#include "RegistroPruebas.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
std::map<std::string, RegistroPruebas::Ejecutora>& pruebas()
{
    static std::map<std::string, RegistroPruebas::Ejecutora> registradas;
    return registradas;
}
} // namespace

bool RegistroPruebas::registra(const char* archivo, Ejecutora ejecutora)
{
    std::string nombre(archivo);
    nombre.erase(0, nombre.find_last_of('/') + 1);
    nombre.erase(nombre.find_last_of('.'));
    return pruebas().emplace(nombre, ejecutora).second;
}

int RegistroPruebas::ejecuta(int argc, char* argv[])
{
    const auto prueba = argc > 1 ? pruebas().find(argv[1]) : pruebas().end();
    if (prueba == pruebas().end()) {
        std::fprintf(stderr, "Uso: %s PRUEBA [opciones de Qt Test]\nPruebas:\n", argv[0]);
        for (const auto& [nombre, ejecutora] : pruebas())
            std::fprintf(stderr, "  %s\n", nombre.c_str());
        return 2;
    }
    std::vector<char*> argumentos{argv[0]};
    argumentos.insert(argumentos.end(), argv + 2, argv + argc);
    argumentos.push_back(nullptr);
    return prueba->second(argc - 1, argumentos.data());
}
