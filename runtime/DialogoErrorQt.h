#pragma once

#include <QDialog>

#include <cstdint>

class QPushButton;

// The error report window: a critical icon, the context that trapped the error, its number and
// description, and three buttons. "Reintentar" answers 4 (repeat the failing step), "Continuar"
// answers 5 (go on with the next step), "Salir" answers 0 (leave the procedure); Escape and closing
// the window count as "Salir". "Reintentar" is the default button. The title is the application's
// name. The buttons' object names are "botonReintentar", "botonContinuar" and "botonSalir".
class DialogoErrorQt : public QDialog {
    Q_OBJECT
public:
    DialogoErrorQt(int32_t numero, const QString& descripcion, const QString& contexto, QWidget* padre = nullptr);

    // The answer of the button pressed: 4, 5 or 0; 0 before any button.
    [[nodiscard]] int16_t respuesta() const { return respuesta_; }

private:
    void creaControles(int32_t numero, const QString& descripcion, const QString& contexto);
    QPushButton* creaBoton(const QString& texto, const QString& nombre, int16_t respuesta);

    int16_t respuesta_ = 0;
};
