#pragma once

#include <QString>

namespace ado::postgresql {

// The definitions of the suite's server functions that PostgreSQL lacks (the script
// db/sql/postgresql/funciones.sql, compiled in), created on each connection in one batch in the
// session's own schema pg_temp (gone when the session ends; the database names none of them).
// Arguments are read as PostgreSQL reads them: a day-first date text is a timestamp under the
// connection's DateStyle. NULL in gives NULL out.
//  - kq_len(t): the length without trailing blanks; kq_charindex(buscado, texto[, inicio]): the
//    position, case-blind, 0 when absent, NULL for a NULL argument; kq_getdate(): the local time to
//    the second.
//  - kq_suma(a, b): "a + b" as the suite's server types it: two texts concatenate, two numbers add,
//    a text beside a number is read as that number (an integer beside an integer; an error, with
//    the server's message, when it is not one), a timestamp
//    beside a number moves by that many days.
//  - kq_replicate(t, n), kq_space(n): NULL for a negative count.
//  - kq_char(n): the Windows-1252 character n (0 to 255); kq_ascii(t): the Windows-1252 code of
//    the first character, NULL for an empty text.
//  - kq_str(x[, largo[, decimales]]): rounded, right-aligned in `largo` (10) characters with
//    `decimales` (0, at most 16), fewer decimals when it does not fit, then asterisks; NULL for a
//    length outside 1 to 8000. kq_round(x, n[, truncar]): rounded half away from zero, or cut when
//    truncar is not 0.
//  - kq_isnumeric(x): 1 when the text reads as some number (blanks, sign, currency sign, thousands
//    commas, point, exponent), 0 otherwise and for NULL.
//  - kq_year, kq_month, kq_day; kq_dateadd(parte, n, f), kq_datediff(parte, desde, hasta),
//    kq_datepart(parte, f) with the server's part names and abbreviations: DATEDIFF counts the
//    boundaries crossed (weeks from Sunday) and refuses a count beyond an int, DATEPART takes Monday
//    as the first weekday; microsecond
//    and nanosecond too, except in DATEADD, and iso_week in DATEPART only (refused elsewhere, as the
//    server refuses them for datetime); an unknown part is refused. A date given as text is read as
//    kq_a_fecha reads it, a number as that many days after 1 January 1900; DATEADD and DATEPART
//    also take a time. kq_datename(parte, f): the month and
//    weekday in Spanish, lower case, any other part as DATEPART's number in text.
//  - kq_a_entero, kq_a_largo, kq_a_real, kq_a_decimal, kq_a_texto, kq_a_fecha, kq_a_dia, kq_a_hora
//    (x, tipo[, estilo]): CAST and CONVERT, one function per result type, with the rules of the
//    embedded database's KQ_CONVERT (integers truncate, decimal rounds to its scale, char pads,
//    smalldatetime rounds to the minute, datetime to 1/300 s, date styles also on a date value, a time
//    converted to text as "09:30:15", texts read day-first with two-digit years below 50 in 20xx, ''
//    as 1 January 1900, a time alone on that day, AM/PM, six-digit yymmdd); kq_a_otro refuses any
//    other type. The refusals carry the server's Spanish
//    messages (kq_falla raises them).
//  - kq_patron(p[, escape]): the suite's LIKE pattern ([a-c], [^a], %, _) as an anchored regular
//    expression for "~*", with the embedded database's meaning: a range takes the characters whose
//    lower case lies between its ends' lower cases (nothing when it runs backwards), a "[" without
//    its "]" matches nothing, the escape is case-exact and must be one character.
//  - kq_orden_bytes(): whether some citext column of the database orders without the Spanish rules.
[[nodiscard]] QString DefinicionesFuncionesSuite();

} // namespace ado::postgresql
