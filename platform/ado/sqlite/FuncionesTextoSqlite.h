#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the text and number functions of the suite's server that the
// translated statements name. NULL in gives NULL out; counts are in characters; a length or count
// the server refuses is an error with the server's Spanish message.
//  - KQ_SUMA(a, b): "a + b" as the server types it: two texts concatenate; two numbers add; a text
//    beside a number is read as that number (an integer beside an integer, a real beside a real)
//    and a text that is not one is an error; a stored date beside a number moves by that many days.
//  - KQ_LEFT(t, n), KQ_RIGHT(t, n), KQ_SUBSTRING(t, inicio, largo): as the server, a start below 1
//    counting the characters before the text.
//  - KQ_REPLICATE(t, n), KQ_SPACE(n): NULL for a negative count.
//  - KQ_CHAR(n): the Windows-1252 character n (0 to 255, NULL otherwise); KQ_ASCII(t): the code of
//    the first character in that code page, 63 ("?") for one it lacks, NULL for an empty text.
//  - KQ_STR(x[, largo[, decimales]]): x rounded and right-aligned in `largo` (10) characters with
//    `decimales` (0); decimals are given up to fit, and a number that still does not fit is `largo`
//    asterisks.
//  - KQ_ISNUMERIC(x): 1 when the text reads as some number (blanks around, a sign, a currency sign,
//    thousands commas, a point, an exponent), 0 otherwise, also for NULL.
//  - KQ_ROUND(x, d[, truncar]): half away from zero at d decimals (d below 0 rounds to tens,
//    hundreds...); a non-zero `truncar` cuts instead. An integer stays an integer.
void RegistraFuncionesTexto(sqlite3* conexion);

} // namespace ado::sqlite
