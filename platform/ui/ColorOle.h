#pragma once

#include <QColor>

#include <cstdint>

// A 24-bit OLE colour: red + 256 × green + 65536 × blue (red in the low byte). Values above 24 bits
// keep only their low 24 bits, so a configured number always names a colour.
class ColorOle {
public:
    constexpr ColorOle() = default;
    constexpr explicit ColorOle(uint32_t valor) : valor_(valor & 0xFFFFFFu) { }
    [[nodiscard]] static constexpr ColorOle Rgb(int rojo, int verde, int azul)
    {
        return ColorOle(static_cast<uint32_t>(rojo & 0xFF) | static_cast<uint32_t>(verde & 0xFF) << 8
                        | static_cast<uint32_t>(azul & 0xFF) << 16);
    }
    [[nodiscard]] static ColorOle DesdeQColor(const QColor& color)
    {
        return Rgb(color.red(), color.green(), color.blue());
    }

    [[nodiscard]] constexpr uint32_t valor() const { return valor_; }
    [[nodiscard]] constexpr int rojo() const { return static_cast<int>(valor_ & 0xFF); }
    [[nodiscard]] constexpr int verde() const { return static_cast<int>(valor_ >> 8 & 0xFF); }
    [[nodiscard]] constexpr int azul() const { return static_cast<int>(valor_ >> 16 & 0xFF); }
    [[nodiscard]] QColor aQColor() const { return QColor(rojo(), verde(), azul()); }

    friend constexpr bool operator==(ColorOle, ColorOle) = default;

private:
    uint32_t valor_ = 0;
};
