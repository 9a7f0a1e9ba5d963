#include "pages/DateBox.h"

#include <QCalendarWidget>

namespace hb {

DateBox::DateBox(const QString& caption, QWidget* parent) : QDateEdit(parent)
{
    setAccessibleName(caption);
    setCalendarPopup(true);
    setMinimumDate(QDate(1752, 9, 14));
    setSpecialValueText(QStringLiteral(" "));
    setDate(minimumDate());
}

void DateBox::setDateOrNone(const QDate& date)
{
    setDate(date.isValid() && date > minimumDate() ? date : minimumDate());
    if (isNone() && m_today.isValid() && calendarWidget())
        calendarWidget()->setCurrentPage(m_today.year(), m_today.month());
}

void DateBox::setToday(const QDate& today)
{
    m_today = today;
    setDateOrNone(dateOrNone());
}

QDate DateBox::dateOrNone() const
{
    return isNone() ? QDate() : date();
}

} // namespace hb
