#pragma once

#include "runtime/Dialogos.h"

#include <QTextStream>

#include <memory>

// The dialogs of a command-line tool: every message and error report is written to standard error
// and answered without asking. A message box answers its first button, except that a Yes/No
// question answers No (never retry on its own); a prompt answers "" (cancel); an error report
// answers "leave". Counts the errors reported, so that the tool can end with a failure status.
class DialogosConsola : public Dialogos {
public:
    explicit DialogosConsola(QTextStream& errores) : errores_(errores) { }

    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override;
    int16_t ReportaError(int32_t numero, const QString& descripcion, const QString& contexto) override;
    [[nodiscard]] bool PuedePreguntar() const override { return false; }

    [[nodiscard]] int errores() const { return errores_contados_; }

    // Installs console dialogs writing to `errores` for its own lifetime and puts back the dialogs
    // that were in use when it goes.
    class Instalados {
    public:
        explicit Instalados(QTextStream& errores);
        ~Instalados();
        Instalados(const Instalados&) = delete;
        Instalados& operator=(const Instalados&) = delete;

        [[nodiscard]] const DialogosConsola& dialogos() const { return *dialogos_; }

    private:
        DialogosConsola* dialogos_;
        std::unique_ptr<Dialogos> anteriores_;
    };

private:
    QTextStream& errores_;
    int errores_contados_ = 0;
};
