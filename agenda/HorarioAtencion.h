#pragma once

#include <QString>
#include <QTime>

// Reading the configured start and end of working hours.
class HorarioAtencion {
public:
    static inline const QTime DesdePorDefecto{9, 0};
    static inline const QTime HastaPorDefecto{18, 0};

    // The time of day in a configured text such as "9:00", "09:00" or "9:00:00" (blanks around it
    // allowed), to the minute: seconds are dropped, as the value is used as "HH:MM". Any text that is
    // not such a time (empty, the single blank of a missing key, "25:00", "nueve") gives `defecto`.
    [[nodiscard]] static QTime Lee(const QString& texto, const QTime& defecto);
};
