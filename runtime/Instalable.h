#pragma once

#include <memory>

// The one object a seam uses: a `Defecto` until something is installed, and again after null is
// installed. A seam's static actual() and instala() hand over to these.
template <class Interfaz, class Defecto>
class Instalable {
public:
    static Interfaz& actual() { return *objeto(); }
    // Installs `nuevo` and returns the object it replaces.
    static std::unique_ptr<Interfaz> instala(std::unique_ptr<Interfaz> nuevo)
    {
        auto anterior = std::move(objeto());
        objeto() = nuevo ? std::move(nuevo) : std::make_unique<Defecto>();
        return anterior;
    }

private:
    static std::unique_ptr<Interfaz>& objeto()
    {
        static std::unique_ptr<Interfaz> instalado = std::make_unique<Defecto>();
        return instalado;
    }
};
