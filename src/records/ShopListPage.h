#pragma once

#include "pages/LogPage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace hb {

// The shopping list: things to buy, typed here or handed over from the inventories. Bought
// items are archived, and the archived-items window puts them back on the list.
class ShopListPage : public LogPage
{
    Q_OBJECT
public:
    explicit ShopListPage(PageContext& context, QWidget* parent = nullptr);

    static const LogPageSpec& pageSpec();
    static const QString ClearQuestion;
    QComboBox* vendorBox() const { return m_vendor; }
    QPushButton* clearButton() const { return m_clear; }

    void ClearListBtnClick();
    void UseArchBtnClick();

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void editingChanged(bool editing) override;

private:
    void ShopListShow();
    void ShopQueryAfterInsert();
    void ShopQueryAfterPost();
    void ShopQueryAfterCancel();

    QComboBox* m_vendor;
    QPushButton* m_clear;
    QPushButton* m_useArchived;
};

// The window "Shopping Archived Items": the archived items, each with its tick; clearing a
// tick and saving puts the item back on the list.
class ShopArchiveDialog : public QDialog
{
    Q_OBJECT
public:
    ShopArchiveDialog(AppContext& app, QWidget* parent = nullptr);
    RecordSet& query() { return *m_query; }
    QCheckBox* archivedBox() const { return m_archived; }
    QPushButton* button(const QString& caption) const;

    void editRow();
    void saveRow();
    void cancelRow();

private:
    void followState();

    AppContext& m_app;
    RecordSet* m_query;
    QCheckBox* m_archived;
};

} // namespace hb
