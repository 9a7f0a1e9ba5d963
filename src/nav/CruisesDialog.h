#pragma once

#include "logdb/RecordSet.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace hb {

struct AppContext;
class DateBox;
class FieldBinder;
class LogList;
class RecordSetModel;

// "Cruises": the list of cruises that group trips, with their names and first and last days.
// Cruises are added and renamed here, never deleted; "All Cruises" stays as it is.
class CruisesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CruisesDialog(AppContext& app, QWidget* parent = nullptr);

    static const QString AllCruisesRefused;

    RecordSet& cruises() { return *m_set; }
    LogList* list() const { return m_list; }
    QLineEdit* nameBox() const { return m_name; }
    DateBox* startBox() const { return m_start; }
    DateBox* endBox() const { return m_end; }
    QPushButton* button(const QString& caption) const;

    void NewClick();
    void EditClick();
    bool SaveClick();
    void CancelClick();
    void ExitClick();

Q_SIGNALS:
    // A cruise was saved: the trip page builds its drop-down again.
    void cruiseSaved();

private:
    void CruiseTableAfterScroll();
    RecordSet::Verdict CruiseTableBeforeEdit();
    RecordSet::Verdict CruiseTableBeforePost();
    void followState();

    AppContext& m_app;
    RecordSet* m_set;
    RecordSetModel* m_model;
    FieldBinder* m_binder;
    LogList* m_list;
    QLineEdit* m_name;
    DateBox* m_start;
    DateBox* m_end;
};

} // namespace hb
