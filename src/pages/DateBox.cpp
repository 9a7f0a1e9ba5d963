#include "pages/DateBox.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

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

namespace hb {

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.at(0).isDigit();
    if (isNone() && !isReadOnly() && digit) {
        setDate(m_today.isValid() ? m_today : QDate::currentDate());
        setCurrentSectionIndex(0);
        setSelectedSection(currentSection());
    }
    const bool separator = text.size() == 1 && QStringLiteral("/.-").contains(text.at(0));
    if (separator && m_advanced) {
        m_advanced = false;
        event->accept();
        return;
    }
    const int before = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    m_advanced = digit && currentSectionIndex() != before;
}

} // namespace hb
