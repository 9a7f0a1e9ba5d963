#include "pages/DateBox.h"

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
}

QDate DateBox::dateOrNone() const
{
    return isNone() ? QDate() : date();
}

} // namespace hb
