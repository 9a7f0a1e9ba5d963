#pragma once

#include "logdb/RecordSet.h"

#include <QDate>
#include <QDialog>

class QPushButton;
class QTableView;

namespace hb {

struct AppContext;
class LogList;
class RecordSetModel;

// "People On Trip": the guests (kind 2) or crew (kind 3) aboard one trip, copied from the
// contacts of that kind into the trip's own list.
class PeopleOnTripDialog : public QDialog
{
    Q_OBJECT
public:
    PeopleOnTripDialog(AppContext& app, qint64 tripId, int kind, const QDate& tripDate,
                       const QString& from, const QString& to, QWidget* parent = nullptr);

    static const QString NoSelection;

    RecordSet& tripPeople() { return *m_trip; }
    RecordSet& available() { return *m_available; }
    QTableView* availableList() const { return m_availableList; }
    QPushButton* button(const QString& caption) const;

    void AddPersonClick();
    void DeletePersonClick();
    void SavePersonClick();
    void CancelAddClick();
    void AddAllCrewClick();
    void CloseClick();

private:
    void fillFrom(int contactRow);
    void followState();

    AppContext& m_app;
    qint64 m_tripId;
    int m_kind;
    RecordSet* m_trip;
    RecordSet* m_available;
    RecordSetModel* m_tripModel;
    RecordSetModel* m_availableModel;
    LogList* m_tripList;
    QTableView* m_availableList;
};

} // namespace hb
