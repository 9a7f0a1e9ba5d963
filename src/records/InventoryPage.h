#pragma once

#include "pages/LogPage.h"

#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hb {

class AttachmentField;
class DateBox;
class LookupBox;
struct InventoryKind;

// One inventory page: the rows of `Inventory` of one kind. All six inventories are this class,
// told apart by their entry in the table of kinds (InventoryKinds.h); each page lists and
// edits only rows of its own kind, and a row keeps the kind it was added with.
class InventoryPage : public LogPage
{
    Q_OBJECT
public:
    InventoryPage(PageContext& context, Page page, QWidget* parent = nullptr);

    static LogPageSpec pageSpec(const InventoryKind& kind);
    const InventoryKind& kind() const { return m_kind; }

    // The box showing a column (a line, a drop-down, a date box or a tick box).
    QWidget* box(const QString& column) const { return m_boxes.value(column); }
    QCheckBox* shopListBox() const { return m_shopBox; }
    QPushButton* receivedButton() const { return m_received; }
    QLabel* totalItems() const { return m_total; }
    AttachmentField* photo() const { return m_photo; }

    // The general inventory's ordering.
    void DBorderCheckClick();
    void receiveBtnClick();
    // The chart page's shopping-list tick.
    void ChrtShopListClick();

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;
    void editingChanged(bool editing) override;

private:
    void InvTabShow();
    void InvQueryAfterInsert();
    void InvQueryAfterEdit();
    RecordSet::Verdict InvQueryBeforePost();
    void InvQueryAfterPost();
    void InvChkForShopList();
    void fillSuppliers();
    void showTotal();
    QString moneyText(const QVariant& value, bool editing) const;

    const InventoryKind& m_kind;
    QHash<QString, QWidget*> m_boxes;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_cost = nullptr;
    QComboBox* m_supplier = nullptr;
    QCheckBox* m_onOrder = nullptr;
    QCheckBox* m_shopBox = nullptr;
    QPushButton* m_received = nullptr;
    QLabel* m_total = nullptr;
    AttachmentField* m_photo = nullptr;
    QHash<QString, DateBox*> m_dates;
    QHash<QString, bool> m_dateChanged;
    bool m_handOffPending = false;
};

} // namespace hb
