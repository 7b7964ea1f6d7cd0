#pragma once

// Shows the wait cursor for as long as the object lives, when the program has windows; a
// command-line tool or a test without a display is left alone. Message boxes shown meanwhile take
// it off and put it back (SharedRuntime::AntesDeMensaje / DespuesDeMensaje).
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    bool puesto_ = false;
};
