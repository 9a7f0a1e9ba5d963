#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace hb {

class PreferencesPanel;

// The parts of the persisted window state that live on pages other than the preferences
// panel. The main window passes them in when saving and applies them after restoring.
struct SetupPageState
{
    QString numberEngines; // "One" or "Two"; empty when never saved
    QString lookupTable;   // the table chosen in the lookup editor; empty when never saved
};

// The persisted window state: per user, in QSettings' native format under "Kelvane Software"
// / "Helmbook" (on Linux $XDG_CONFIG_HOME/Kelvane Software/Helmbook.conf). Keys:
//
//   DisplayPreferences/<key>   each display preference tick (keys of DisplayPrefs.h), true/false
//   DisplayPreferences/ShowReminders   the "Show Reminders" tick
//   MemberEnabled/<key>        whether each member of the "Trip Log" group is enabled
//   Setup/Units                "US Standard" or "Metric"
//   Setup/NumberEngines        "One" or "Two"
//   Setup/LookupTable          the lookup editor's table
std::unique_ptr<QSettings> windowStateStore();

void saveWindowState(QSettings& store, const PreferencesPanel& panel, const SetupPageState& pages);
void saveWindowState(const PreferencesPanel& panel, const SetupPageState& pages);

// Applies every saved item to the panel as if the user had set it, so its signals fire (and
// "Show Reminders" writes the settings file). An item that was never saved is applied with the
// panel's current value. Returns the page items for the main window to apply.
SetupPageState restoreWindowState(QSettings& store, PreferencesPanel& panel);
SetupPageState restoreWindowState(PreferencesPanel& panel);

} // namespace hb
