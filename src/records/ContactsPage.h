#pragma once

#include "pages/LogPage.h"

#include <QHash>

namespace hb {

class AttachmentField;
class DateBox;
struct ContactKindInfo;

// One contact page: the rows of `Contact` of one kind. All five kinds are this class, told
// apart by their entry in the table of kinds (ContactKinds.h); each page lists and edits only
// rows of its own kind, and a row keeps the kind it was added with.
class ContactsPage : public LogPage
{
    Q_OBJECT
public:
    ContactsPage(PageContext& context, Page page, QWidget* parent = nullptr);

    static LogPageSpec pageSpec(const ContactKindInfo& kind);
    const ContactKindInfo& kind() const { return m_kind; }
    QWidget* box(const QString& column) const { return m_boxes.value(column); }
    DateBox* dateBox(const QString& column) const { return m_dates.value(column); }
    AttachmentField* photo() const { return m_photo; }

    // The date a boats' meet-date box shows for a row without a later one.
    static const QDate MeetDateFloor;

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;

private:
    void ContactTabShow();
    void ContactQueryAfterInsert();
    void ContactQueryAfterEdit();
    RecordSet::Verdict ContactQueryBeforePost();
    void ContactQueryAfterCancel();
    // The list and thumbnail show only while the kind has rows, archived ones included.
    void showListIfRows();

    const ContactKindInfo& m_kind;
    QHash<QString, QWidget*> m_boxes;
    QHash<QString, DateBox*> m_dates;
    QHash<QString, bool> m_dateChanged;
    AttachmentField* m_photo;
};

} // namespace hb
