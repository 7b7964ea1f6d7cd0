#pragma once

#include <QCalendarWidget>
#include <QDate>

// The month calendar. Value is the selected date (today until set). DateClick is raised only when
// a date is clicked with the mouse, also when it is the date already selected; the month arrows and
// the keyboard change the selection without raising it.
class MonthView : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthView(QWidget* parent);

    [[nodiscard]] QDate Value() const { return selectedDate(); }
    // Selects the date and shows its month; raises nothing.
    void setValue(const QDate& fecha);
    [[nodiscard]] int Day() const { return Value().day(); }
    [[nodiscard]] int Month() const { return Value().month(); }
    [[nodiscard]] int Year() const { return Value().year(); }

signals:
    void DateClick(const QDate& fecha);
};
