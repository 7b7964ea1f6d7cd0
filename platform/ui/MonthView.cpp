#include "platform/ui/MonthView.h"

MonthView::MonthView(QWidget* parent) : QCalendarWidget(parent)
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setFirstDayOfWeek(Qt::Monday);
    // QCalendarWidget raises clicked only for a mouse release on a valid date.
    connect(this, &QCalendarWidget::clicked, this, &MonthView::DateClick);
}

void MonthView::setValue(const QDate& fecha)
{
    setSelectedDate(fecha);
    setCurrentPage(fecha.year(), fecha.month());
}
