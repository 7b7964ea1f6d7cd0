#pragma once

#include <QLineEdit>

// A one-line text box. DataField is free text the program keeps with the box. KeyDown is raised
// before the box handles a key, with the suite's key code (Teclas::CodigoDeTecla: Enter 13,
// Escape 27, Up 38, Down 40; 0 for keys without a code) and the shift state (1 Shift, 2 Ctrl, 4 Alt). A key whose KeyDown hid the box is not typed into it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    [[nodiscard]] QString DataField() const { return campo_; }
    void setDataField(const QString& campo) { campo_ = campo; }
    // Caret position; a value past the end puts the caret at the end.
    [[nodiscard]] int SelStart() const { return cursorPosition(); }
    void setSelStart(int posicion);

    [[nodiscard]] static int EstadoMayusculas(Qt::KeyboardModifiers modificadores);

signals:
    void KeyDown(int KeyCode, int Shift);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QString campo_;
};
