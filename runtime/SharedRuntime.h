#pragma once

#include "runtime/ErrorVB.h"
#include "runtime/Moneda.h"

#include <QString>
#include <QVariant>

#include <cstdint>

class QWidget;

// The suite's shared runtime library: value conversion, text helpers and the error reporter.
// Every object of the program that needs it holds one; the objects keep no state of their own
// (the wait cursor taken off by AntesDeMensaje is program-wide).
class SharedRuntime {
public:
    // The number at the start of a text as a currency amount, read with the rules of
    // LecturaNumeros::NumeroInicial (blanks skipped, the point as decimal separator, optional
    // exponent; 0 when the text holds none), rounded to four decimals with halves to the even
    // neighbour. Raises ErrorVB 6 beyond the currency range (about ±922 337 203 685 477).
    [[nodiscard]] Moneda ValorNumerico(const QString& texto) const;
    // The number at the start of a text (same reading), rounded to a whole number with halves to
    // the even neighbour ("2.5" gives 2, "3.5" gives 4). Raises ErrorVB 6 beyond 32 bits.
    [[nodiscard]] int32_t ValorEntero(const QString& texto) const;
    // A field value as the suite uses it: a null or invalid value becomes the empty text
    // QString(""); any other value comes back unchanged, type included.
    [[nodiscard]] QVariant ValorCampo(const QVariant& valor) const;
    // Count of words separated by white space (blanks, tabs, line breaks); a single word gives 1,
    // an empty or blank text 0.
    [[nodiscard]] int CuentaPalabras(const QString& texto) const;
    // Removes every occurrence of `c`, of `r` and of `x` from the text (each a text; empty ones are
    // ignored). A text without them comes back unchanged. LimpiaTexto("=abc", "=") gives "abc";
    // with c = QChar(0) and r = QChar(255), a field padded with those bytes and blanks trims to its
    // content.
    [[nodiscard]] QString LimpiaTexto(const QString& texto, const QString& c, const QString& r = {},
                                      const QString& x = {}) const;
    // The text with every occurrence of `buscado` replaced by `nuevo`, case respected, scanning left
    // to right without rescanning what was inserted. An empty `buscado` leaves the text unchanged.
    // ReemplazaCadena is the same operation under the suite's other name.
    [[nodiscard]] QString ReemplazaTexto(const QString& texto, const QString& buscado, const QString& nuevo) const;
    [[nodiscard]] QString ReemplazaCadena(const QString& texto, const QString& buscado, const QString& nuevo) const;
    // Called before a message box or an error report: when the application shows the wait cursor,
    // it is taken off so the dialog shows a normal pointer. DespuesDeMensaje puts back what the
    // matching AntesDeMensaje took off (calls nest; an unmatched DespuesDeMensaje does nothing).
    // `ventana` is accepted and not used: the wait cursor is the application's, not a window's.
    // Without a graphical application both do nothing.
    void AntesDeMensaje(QWidget* ventana) const;
    void DespuesDeMensaje(QWidget* ventana) const;
    // Called once when a window loads. The suite's window defaults: a window without a title takes
    // the application's name, and the window uses the Spanish (Spain) locale, so its date and
    // number controls show day/month/year and the decimal comma. `opcion` (0 or false in every
    // call) is accepted and not used. A null window does nothing.
    void PreparaFormulario(QWidget* ventana, int opcion) const;
    // The text blank-padded on the left to `ancho` ("1", 4 gives "   1"). An empty text gives "",
    // a text as long as `ancho` or longer (and any text with `ancho` 0) comes back unchanged.
    [[nodiscard]] QString AlineaDerecha(const QString& texto, int ancho = 0) const;
    // Reports a trapped error: AntesDeMensaje, one line appended to the error log (RegistroErrores,
    // time from Reloj), the report dialog of the dialogs in use, DespuesDeMensaje. Returns the
    // person's answer: 4 retry, 5 continue, anything else leave.
    int16_t ReportaError(const ErrorVB& error, const QString& contexto) const;
    // The reversible wrapped form of the INI keys "Usuario" and "UserPassWord". It only hides a
    // value from a glance; it does not protect it. Wrapped form: "~~" followed by the UTF-8 bytes of
    // the text, byte i XOR (0x5A + 31 i) mod 256, in unpadded base64url (letters, digits, "-", "_").
    // The empty text wraps to "". DesenvuelveValor gives back any text that is not exactly in that
    // form (no "~~", bad base64url, bytes that are not UTF-8) unchanged, so a value typed plainly in
    // the INI file still works, unless it happens to look wrapped.
    [[nodiscard]] QString EnvuelveValor(const QString& texto) const;
    [[nodiscard]] QString DesenvuelveValor(const QString& texto) const;
    // The folder path ending in "/": "/opt/agenda" gives "/opt/agenda/", a path already ending in
    // "/" comes back unchanged, and "" stays "".
    [[nodiscard]] QString RutaConBarra(const QString& ruta) const;
};
