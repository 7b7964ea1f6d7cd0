#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace ado::dialecto {

// Reads a date text that writes its day out, the way the suite's server reads one under day-first
// settings: "5/3/2025", "05/03/2025", "5-3-25", "5.3.2025", each optionally followed by a time "9:30",
// "09:30:15" or "09:30:15.250" and then optionally by AM or PM ("9:30 PM", "12:00AM" is midnight);
// also the unambiguous forms "2025-03-05", "2025-03-05 09:30:00", "2025-03-05T09:30:00" and
// "20250305". Two-digit years below 50 are 20xx, the others 19xx. Surrounding blanks are ignored.
// Anything else, or an impossible date (31/02/2025, 13:00 PM), gives nothing. For code that tells a
// date from other text by its look; the time is kept to the millisecond as written.
[[nodiscard]] std::optional<QDateTime> LeeFechaConDia(QStringView texto);

// Reads a date text as the server reads one for a date value: everything LeeFechaConDia reads, and
// also '' (or blanks alone: 1 January 1900), a time alone ("12:01:59", "9:30 PM": that time on
// 1 January 1900) and six digits yymmdd ("250305"). Every reader of a date text for a date column,
// a comparison, a parameter or a date function goes through this one.
[[nodiscard]] std::optional<QDateTime> LeeFecha(QStringView texto);

// Whether a text is a time alone ("12:01:59", "9:30", "9:30 PM"), which LeeFecha reads on 1 January 1900.
[[nodiscard]] bool EsHoraSola(QStringView texto);

// The stored form of a date column: ISO 8601 text "2025-03-05 09:30:00", with ".zzz" when the
// moment has milliseconds ("2025-03-05 09:30:00.503"). The moment is first rounded as the server's
// datetime keeps it, in three-hundredths of a second: .001 → .000, .002 → .003, .005 → .007, and
// 23:59:59.999 → the next day at 00:00:00.
[[nodiscard]] QString FechaAlmacenada(const QDateTime& momento);

// Whether a text is already in the stored form FechaAlmacenada writes: "2025-03-05 09:30:00" or
// "2025-03-05 09:30:00.503", exactly, with nothing around it. Only the shape is checked (digits where
// digits go): a note that merely reads as a date in another form is not one.
[[nodiscard]] bool EsFechaAlmacenada(QStringView texto);

// The stored form of a date text LeeFecha reads, or nothing. Faster than going through LeeFecha and
// FechaAlmacenada: no local time is involved, so no time-zone look-up and no daylight-saving shift.
[[nodiscard]] std::optional<QString> TextoAlmacenado(QStringView texto);

} // namespace ado::dialecto
