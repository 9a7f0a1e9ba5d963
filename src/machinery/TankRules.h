#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace hb {

class LogConnection;
class RecordSet;

// One row of the tanks list as the vessel's figures count it.
struct Tank
{
    QString type; // "FUEL", "WATER" or "HOLDING"
    int capacity = 0;
    int level = 0;
    bool engineWorking = false;
    bool gensetWorking = false;
};

// The vessel record's four figures derived from the tanks.
struct TankFigures
{
    int fuelCap = 0;
    int wtrCap = 0;
    int engWorkTank = 0;
    int genWorkTank = 0;
    bool operator==(const TankFigures&) const = default;
};

// The types a tank is chosen from; the figures count "FUEL" and "WATER" only.
QStringList tankTypes();

// Fuel tanks add their capacity to the fuel capacity and their level to the engines' and/or the
// genset's working-tank amount; water tanks add their capacity to the water capacity; other
// types count nowhere. Empty when a sum does not fit the vessel record's 16-bit columns.
std::optional<TankFigures> tankFigures(const std::vector<Tank>& tanks);

// Whether a level fits its tank: from 0 up to the capacity.
bool levelFits(int level, int capacity);

// Reads the tanks, adds the figures up and writes all four into the vessel record with one
// statement; a vessel record being edited gets the same values in its edit buffer, one being
// browsed is read again. No vessel record is created. Returns an error text when the sums do
// not fit (nothing is written then), empty on success. Throws LogError when the log fails.
QString recomputeTankFigures(LogConnection& log, RecordSet* vessel);

extern const QString TankSumsTooLarge;
extern const QString LevelOutOfRange;

} // namespace hb
