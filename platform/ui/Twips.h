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

    static constexpr int PorPulgada = 1440;
};
