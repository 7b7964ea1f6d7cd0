#pragma once

#include <QString>
#include <QVariant>

// The text the program writes for a value it read from a field, the same wherever a value becomes
// text (configuration values, single-row lookups, aggregates, SQL literals), under the program's
// fixed regional settings and whatever the machine's locale:
// - a date-time day-first, "05/03/2025 09:30:00", or "05/03/2025" when its time is midnight;
// - a date "05/03/2025"; a time "09:30:00";
// - a null or invalid value "";
// - anything else as Qt writes it: a number keeps its decimal point ("12.5"), as the suite reads
//   numbers back from text with the point.
class TextoValor {
public:
    [[nodiscard]] static QString De(const QVariant& valor);
};
