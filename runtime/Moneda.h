#pragma once

#include <QString>

#include <compare>
#include <cstdint>

// A currency amount: a fixed-point number with four decimal places held in 64 bits.
class Moneda {
public:
    constexpr Moneda() = default;
    [[nodiscard]] static constexpr Moneda desdeDiezmilesimos(int64_t d)
    {
        Moneda m;
        m.diezmilesimos_ = d;
        return m;
    }
    // Rounds to four decimals, halves to the even neighbour, working on the shortest decimal text
    // that reads back as `valor` (so 2.00015 rounds up to 2.0002 as written, whatever its binary
    // value). Raises ErrorVB 6 for a value beyond ±922 337 203 685 477.5807, infinite or NaN.
    [[nodiscard]] static Moneda desdeDouble(double valor);

    [[nodiscard]] constexpr int64_t diezmilesimos() const { return diezmilesimos_; }
    [[nodiscard]] double aDouble() const { return static_cast<double>(diezmilesimos_) / 10000.0; }
    // The amount as text the way the suite's regional settings write it: a comma as decimal
    // separator, no thousands separator, no trailing zeros ("12,5", "-3", "0").
    [[nodiscard]] QString aTexto() const;

    friend constexpr bool operator==(Moneda, Moneda) = default;
    friend constexpr auto operator<=>(Moneda, Moneda) = default;

private:
    int64_t diezmilesimos_ = 0;
};
