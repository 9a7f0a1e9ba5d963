#pragma once

#include <QString>
#include <QTime>

#include <vector>

namespace hb {

// A battery bank: its number in the log, its caption on the page, the code kept with each
// reading, and its item in "Narrow Display".
struct BatteryBank
{
    int number;
    const char* caption;
    const char* code;
    const char* narrowItem;
};
const std::vector<BatteryBank>& batteryBanks();
// The code of bank 1 to 6; empty for any other number.
QString bankCode(int bank);

// The battery types offered.
const QStringList& batteryTypes();

// The time of a reading as the log keeps it: "hh:nn am/pm" in English whatever the locale
// ("02:05 pm"; 00:30 is "12:30 am").
QString readingTimeText(const QTime& time);
// The time back from that text; invalid when it is not one.
QTime readingTime(const QString& text);

} // namespace hb
