#include "nav/TripRules.h"

#include "logdb/AggQuery.h"
#include "logdb/LogError.h"

#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <cmath>

namespace hb {

TripSelection tripSelection(int cruiseNum)
{
    if (cruiseNum == 0)
        return {QStringLiteral("select * from TripLog where Archived = False order by ") +
                    TripOrder,
                {}};
    return {QStringLiteral("select * from TripLog where Archived = False and CruiseNum = :cruise "
                           "order by ") +
                TripOrder,
            {{QStringLiteral(":cruise"), cruiseNum}}};
}

int wholeHours(double hours)
{
    // The default rounding mode rounds halves to the even neighbour.
    return int(std::nearbyint(hours));
}

int carryOverHours(double highestInLog, double shownInField, double vesselHours)
{
    int hours = wholeHours(highestInLog);
    if (hours == 0)
        hours = wholeHours(shownInField);
    if (hours == 0)
        hours = wholeHours(vesselHours);
    return hours;
}

HoursReading readHours(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    const double hours = t.toDouble(&ok);
    if (!ok || !std::isfinite(hours) || hours < 0)
        return {0, HoursNotNumber};
    if (wholeHours(hours) > MaxVesselHours)
        return {0, HoursTooLarge};
    return {hours, {}};
}

QString hoursProblem(const QString& start, const QString& end)
{
    const HoursReading s = readHours(start);
    if (!s.problem.isEmpty())
        return s.problem;
    const HoursReading e = readHours(end);
    if (!e.problem.isEmpty())
        return e.problem;
    if (e.hours < s.hours)
        return EndBelowStart;
    return {};
}

namespace {

// One trip's hours by its place in the whole log's order.
std::optional<std::array<double, 2>> tripHours(LogConnection& log, const char* columns,
                                               const char* direction)
{
    QSqlQuery q(log.database());
    const QString order =
        QStringLiteral("TripDate %1, StartTime %1, Trip_ID %1").arg(QString::fromLatin1(direction));
    q.prepare(QStringLiteral("select %1 from TripLog where Archived = False order by %2 limit 1")
                  .arg(QString::fromLatin1(columns), order));
    if (!q.exec())
        throw LogError(LogConnection::engineText(q.lastError()));
    if (!q.next())
        return std::nullopt;
    return std::array<double, 2>{q.value(0).toDouble(), q.value(1).toDouble()};
}

} // namespace

std::optional<VesselHours> vesselHoursFromLog(LogConnection& log)
{
    const auto first = tripHours(log, "EngHrsSt, Eng2HrsSt", "asc");
    const auto last = tripHours(log, "EngHrsFin, Eng2HrsFin", "desc");
    if (!first || !last)
        return std::nullopt;
    return VesselHours{wholeHours((*first)[0]), wholeHours((*first)[1]), wholeHours((*last)[0]),
                       wholeHours((*last)[1])};
}

bool writeVesselHours(LogConnection& log)
{
    const std::optional<VesselHours> h = vesselHoursFromLog(log);
    if (!h)
        return false;
    log.exec(QStringLiteral("update BoatInfo set StHrs1 = :st1, StHrs2 = :st2, EndHrs1 = :end1, "
                            "EndHrs2 = :end2"),
             {{QStringLiteral(":st1"), h->st1},
              {QStringLiteral(":st2"), h->st2},
              {QStringLiteral(":end1"), h->end1},
              {QStringLiteral(":end2"), h->end2}});
    return true;
}

std::optional<qint64> latestTripId(LogConnection& log)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("select Trip_ID from TripLog where Archived = False order by "
                             "TripDate desc, StartTime desc, Trip_ID desc limit 1"));
    if (!q.exec())
        throw LogError(LogConnection::engineText(q.lastError()));
    if (!q.next())
        return std::nullopt;
    return q.value(0).toLongLong();
}

TripNotes::TripNotes(LogConnection& log, QObject* parent) : QObject(parent), m_log(log) {}

bool TripNotes::appendToLatest(LogConnection& log, const QString& line)
{
    // The key is found and the notes written by the one statement, so no other trip (one a
    // search or a cruise filter shows) can be chosen in between.
    const int changed = log.exec(
        QStringLiteral("update TripLog set Notes = coalesce(Notes, '') || char(13) || :line "
                       "where Trip_ID = (select Trip_ID from TripLog where Archived = False "
                       "order by TripDate desc, StartTime desc, Trip_ID desc limit 1)"),
        {{QStringLiteral(":line"), line}});
    return changed > 0;
}

TripNotes::Outcome TripNotes::append(const QString& line)
{
    if (m_held) {
        m_queue.push_back(line);
        return Outcome::Queued;
    }
    if (!appendToLatest(m_log, line))
        return Outcome::NoTrip;
    if (const auto id = latestTripId(m_log))
        Q_EMIT written(*id);
    return Outcome::Written;
}

void TripNotes::setHeld(bool held)
{
    m_held = held;
    if (held || m_queue.isEmpty())
        return;
    // Written in order; a line that cannot be written (no trip left) is kept for the next.
    while (!m_queue.isEmpty()) {
        if (!appendToLatest(m_log, m_queue.front()))
            return;
        m_queue.pop_front();
    }
    if (const auto id = latestTripId(m_log))
        Q_EMIT written(*id);
}

} // namespace hb
