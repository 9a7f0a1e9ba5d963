#include "machinery/StartingHours.h"

#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"

namespace hb {

namespace {

void addRun(RecordSet& runs, const QDate& date, double hours, int genSet)
{
    runs.append();
    runs.setValue(runs.hasField(QStringLiteral("GenDt")) ? QStringLiteral("GenDt")
                                                         : QStringLiteral("WMDt"),
                  date);
    runs.setValue(runs.hasField(QStringLiteral("GenStopDate")) ? QStringLiteral("GenStopDate")
                                                               : QStringLiteral("WMStopDate"),
                  date);
    runs.setValue(QStringLiteral("TimeSt"), 1200);
    runs.setValue(QStringLiteral("TimeEnd"), 1200);
    runs.setValue(QStringLiteral("TotTime"), hours);
    runs.setValue(QStringLiteral("Archived"), false);
    if (genSet > 0)
        runs.setValue(QStringLiteral("GenSet"), genSet);
    runs.post();
}

} // namespace

void writeStartingHours(LogConnection& log, const LogDialogs::StartingHours& hours)
{
    if (hours.gen1 || hours.gen2) {
        RecordSet gen(log);
        gen.open(QStringLiteral("select * from GenUse order by GenDt, TimeSt"));
        if (hours.gen1)
            addRun(gen, hours.date, *hours.gen1, 1);
        if (hours.gen2)
            addRun(gen, hours.date, *hours.gen2, 2);
    }
    if (hours.waterMaker) {
        RecordSet wm(log);
        wm.open(QStringLiteral("select * from WMUse order by WMDt, TimeSt"));
        addRun(wm, hours.date, *hours.waterMaker, 0);
    }
}

} // namespace hb
