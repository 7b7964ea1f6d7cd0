#pragma once

#include "runtime/ErrorVB.h"
#include "runtime/Moneda.h"

#include <QString>
#include <QVariant>

#include <cstdint>

class QWidget;

// The suite's shared runtime library: value conversion, text helpers and the error reporter.
// Every object of the program that needs it holds one; the objects keep no state of their own.
class SharedRuntime {
public:
    // The number at the start of a text as a currency amount (the point is the decimal separator,
    // leading blanks are skipped); 0 when the text holds none.
    [[nodiscard]] Moneda ValorNumerico(const QString& texto) const;
    // The whole number at the start of a text; 0 when the text holds none.
    [[nodiscard]] int32_t ValorEntero(const QString& texto) const;
    // A field value as the suite uses it: Null (or an unset value) becomes the empty text.
    [[nodiscard]] QVariant ValorCampo(const QVariant& valor) const;
    // Count of blank-separated words; a single word gives 1, a blank text 0.
    [[nodiscard]] int CuentaPalabras(const QString& texto) const;
    // Removes every occurrence of `c` from the text; see the implementation notes for `r` and `x`.
    [[nodiscard]] QString LimpiaTexto(const QString& texto, const QString& c, const QString& r = {},
                                      const QString& x = {}) const;
    // The text with every occurrence of `buscado` replaced by `nuevo` (case is respected).
    [[nodiscard]] QString ReemplazaTexto(const QString& texto, const QString& buscado, const QString& nuevo) const;
    [[nodiscard]] QString ReemplazaCadena(const QString& texto, const QString& buscado, const QString& nuevo) const;
    // Called before and after a message box or an error report.
    void AntesDeMensaje(QWidget* ventana) const;
    void DespuesDeMensaje(QWidget* ventana) const;
    // Called once when a window loads.
    void PreparaFormulario(QWidget* ventana, int opcion) const;
    // The text blank-padded on the left to `ancho` ("1", 4 gives "   1"); empty text gives "".
    [[nodiscard]] QString AlineaDerecha(const QString& texto, int ancho = 0) const;
    // Reports a trapped error (number, description, context) through the dialogs in use, appends one
    // line to the error log and returns the person's answer: 4 retry, 5 continue, other leave.
    int16_t ReportaError(const ErrorVB& error, const QString& contexto) const;
    // The reversible wrapped form of the INI keys "Usuario" and "UserPassWord".
    [[nodiscard]] QString EnvuelveValor(const QString& texto) const;
    [[nodiscard]] QString DesenvuelveValor(const QString& texto) const;
    // The folder path ending in a separator.
    [[nodiscard]] QString RutaConBarra(const QString& ruta) const;
};
