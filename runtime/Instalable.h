#pragma once

#include <memory>
#include <utility>

// The one object a seam uses: what was installed, or else the default that `creaDefecto` makes on
// first use (again after null is installed). A seam's static actual() and instala() hand over to these.
template <class Interfaz, std::unique_ptr<Interfaz> (*creaDefecto)()>
class Instalable {
public:
    static Interfaz& actual()
    {
        auto& o = objeto();
        if (!o)
            o = creaDefecto();
        return *o;
    }
    // Installs `nuevo` and returns the object it replaces (null when none was made yet).
    static std::unique_ptr<Interfaz> instala(std::unique_ptr<Interfaz> nuevo)
    {
        return std::exchange(objeto(), std::move(nuevo));
    }

private:
    static std::unique_ptr<Interfaz>& objeto()
    {
        static std::unique_ptr<Interfaz> instalado;
        return instalado;
    }
};

// A default that is a plain `Defecto`: Instalable<Interfaz, fabricaDe<Interfaz, Defecto>>.
template <class Interfaz, class Defecto>
std::unique_ptr<Interfaz> fabricaDe()
{
    return std::make_unique<Defecto>();
}
