#include "settings/DisplayPrefs.h"

#include <algorithm>

namespace hb {

namespace {

using namespace DisplayKey;

constexpr DisplayPref Table[] = {
    {TripLogGroup, "Trip Log", nullptr},
    {GenLog, "Generator Log", TripLogGroup},
    {WMLog, "Watermaker Log", TripLogGroup},
    {TripPlan, "Trip Planner", TripLogGroup},
    {WatchMan, "Watchman", TripLogGroup},
    {Waypoints, "Waypoint Log", TripLogGroup},
    {Battery, "Battery Log", TripLogGroup},
    {InvLogGroup, "Inventory Log", nullptr},
    {InvTab, "General Inventory", InvLogGroup},
    {Charts, "Chart Log", InvLogGroup},
    {Videos, "Video Log", InvLogGroup},
    {Audios, "Audio Log", InvLogGroup},
    {Books, "Book Log", InvLogGroup},
    {Galley, "Galley Log", InvLogGroup},
    {PeopleLogGroup, "People Logs", nullptr},
    {ContactTab, "Boat Contacts", PeopleLogGroup},
    {Guests, "Guest Log", PeopleLogGroup},
    {Crew, "Crew Log", PeopleLogGroup},
    {Suppliers, "Supplier Log", PeopleLogGroup},
    {Services, "Services Log", PeopleLogGroup},
    {MaintTab, "Maintenance Log", nullptr},
    {SchedMaint, "Sched. Maint. Log", nullptr},
    {FuelTab, "Fuel Log", nullptr},
    {ProjTab, "Project Log", nullptr},
    {ShopList, "Shopping List", nullptr},
    {Reminders, "Reminders Log", nullptr},
    {Expense, "Expense Log", nullptr},
};

const DisplayPref* find(const QString& key)
{
    const auto it = std::find_if(std::begin(Table), std::end(Table),
                                 [&](const DisplayPref& p) { return key == QLatin1String(p.key); });
    return it == std::end(Table) ? nullptr : it;
}

bool groupBox(const DisplayPref& p)
{
    return std::any_of(std::begin(Table), std::end(Table), [&](const DisplayPref& member) {
        return member.group && QLatin1String(member.group) == QLatin1String(p.key);
    });
}

} // namespace

std::span<const DisplayPref> displayPrefs()
{
    return Table;
}

QStringList displayPrefKeys()
{
    QStringList keys;
    for (const DisplayPref& p : Table)
        keys << QLatin1String(p.key);
    return keys;
}

bool isDisplayPref(const QString& key)
{
    return find(key) != nullptr;
}

bool isDisplayGroup(const QString& key)
{
    const DisplayPref* p = find(key);
    return p && groupBox(*p);
}

QString displayGroupOf(const QString& key)
{
    const DisplayPref* p = find(key);
    return p && p->group ? QString(QLatin1String(p->group)) : QString();
}

QStringList displayGroupMembers(const QString& groupKey)
{
    QStringList members;
    for (const DisplayPref& p : Table) {
        if (p.group && groupKey == QLatin1String(p.group))
            members << QLatin1String(p.key);
    }
    return members;
}

} // namespace hb
