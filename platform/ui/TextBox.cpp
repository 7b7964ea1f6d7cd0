#include "platform/ui/TextBox.h"

#include "runtime/Teclas.h"

#include <QKeyEvent>

#include <algorithm>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
}

void TextBox::setSelStart(int posicion)
{
    setCursorPosition(std::clamp(posicion, 0, static_cast<int>(text().size())));
}

int TextBox::EstadoMayusculas(Qt::KeyboardModifiers modificadores)
{
    return (modificadores.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modificadores.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (modificadores.testFlag(Qt::AltModifier) ? 4 : 0);
}

void TextBox::keyPressEvent(QKeyEvent* evento)
{
    emit KeyDown(Teclas::CodigoDeTecla(evento->key()), EstadoMayusculas(evento->modifiers()));
    if (!isVisible()) {
        evento->accept();
        return;
    }
    QLineEdit::keyPressEvent(evento);
}
