#pragma once

#include "pages/LogPage.h"

class QComboBox;
class QLineEdit;
class QTimeEdit;

namespace hb {

class DateBox;

// The battery log: voltage readings of the battery banks, when each bank was last charged and
// for how long; the list can be narrowed to one bank.
class BatteryPage : public LogPage
{
    Q_OBJECT
public:
    explicit BatteryPage(PageContext& context, QWidget* parent = nullptr);

    static const LogPageSpec& pageSpec();

    DateBox* readDateBox() const { return m_readDate; }
    QTimeEdit* readTimeBox() const { return m_readTime; }
    QLineEdit* voltageBox() const { return m_volt; }
    DateBox* chargeDateBox() const { return m_chargeDate; }
    QLineEdit* chargeHoursBox() const { return m_chargeHours; }
    QComboBox* bankBox() const { return m_bank; }
    QComboBox* typeBox() const { return m_type; }
    QComboBox* narrowBox() const { return m_narrow; }

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;
    void editingChanged(bool editing) override;

private:
    void BatteryShow();
    void BattQueryAfterInsert();
    void BattQueryAfterEdit();
    RecordSet::Verdict BattQueryBeforePost();
    void BattQueryAfterPost();
    void BankSelectClick(int item);
    void DBBattTypeChange(const QString& type);

    DateBox* m_readDate;
    QTimeEdit* m_readTime;
    QLineEdit* m_volt;
    DateBox* m_chargeDate;
    QLineEdit* m_chargeHours;
    QComboBox* m_bank;
    QComboBox* m_type;
    QComboBox* m_narrow;
    QString m_rememberedType;  // the type last chosen, the default of the next reading
    bool m_rowHasTime = false; // whether the current reading has a time to show
    bool m_timeTyped = false;  // whether the user changed the time during this edit
};

} // namespace hb
