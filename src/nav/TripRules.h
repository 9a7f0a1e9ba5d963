#pragma once

#include "logdb/LogConnection.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace hb {

// The rules of the trip log that need no window: the order of trips, the hours a new trip
// carries over, the checks on engine hours, the vessel record's hours and the lines other
// logs append to the latest trip's notes.

// The one order of trips everywhere: two trips on one day still have a fixed latest trip.
inline const QString TripOrder = QStringLiteral("TripDate, StartTime, Trip_ID");

// The trips listed: the whole log (cruise 0, "All Cruises") or one cruise's trips.
struct TripSelection
{
    QString sql;
    Params params;
};
TripSelection tripSelection(int cruiseNum);

// Engine hours as whole hours: to the nearest whole number, halves to even.
int wholeHours(double hours);

// The hours a new trip starts with for one engine: the highest end hours of the log (archived
// trips included); when that is 0, what the end-hours field shows; when that is 0 too, the
// vessel record's current hours.
int carryOverHours(double highestInLog, double shownInField, double vesselHours);

// The largest number of hours the vessel record keeps.
inline constexpr int MaxVesselHours = 32767;

inline const QString EndBelowStart =
    QStringLiteral("Your ending hours can NOT be less than your starting hours!");
inline const QString HoursNotNumber =
    QStringLiteral("Engine hours must be a whole number of hours!");
inline const QString HoursTooLarge = QStringLiteral("Engine hours can NOT be more than 32767!");

// Reads an engine-hours text: empty is 0; otherwise a number from 0 to MaxVesselHours.
// The problem's message when it is not one.
struct HoursReading
{
    double hours = 0;
    QString problem; // empty when the text is a number of hours
};
HoursReading readHours(const QString& text);

// The problem with one engine's start and end hours, or empty.
QString hoursProblem(const QString& start, const QString& end);

// The vessel record's engine hours as the whole log gives them: starting hours from the first
// trip not archived, current hours from the latest one.
struct VesselHours
{
    int st1 = 0, st2 = 0, end1 = 0, end2 = 0;
    bool operator==(const VesselHours&) const = default;
};
std::optional<VesselHours> vesselHoursFromLog(LogConnection& log);
// Writes them into the vessel record; false when the log has no trips (nothing is written).
bool writeVesselHours(LogConnection& log);

// The Trip_ID of the latest trip of the whole log, or none.
std::optional<qint64> latestTripId(LogConnection& log);

// Appends lines to the notes of the latest trip of the whole log (each as a carriage return
// and the line, in one bound statement). While the trip page adds or edits a trip the lines are
// queued and written after that trip is saved or cancelled, so a half-typed trip is never
// saved by them and what the user types is never lost.
class TripNotes : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Written, Queued, NoTrip };

    explicit TripNotes(LogConnection& log, QObject* parent = nullptr);

    Outcome append(const QString& line);
    // Whether the trip page is adding or editing a trip. Leaving that state writes the queue.
    void setHeld(bool held);
    bool held() const { return m_held; }
    QStringList queued() const { return m_queue; }

    // The statement itself, for the writer and its tests; false when there is no trip.
    static bool appendToLatest(LogConnection& log, const QString& line);

Q_SIGNALS:
    // Lines were written into the trip whose key is given.
    void written(qint64 tripId);

private:
    LogConnection& m_log;
    QStringList m_queue;
    bool m_held = false;
};

} // namespace hb
