#include "machinery/TankRules.h"

#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"

namespace hb {

const QString TankSumsTooLarge =
    QStringLiteral("The tanks add up to more than the vessel record can hold (32767). The "
                   "vessel's fuel and water figures were left as they were.");
const QString LevelOutOfRange = QStringLiteral(
    "You can't enter a value less than zero or larger than the total tank capacity!");

QStringList tankTypes()
{
    return {QStringLiteral("FUEL"), QStringLiteral("WATER"), QStringLiteral("HOLDING")};
}

std::optional<TankFigures> tankFigures(const std::vector<Tank>& tanks)
{
    qint64 fuel = 0, water = 0, eng = 0, gen = 0;
    for (const Tank& t : tanks) {
        if (t.type == QLatin1String("FUEL")) {
            fuel += t.capacity;
            if (t.engineWorking)
                eng += t.level;
            if (t.gensetWorking)
                gen += t.level;
        } else if (t.type == QLatin1String("WATER")) {
            water += t.capacity;
        }
    }
    for (const qint64 v : {fuel, water, eng, gen}) {
        if (v < -32768 || v > 32767)
            return std::nullopt;
    }
    return TankFigures{int(fuel), int(water), int(eng), int(gen)};
}

bool levelFits(int level, int capacity)
{
    return level >= 0 && level <= capacity;
}

QString recomputeTankFigures(LogConnection& log, RecordSet* vessel)
{
    RecordSet rows(log);
    rows.open(QStringLiteral("select * from Tanks"));
    std::vector<Tank> tanks;
    for (int r = 0; r < rows.recordCount(); ++r) {
        tanks.push_back({rows.valueAt(r, QStringLiteral("Tank_Type")).toString(),
                         rows.valueAt(r, QStringLiteral("Tank_Capacity")).toInt(),
                         rows.valueAt(r, QStringLiteral("Tank_Level")).toInt(),
                         rows.valueAt(r, QStringLiteral("Tank_EngWork")).toBool(),
                         rows.valueAt(r, QStringLiteral("Tank_GenWork")).toBool()});
    }
    const std::optional<TankFigures> f = tankFigures(tanks);
    if (!f)
        return TankSumsTooLarge;
    log.exec(QStringLiteral("update BoatInfo set FuelCap = :fuel, WtrCap = :water, "
                            "EngWorkTank = :eng, GenWorkTank = :gen"),
             {{QStringLiteral("fuel"), f->fuelCap},
              {QStringLiteral("water"), f->wtrCap},
              {QStringLiteral("eng"), f->engWorkTank},
              {QStringLiteral("gen"), f->genWorkTank}});
    if (vessel && vessel->isOpen()) {
        if (vessel->state() == RecordSet::State::Edit ||
            vessel->state() == RecordSet::State::Insert) {
            vessel->setValue(QStringLiteral("FuelCap"), f->fuelCap);
            vessel->setValue(QStringLiteral("WtrCap"), f->wtrCap);
            vessel->setValue(QStringLiteral("EngWorkTank"), f->engWorkTank);
            vessel->setValue(QStringLiteral("GenWorkTank"), f->genWorkTank);
        } else if (vessel->state() == RecordSet::State::Browse) {
            vessel->requery();
        }
    }
    return {};
}

} // namespace hb
