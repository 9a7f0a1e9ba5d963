#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QDateEdit;
class QLineEdit;

namespace hb {

// "GenSet/WM Starting Hours": the date and the hours the generators and the watermaker had
// run before the log began. The hour boxes take up to five digits.
class StartingHoursDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StartingHoursDialog(const QDate& today, QWidget* parent = nullptr);

    QDate date() const;
    // The hours typed, nothing for an empty box.
    std::optional<double> gen1() const { return hours(m_gen1); }
    std::optional<double> gen2() const { return hours(m_gen2); }
    std::optional<double> waterMaker() const { return hours(m_waterMaker); }

private:
    static std::optional<double> hours(const QLineEdit* box);
    QLineEdit* hoursBox(const QString& objectName);

    QDateEdit* m_date;
    QLineEdit* m_gen1;
    QLineEdit* m_gen2;
    QLineEdit* m_waterMaker;
};

} // namespace hb
