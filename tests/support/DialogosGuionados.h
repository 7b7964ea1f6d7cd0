#pragma once

#include "runtime/Dialogos.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <deque>

// The test double of the dialog seam: records every message box, prompt and error report, and
// answers from a script. With the script empty, a message box answers its first button, a prompt
// answers "" (cancel) and an error report answers 0 (leave).
class DialogosGuionados : public Dialogos {
public:
    enum class Tipo { Mensaje, Pregunta, Error };
    struct Registro {
        Tipo tipo;
        QString titulo;
        QString texto;
        int estilo = 0; // message boxes: buttons + icon
        int32_t numero = 0; // error reports
        QString contexto; // error reports
    };

    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override;
    int16_t ReportaError(int32_t numero, const QString& descripcion, const QString& contexto) override;

    // Queues the next answers, used in order by whichever dialog comes next.
    void responde(int respuesta) { respuestas_.push_back(QString::number(respuesta)); }
    void respondeTexto(const QString& texto) { respuestas_.push_back(texto); }

    [[nodiscard]] const QList<Registro>& registros() const { return registros_; }
    void limpia()
    {
        registros_.clear();
        respuestas_.clear();
    }

private:
    std::deque<QString> respuestas_;
    QList<Registro> registros_;
};

// Installs a DialogosGuionados for the lifetime of this object and gives access to it.
class DialogosDePrueba {
public:
    DialogosDePrueba();
    ~DialogosDePrueba();
    DialogosGuionados* operator->() { return dialogos_; }
    DialogosGuionados& operator*() { return *dialogos_; }

private:
    DialogosGuionados* dialogos_;
    std::unique_ptr<Dialogos> anteriores_;
};
