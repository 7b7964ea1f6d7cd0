#pragma once

#include <memory>

// The program's pointer as the layers without windows see it: a wait cursor put up around a long
// call and taken off around a message. A program with windows installs the Qt one
// (VentanasQt::instala); until then there is no pointer and every call does nothing, as in a
// command-line tool.
class CursorPrograma {
public:
    virtual ~CursorPrograma() = default;

    // Whether there is a pointer to change (the program shows windows).
    [[nodiscard]] virtual bool Visible() const { return false; }
    // Puts the wait cursor on top of whatever cursor is shown.
    virtual void PonEspera() {}
    // Whether the cursor on top is a wait or busy cursor.
    [[nodiscard]] virtual bool MuestraEspera() const { return false; }
    // Whether any cursor was put on top of the windows' own.
    [[nodiscard]] virtual bool HayCursorPuesto() const { return false; }
    // Takes off the cursor on top (nothing when none was put up).
    virtual void Quita() {}

    // The pointer in use.
    static CursorPrograma& actual();
    // Installs `nuevo` (null: back to no pointer) and returns the one it replaces.
    static std::unique_ptr<CursorPrograma> instala(std::unique_ptr<CursorPrograma> nuevo);
};
