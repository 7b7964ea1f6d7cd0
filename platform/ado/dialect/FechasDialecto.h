#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace ado::dialecto {

// Reads a date text the way the suite's server reads one under day-first settings:
// "5/3/2025", "05/03/2025", "5-3-25", "5.3.2025", each optionally followed by a time "9:30",
// "09:30:15" or "09:30:15.250"; also the unambiguous forms "2025-03-05", "2025-03-05 09:30:00",
// "2025-03-05T09:30:00" and "20250305". Two-digit years below 50 are 20xx, the others 19xx.
// Surrounding blanks are ignored. Anything else, or an impossible date (31/02/2025), gives nothing.
[[nodiscard]] std::optional<QDateTime> LeeFecha(QStringView texto);

// The stored form of a date column: ISO 8601 text "2025-03-05 09:30:00".
[[nodiscard]] QString FechaAlmacenada(const QDateTime& momento);

// The stored form of a date text LeeFecha reads, or nothing. Faster than going through LeeFecha and
// FechaAlmacenada: no local time is involved, so no time-zone look-up and no daylight-saving shift.
[[nodiscard]] std::optional<QString> TextoAlmacenado(QStringView texto);

} // namespace ado::dialecto
