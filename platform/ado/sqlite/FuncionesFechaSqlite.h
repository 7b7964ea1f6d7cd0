#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the date and conversion functions of the suite's server that the
// translated statements name. A date argument is a date text (day-first, ISO or stored form) or a
// number of days since 1900-01-01; a date result is stored text "2025-03-05 09:30:00" (with ".zzz"
// when it has milliseconds). Parts are named as the server names them, abbreviations included
// (year yy yyyy, quarter qq q, month mm m, dayofyear dy y, day dd d, week wk ww, weekday dw w,
// hour hh, minute mi n, second ss s, millisecond ms, microsecond mcs, nanosecond ns, iso_week isowk
// isoww: DATEPART and DATENAME only), in any case.
// NULL in gives NULL out; an unknown part or an unreadable date is an error with the server's
// Spanish message.
//  - KQ_YEAR(f), KQ_MONTH(f), KQ_DAY(f).
//  - KQ_DATEADD(parte, n, f): n whole parts later (earlier when negative); a month or year that lacks
//    the day ends on its last day (31/01 + 1 month is 28/02). A time alone gives a time "13:01:59";
//    microseconds, nanoseconds and ISO weeks are refused, as the server refuses them for datetime.
//  - KQ_DATEDIFF(parte, desde, hasta): how many part boundaries lie between the two (31/12 to 01/01
//    is one year); weeks start on Sunday, as the server counts them whatever the first weekday. A
//    count beyond an int (milliseconds over 25 days, seconds over 68 years) is refused, as the
//    server's int result refuses it.
//  - KQ_DATEPART(parte, f): with Monday the first day of the week (weekday 1 to 7), as under the
//    suite's Spanish settings; week 1 is the one holding 1 January.
//  - DATENAME(parte, f): the month and the weekday by their Spanish names in lower case ("marzo",
//    "miércoles"), any other part as KQ_DATEPART's number in text.
//  - KQ_CONVERT(x, tipo[, estilo]), for CAST and CONVERT: x as the server converts it to `tipo`
//    ("int", "varchar(10)", "decimal(5,2)", "datetime"...): integers truncate a real and refuse a
//    text that is not an integer; decimal rounds to its scale; char pads to its length and every
//    text type cuts to it (30 when not given); datetime reads date texts day-first and rounds to
//    three-hundredths of a second (23:59:59.999 is the next day), smalldatetime rounds to the minute,
//    date keeps the day only ("2025-03-05"), time the time only ("09:30:15"). A stored date, or a
//    date without its time, converted to text takes the style:
//    3/103 dd/mm/yy(yy), 4/104 dd.mm.yy(yy), 8/108 hh:mi:ss, 12/112 yymmdd/yyyymmdd, 20/120 ISO
//    with seconds, 21/121 with milliseconds; without a style it stays in its stored form. Another
//    style or an unknown type is refused with a message, as is a text read into a date under a
//    style whose texts are not day-first (101 and the other month-first ones).
void RegistraFuncionesFecha(sqlite3* conexion);

} // namespace ado::sqlite
