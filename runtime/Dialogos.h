#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// Button sets, icons and answers of a message box, with the values the suite writes.
namespace Msg {
inline constexpr int OkSolo = 0, OkCancelar = 1, AbortarReintentarIgnorar = 2, SiNoCancelar = 3, SiNo = 4,
                     ReintentarCancelar = 5;
inline constexpr int SinIcono = 0, Critico = 16, Pregunta = 32, Exclamacion = 48, Informacion = 64;
inline constexpr int Ok = 1, Cancelar = 2, Abortar = 3, Reintentar = 4, Ignorar = 5, Si = 6, No = 7;
[[nodiscard]] constexpr int botones(int estilo)
{
    return estilo & 0x0F;
}
[[nodiscard]] constexpr int icono(int estilo)
{
    return estilo & 0x70;
}
} // namespace Msg

// Every message box, input prompt and error report of the program goes through this interface.
// A program with windows makes the Qt dialogs its default (VentanasQt::instala); a command-line
// tool installs the console ones; tests install a scripted answerer, so that no test ever blocks
// on a modal dialog.
class Dialogos {
public:
    virtual ~Dialogos() = default;

    // Shows a modal message box; `estilo` is buttons + icon (Msg::SiNo + Msg::Critico). An empty
    // title means the application's title. Returns the Msg::Respuesta of the button pressed.
    virtual int MsgBox(const QString& texto, int estilo, const QString& titulo) = 0;

    // Asks for one line of text; returns "" when the person cancels.
    virtual QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) = 0;

    // The error report: number, description and the context that trapped it. Returns the action:
    // 4 retry the failing step, 5 continue with the next one, anything else leave the procedure.
    virtual int16_t ReportaError(int32_t numero, const QString& descripcion, const QString& contexto) = 0;

    // Whether a person can answer a question (false on a console tool, which answers on its own).
    [[nodiscard]] virtual bool PuedePreguntar() const { return true; }

    // The dialogs in use. Until something is installed, the default ones, created on first use: those
    // `predeterminados` names, else console dialogs writing to standard error (never a window in a
    // program that may have none).
    static Dialogos& actual();
    // Names how the default dialogs are created; takes effect when no dialogs are in use yet.
    static void predeterminados(std::function<std::unique_ptr<Dialogos>()> fabrica);
    // Installs `nuevos` and returns the ones in use before (null when none had been made yet).
    static std::unique_ptr<Dialogos> instala(std::unique_ptr<Dialogos> nuevos);
};
