#pragma once

// The rows of ten busy years (100,000 rows spread over the logs, 20 MB of trip notes), shared
// by the benchmarks.

#include "logdb/LogConnection.h"

#include <QDate>

namespace hb {

inline void fillTenYears(LogConnection& log)
{
    LogConnection::Transaction batch(log);
    const QDate start(2016, 1, 1);
    const QString notes(1000, u'w'); // 20,000 trips: 20 MB of notes
    for (int i = 0; i < 20000; ++i)
        log.exec(QStringLiteral(
                     "INSERT INTO TripLog (TripDate, StartTime, tripFrom, TripTo, EngHrsSt, "
                     "EngHrsFin, Notes) VALUES (:d, '08:00:00', 'Harbour', 'Cove', :h, :h2, :n)"),
                 {{QStringLiteral("d"), start.addDays(i / 6)},
                  {QStringLiteral("h"), i * 1.5},
                  {QStringLiteral("h2"), i * 1.5 + 1.5},
                  {QStringLiteral("n"), notes}});
    struct Bulk
    {
        const char* sql;
        int rows;
    };
    const Bulk bulk[] = {
        {"INSERT INTO Fuel (fuelDate, EngHrs, Location, Amount, AmtUnit, Cost) VALUES (:d, 1000, "
         "'Dock', 40, 'Lit', 650000)",
         5000},
        {"INSERT INTO GenUse (GenDt, TimeSt, TimeEnd, GenStopDate, TotTime, GenSet) VALUES (:d, "
         "800, 1000, :d, 2, 1)",
         20000},
        {"INSERT INTO WMUse (WMDt, TimeSt, TimeEnd, WMStopDate, TotTime) VALUES (:d, 900, 1000, "
         ":d, 1)",
         10000},
        {"INSERT INTO Maint (MaintDT, Description, VesselSys, Cost, EngHrs, Notes) VALUES (:d, "
         "'Oil change', 'Engine', 455000, 1200, 'Routine.')",
         10000},
        {"INSERT INTO Battery (ReadDt, ReadTime, ReadVolt, BattType, BankTxt, BattBank) VALUES "
         "(:d, '08:00', 12.6, 'AGM', 'House', 1)",
         15000},
        {"INSERT INTO Expenses (ExpDate, ExpType, ExpPay, ExpPayAmt, ExpIncAmt, ExpCat, ExpMemo) "
         "VALUES (:d, 'CASH', 'Marina', 45.5, 0, 'Dockage', 'Night')",
         15000},
        {"INSERT INTO Inventory (ItemName, Location, InvType, InvNumFld1, InvDate) VALUES ('Spare "
         "impeller', 'Locker 3', 1, 2, :d)",
         5000},
    };
    for (const Bulk& b : bulk) {
        for (int i = 0; i < b.rows; ++i)
            log.exec(QString::fromLatin1(b.sql), {{QStringLiteral("d"), start.addDays(i % 3650)}});
    }
    batch.commit();
}

} // namespace hb
