#pragma once

#include <memory>

// The program's windows as the layers without windows see them: the pointer (a wait cursor put up
// around a long call and taken off around a message) and the closing of every window when the
// program ends. A program with windows installs the Qt one (VentanasQt::instala); until then there
// are no windows and every call does nothing, as in a command-line tool.
class VentanasPrograma {
public:
    virtual ~VentanasPrograma() = default;

    // Whether there is a pointer to change (the program shows windows).
    [[nodiscard]] virtual bool Visible() const { return false; }
    // Puts the wait cursor on top of whatever cursor is shown.
    virtual void PonEspera() { }
    // Whether the cursor on top is a wait or busy cursor.
    [[nodiscard]] virtual bool MuestraEspera() const { return false; }
    // Takes off the cursor on top (nothing when none was put up).
    virtual void QuitaCursor() { }
    // Closes every top-level window.
    virtual void CierraTodas() { }

    // The windows in use.
    static VentanasPrograma& actual();
    // Installs `nuevas` (null: back to no windows) and returns the ones it replaces.
    static std::unique_ptr<VentanasPrograma> instala(std::unique_ptr<VentanasPrograma> nuevas);
};
