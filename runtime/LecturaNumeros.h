#pragma once

#include <QString>

// Reads the number at the start of a text the way the suite reads numbers out of text, whatever
// the regional settings:
// - leading blanks (space, tab, line feed, carriage return) are skipped, and so are blanks between
//   the characters of the number ("1 2.5" reads 12.5, "- 3" reads -3);
// - an optional sign "+" or "-", then digits with at most one point as the decimal separator
//   ("12.5.3" reads 12.5; a comma ends the number: "12,5" reads 12);
// - an optional exponent: "E" or "D" in either case, an optional sign and digits ("1e3" is 1000);
//   a letter E or D not followed by digits ends the number ("3 euros" reads 3);
// - reading stops at the first other character; 0 when nothing reads as a number ("abc", "", "-").
// Hexadecimal and octal prefixes are not read: "&H10" gives 0.
// Raises ErrorVB 6 (overflow) when the number is beyond the range of a double ("1e999").
class LecturaNumeros {
public:
    [[nodiscard]] static double NumeroInicial(const QString& texto);
};
