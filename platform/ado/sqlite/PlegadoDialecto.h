#pragma once

#include <string>

namespace ado::sqlite {

// UTF-8 helpers of the connection's functions, over the bytes SQLite hands them. They never read past
// `largo` and accept any bytes: a byte that does not start a valid sequence reads as a value of its
// own above the Unicode range, so that comparisons stay consistent on broken text.

// The code point at `pos` of `texto`; advances `pos` past it. Requires pos < largo.
[[nodiscard]] char32_t LeeCodigo(const unsigned char* texto, int largo, int& pos);

// Simple Unicode case folding of one code point (accents are kept: É folds to é, not to e).
[[nodiscard]] char32_t Pliega(char32_t codigo);

// Compares two UTF-8 texts in the order of the suite's Spanish server collation: case ignored, the bare
// letter first and its accent only between otherwise equal texts ('alba' < 'Álvarez' < 'Bruno',
// 'Jose' < 'José' < 'Josf'), Ñ a letter of its own after N, blanks and punctuation before digits and
// digits before letters; trailing blanks ignored ('abc' equals 'ABC  '). Equal exactly when the folded
// texts are equal. Negative, zero or positive. ASCII is compared through a table, without decoding.
[[nodiscard]] int ComparaPlegado(const unsigned char* a, int largoA, const unsigned char* b, int largoB);

// The folded code points of a UTF-8 text.
[[nodiscard]] std::u32string TextoPlegado(const unsigned char* texto, int largo);

// Appends one code point as UTF-8 (a value above the Unicode range goes back to its original byte).
void EscribeUtf8(std::string& salida, char32_t codigo);

} // namespace ado::sqlite
