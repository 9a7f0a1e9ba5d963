#pragma once

#include "pages/LogPage.h"

#include <functional>
#include <optional>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;
class QTimer;

namespace hb {

class DateBox;
class LookupBox;
class PendingRemovals;
class Thumbnail;
class TripNotes;

// The trip log ("Cruise Log"): one row per trip with its dates, times, places, one or two
// engines' hours, RPM, cruise, notes and picture. Saving or deleting a trip sets the vessel
// record's engine hours from the whole log; other logs append lines to the latest trip's notes
// through notes().
class TripPage : public LogPage
{
    Q_OBJECT
public:
    explicit TripPage(PageContext& context, QWidget* parent = nullptr);
    ~TripPage() override;

    static const LogPageSpec& pageSpec();
    static const QString Later;
    static const QString OtherThanLastQuestion;

    // What later logs plug in; until then their buttons say they come later.
    struct Seams
    {
        std::function<void()> setMarker;           // "Set Marker": the engine fuel marker
        std::function<void()> refreshFuelEstimate; // on showing and after each move
        std::function<void()> showWatch;           // "show Watchman"
        std::function<void()> generatorLog;        // "Generator Log"
        std::function<void()> watermakerLog;       // "Watermaker Log"
        std::function<void()> tripPlanner;         // "Trip Planner"
    };
    Seams seams;
    // Runs the page's dialogs (tests drive them instead of showing them).
    std::function<void(QDialog&)> runDialog;

    TripNotes& notes() { return *m_notes; }
    // The latest-trip flag: the current trip is the latest trip of the whole log.
    bool latestTrip() const { return m_latest; }
    // The whole-log flag: no cruise filter and no search narrows the list.
    bool wholeLog() const { return m_wholeLog; }
    int cruiseFilter() const { return m_filter; }
    // The trip the watch page was opened on; the page returns to it when shown again.
    void setWatchReturnMark(qint64 tripId) { m_watchMark = tripId; }

    void setTwoEngines(bool two);
    bool twoEngines() const { return m_twoEngines; }

    // The buttons leading to other logs, by the display preference that shows them.
    QList<QPair<QString, QPushButton*>> leadButtons() const { return m_leads; }

    // Handlers of the page's controls.
    void CruiseDropDwnChange(int item);
    void EnterCruiseInfoClick();
    void ShowGuestsClick();
    void ShowCrewClick();
    void PicClick();
    void EngHrsStChange();
    bool EngHrsFinExit();
    bool Eng2HrsFinExit();

    DateBox* tripDateBox() const { return m_tripDate; }
    DateBox* endDateBox() const { return m_endDate; }
    QTimeEdit* startTimeBox() const { return m_startTime; }
    QTimeEdit* endTimeBox() const { return m_endTime; }
    LookupBox* fromBox() const { return m_from; }
    LookupBox* toBox() const { return m_to; }
    QComboBox* cruiseBox() const { return m_cruise; }
    QLineEdit* engHrsSt() const { return m_engSt; }
    QLineEdit* engHrsFin() const { return m_engFin; }
    QLineEdit* eng2HrsSt() const { return m_eng2St; }
    QLineEdit* eng2HrsFin() const { return m_eng2Fin; }
    QLineEdit* rpmBox() const { return m_rpm; }
    QPlainTextEdit* notesBox() const { return m_notesBox; }
    QPushButton* button(const QString& caption) const;
    QLabel* totalLabel() const { return m_total; }
    QLabel* clockLabel() const { return m_clock; }
    QLabel* autoLogLamp() const { return m_lamp; }

Q_SIGNALS:
    // The vessel record's engine hours were written from the log.
    void vesselHoursWritten();

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;
    void editingChanged(bool editing) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TripTabShow();
    void ShowCurrentTrip();
    RecordSet::Verdict TripQueryBeforeInsert();
    void TripQueryAfterInsert();
    void TripQueryAfterEdit();
    RecordSet::Verdict TripQueryBeforePost();
    void TripQueryAfterPost();
    void TripQueryAfterCancel();
    RecordSet::Verdict TripQueryBeforeDelete();
    void TripQueryAfterDelete();
    void FillCruiseDropDwn();
    void selectCruise(int cruiseNum);
    void applyFilter(int cruiseNum);
    void updateFlags();
    void updateClock();
    void writeVesselHoursFromLog();
    void releaseNotes();
    void later(const std::function<void()>& seam);
    void openPeople(int kind);
    void setHours(QLineEdit* edit, const QString& field, const QString& text);

    DateBox* m_tripDate;
    DateBox* m_endDate;
    QTimeEdit* m_startTime;
    QTimeEdit* m_endTime;
    LookupBox* m_from;
    LookupBox* m_to;
    QComboBox* m_cruise;
    QLineEdit* m_engSt;
    QLineEdit* m_engFin;
    QLineEdit* m_eng2St;
    QLineEdit* m_eng2Fin;
    QLineEdit* m_rpm;
    QPlainTextEdit* m_notesBox;
    Thumbnail* m_thumb;
    QLabel* m_total;
    QLabel* m_clock;
    QLabel* m_lamp;
    QTimer* m_clockTimer;
    QPushButton* m_setMarker;
    QPushButton* m_watch;
    QPushButton* m_guests;
    QPushButton* m_crew;
    QList<QPair<QString, QPushButton*>> m_leads;
    PendingRemovals* m_removals;
    TripNotes* m_notes;

    int m_filter = 0; // the cruise the list is filtered by; 0 for the whole log
    bool m_latest = false;
    bool m_wholeLog = true;
    bool m_twoEngines = true;
    int m_cruiseBeforeEdit = -1;
    std::optional<qint64> m_watchMark;
    // What the current trip showed, so a date or time the user left alone is not rewritten.
    QDate m_shownStart, m_shownEnd;
    QTime m_shownStartTime, m_shownEndTime;
    bool m_rowHadStartTime = false, m_rowHadEndTime = false;
    // Carried into a new trip.
    QString m_carryFrom;
    int m_carry1 = 0, m_carry2 = 0;
};

} // namespace hb
