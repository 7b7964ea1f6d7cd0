#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ado::sqlite {

// A LIKE pattern of the suite's server, matched against folded code points (see PlegadoDialecto):
// % any run, _ one character, [abc] and [a-z] one of a set, [^a-z] one character outside it; the
// escape character makes the next one literal. The pattern is given as written: its letters and range
// ends are folded here, while the escape character is compared case-exact ('Z' is no escape for 'z').
// A "[" without its "]" makes a malformed pattern that matches nothing. Ranges compare folded code
// points, so [a-z] takes no accented letter and a range whose start lies above its end ([c-a]) takes
// nothing. Trailing blanks count, in the pattern and in the text. Matching takes time proportional to
// pattern × text at worst, never exponential.
class PatronLikeDialecto {
public:
    // `escape` 0 means no escape character.
    PatronLikeDialecto(std::u32string_view patron, char32_t escape);

    [[nodiscard]] bool coincide(std::u32string_view texto) const;
    [[nodiscard]] bool mismo(std::u32string_view patron, char32_t escape) const
    {
        return patron == patron_ && escape == escape_;
    }

private:
    enum class Tipo { Secuencia, Uno, Literal, Clase };
    struct Elemento {
        Tipo tipo;
        char32_t codigo = 0;
        size_t desde = 0; // Clase: its ranges in rangos_
        size_t hasta = 0;
        bool negada = false;
    };
    struct Rango {
        char32_t desde;
        char32_t hasta;
    };

    [[nodiscard]] size_t leeClase(size_t abre);
    [[nodiscard]] bool casa(const Elemento& e, char32_t c) const;

    std::u32string patron_;
    char32_t escape_;
    bool malformado_ = false;
    std::vector<Elemento> elementos_;
    std::vector<Rango> rangos_;
};

} // namespace ado::sqlite
