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

protected:
    // Typing into a box that shows no date starts from today's date, so the date can be typed
    // section by section; a separator typed right after a section filled itself is not counted
    // twice, so "12/31/2028" and "12312028" both give the last day of 2028.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate m_today;
    bool m_advanced = false; // the last digit filled its section and moved on
};

} // namespace hb
