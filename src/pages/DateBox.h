#pragma once

#include <QDateEdit>

namespace hb {

// A date field that can show no date: its lowest date stands for "none" and shows blank.
// Dates are shown in the user's short date format.
class DateBox : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateBox(const QString& caption, QWidget* parent = nullptr);
    void setDisplayPattern(const QString& pattern) { setDisplayFormat(pattern); }
    // An invalid date shows blank.
    void setDateOrNone(const QDate& date);
    // Invalid while blank.
    QDate dateOrNone() const;
    bool isNone() const { return date() == minimumDate(); }
    // The month the calendar opens on while no date is shown.
    void setToday(const QDate& today);

private:
    QDate m_today;
};

} // namespace hb
