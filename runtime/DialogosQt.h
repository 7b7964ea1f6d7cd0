#pragma once

#include "runtime/Dialogos.h"

// The program's real dialogs: Qt message boxes with Spanish button texts, an input dialog and the
// error report window (DialogoErrorQt). An empty title shows the application's name. A message box
// closed without a button (Escape where the box allows it) answers its last button.
class DialogosQt : public Dialogos {
public:
    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override;
    int16_t ReportaError(int32_t numero, const QString& descripcion, const QString& contexto) override;
};
