#pragma once

class QWidget;

// Conversion between twips (1440 per logical inch) and pixels of a widget's screen, rounded to the
// nearest whole unit. Horizontal values use the widget's logical horizontal DPI, vertical values
// the vertical one; without a widget, 96 DPI.
class Twips {
public:
    [[nodiscard]] static int aPixelesX(int twips, const QWidget* widget);
    [[nodiscard]] static int aPixelesY(int twips, const QWidget* widget);
    [[nodiscard]] static int desdePixelesX(int pixeles, const QWidget* widget);
    [[nodiscard]] static int desdePixelesY(int pixeles, const QWidget* widget);
    // Places a control inside its window at a position and size given in twips.
    static void coloca(QWidget* control, int izquierda, int arriba, int ancho, int alto);

    static constexpr int PorPulgada = 1440;
};
