#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace hb {

// The display preference check boxes of "Program Preferences": which log buttons the user
// wants to see. Each box has a stable key. The key is the box's object name, its name in the
// saved window state, and what the main window looks up to find the buttons the box shows or
// hides. A member's key is the name of the page it leads to where there is one.
//
// | key            | caption            | group box      |
// |----------------|--------------------|----------------|
// | TripLogGroup   | Trip Log           | (group box)    |
// | GenLog         | Generator Log      | TripLogGroup   |
// | WMLog          | Watermaker Log     | TripLogGroup   |
// | TripPlan       | Trip Planner       | TripLogGroup   |
// | WatchMan       | Watchman           | TripLogGroup   |
// | Waypoints      | Waypoint Log       | TripLogGroup   |
// | Battery        | Battery Log        | TripLogGroup   |
// | InvLogGroup    | Inventory Log      | (group box)    |
// | InvTab         | General Inventory  | InvLogGroup    |
// | Charts         | Chart Log          | InvLogGroup    |
// | Videos         | Video Log          | InvLogGroup    |
// | Audios         | Audio Log          | InvLogGroup    |
// | Books          | Book Log           | InvLogGroup    |
// | Galley         | Galley Log         | InvLogGroup    |
// | PeopleLogGroup | People Logs        | (group box)    |
// | ContactTab     | Boat Contacts      | PeopleLogGroup |
// | Guests         | Guest Log          | PeopleLogGroup |
// | Crew           | Crew Log           | PeopleLogGroup |
// | Suppliers      | Supplier Log       | PeopleLogGroup |
// | Services       | Services Log       | PeopleLogGroup |
// | MaintTab       | Maintenance Log    | -              |
// | SchedMaint     | Sched. Maint. Log  | -              |
// | FuelTab        | Fuel Log           | -              |
// | ProjTab        | Project Log        | -              |
// | ShopList       | Shopping List      | -              |
// | Reminders      | Reminders Log      | -              |
// | Expense        | Expense Log        | -              |
//
// A group box's tick shows or hides its tool bar button ("Trip Log", "Inventory Log", "People
// Log") and enables or disables its members; it never changes the members' ticks. Every other
// box shows or hides each button that leads to its own page. All boxes start ticked.
namespace DisplayKey {
inline constexpr char TripLogGroup[] = "TripLogGroup";
inline constexpr char GenLog[] = "GenLog";
inline constexpr char WMLog[] = "WMLog";
inline constexpr char TripPlan[] = "TripPlan";
inline constexpr char WatchMan[] = "WatchMan";
inline constexpr char Waypoints[] = "Waypoints";
inline constexpr char Battery[] = "Battery";
inline constexpr char InvLogGroup[] = "InvLogGroup";
inline constexpr char InvTab[] = "InvTab";
inline constexpr char Charts[] = "Charts";
inline constexpr char Videos[] = "Videos";
inline constexpr char Audios[] = "Audios";
inline constexpr char Books[] = "Books";
inline constexpr char Galley[] = "Galley";
inline constexpr char PeopleLogGroup[] = "PeopleLogGroup";
inline constexpr char ContactTab[] = "ContactTab";
inline constexpr char Guests[] = "Guests";
inline constexpr char Crew[] = "Crew";
inline constexpr char Suppliers[] = "Suppliers";
inline constexpr char Services[] = "Services";
inline constexpr char MaintTab[] = "MaintTab";
inline constexpr char SchedMaint[] = "SchedMaint";
inline constexpr char FuelTab[] = "FuelTab";
inline constexpr char ProjTab[] = "ProjTab";
inline constexpr char ShopList[] = "ShopList";
inline constexpr char Reminders[] = "Reminders";
inline constexpr char Expense[] = "Expense";
} // namespace DisplayKey

struct DisplayPref
{
    const char* key;
    const char* caption;
    const char* group; // the key of the group box holding it; nullptr for the group boxes
                       // themselves and the boxes outside any group
};

// Every display preference, in the order shown: each group box followed by its members, then
// the boxes outside any group.
std::span<const DisplayPref> displayPrefs();

QStringList displayPrefKeys();
bool isDisplayPref(const QString& key);
bool isDisplayGroup(const QString& key);
// The key of the group box holding `key`; empty for a group box, a box outside any group or
// an unknown key.
QString displayGroupOf(const QString& key);
// The members of a group box, in order; empty for anything else.
QStringList displayGroupMembers(const QString& groupKey);

} // namespace hb
