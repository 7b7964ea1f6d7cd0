#pragma once

// Key codes as the suite numbers them, and the test that tells which keys end an inline edit.
// Every operation is static; an object may still be used to call them, as the suite's code does.
class Teclas {
public:
    static constexpr int Retroceso = 8;
    static constexpr int Tabulador = 9;
    static constexpr int Enter = 13;
    static constexpr int Escape = 27;
    static constexpr int Espacio = 32;
    static constexpr int RePag = 33;
    static constexpr int AvPag = 34;
    static constexpr int Fin = 35;
    static constexpr int Inicio = 36;
    static constexpr int Izquierda = 37;
    static constexpr int Arriba = 38;
    static constexpr int Derecha = 39;
    static constexpr int Abajo = 40;
    static constexpr int Insertar = 45;
    static constexpr int Suprimir = 46;
    static constexpr int F1 = 112; // F1 to F12 are 112 to 123

    // True when the key ends an inline edit: Enter, Up and Down. Everything else is false,
    // Escape included (so cancelling an edit never saves it).
    [[nodiscard]] static bool EsTeclaDeAccion(int codigo);

    // The suite's code for a Qt key (Qt::Key): the keys above, letters A-Z as 65-90 and digits as
    // 48-57 (with or without a modifier; both Return and the keypad's Enter give 13).
    // 0 for a key the suite has no code for.
    [[nodiscard]] static int CodigoDeTecla(int teclaQt);
};
