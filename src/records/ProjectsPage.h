#pragma once

#include "pages/LogPage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace hb {

class DateBox;

// The projects log: a to-do list for work on the vessel, coloured by how close each goal date
// is, with one command that archives every completed project.
class ProjectsPage : public LogPage
{
    Q_OBJECT
public:
    explicit ProjectsPage(PageContext& context, QWidget* parent = nullptr);

    static const LogPageSpec& pageSpec();
    static const QString ArchiveQuestion;
    // The order the list is kept in after showing and saving.
    static const QString ClientSort;

    DateBox* submitBox() const { return m_sub; }
    DateBox* goalBox() const { return m_goal; }
    DateBox* startBox() const { return m_start; }
    DateBox* finishBox() const { return m_end; }
    QLineEdit* titleBox() const { return m_title; }
    QSpinBox* priorityBox() const { return m_priority; }
    QCheckBox* completedBox() const { return m_complete; }

    void ArchCompBtnClick();

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;
    void editingChanged(bool editing) override;

private:
    void ProjTabShow();
    RecordSet::Verdict ProjQueryBeforeInsert();
    void ProjQueryAfterInsert();
    RecordSet::Verdict ProjQueryBeforeEdit();
    void ProjQueryAfterEdit();
    RecordSet::Verdict ProjQueryBeforePost();
    void ProjQueryAfterPost();
    Selection afterSaveSelection() const;

    DateBox* m_sub;
    DateBox* m_goal;
    DateBox* m_start;
    DateBox* m_end;
    QLineEdit* m_title;
    QSpinBox* m_priority;
    QCheckBox* m_complete;
    QPushButton* m_archiveAll;
    bool m_startChanged = false;
    bool m_endChanged = false;
};

} // namespace hb
