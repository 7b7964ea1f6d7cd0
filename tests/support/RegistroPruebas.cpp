#include "RegistroPruebas.h"

#include "runtime/ArchivosPrivados.h"

#include <QFile>
#include <QTemporaryDir>

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
// A home and XDG folders of the test's own, removed afterwards: neither the test nor any program it
// starts (they inherit the environment) ever writes into the real home.
void fijaCasaTemporal(const QTemporaryDir& raiz)
{
    const struct {
        const char* variable;
        const char* carpeta;
    } carpetas[] = {{"HOME", "casa"},
                    {"XDG_CONFIG_HOME", "config"},
                    {"XDG_DATA_HOME", "datos"},
                    {"XDG_STATE_HOME", "estado"},
                    {"XDG_CACHE_HOME", "cache"},
                    {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& [variable, carpeta] : carpetas) {
        const QString ruta = raiz.filePath(QLatin1String(carpeta));
        ArchivosPrivados::Carpeta(ruta);
        qputenv(variable, QFile::encodeName(ruta));
    }
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
    const QTemporaryDir raiz;
    if (!raiz.isValid()) {
        std::fprintf(stderr, "No se pudo crear la carpeta temporal de la prueba.\n");
        return 2;
    }
    fijaCasaTemporal(raiz);
    std::vector<char*> argumentos{argv[0]};
    argumentos.insert(argumentos.end(), argv + 2, argv + argc);
    argumentos.push_back(nullptr);
    return prueba->second(argc - 1, argumentos.data());
}
