#include "settings/WindowState.h"

#include "settings/DisplayPrefs.h"
#include "settings/PreferencesPanel.h"

#include <QSettings>

namespace hb {

namespace {

const QString Ticks = QStringLiteral("DisplayPreferences/");
const QString ShowReminders = QStringLiteral("DisplayPreferences/ShowReminders");
const QString Enabled = QStringLiteral("MemberEnabled/");
const QString Units = QStringLiteral("Setup/Units");
const QString NumberEngines = QStringLiteral("Setup/NumberEngines");
const QString LookupTable = QStringLiteral("Setup/LookupTable");
const QString UsStandard = QStringLiteral("US Standard");
const QString Metric = QStringLiteral("Metric");

bool storedBool(const QSettings& store, const QString& key, bool current)
{
    return store.value(key, current).toBool();
}

} // namespace

std::unique_ptr<QSettings> windowStateStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kelvane Software"),
                                       QStringLiteral("Helmbook"));
}

void saveWindowState(QSettings& store, const PreferencesPanel& panel, const SetupPageState& pages)
{
    for (const QString& key : displayPrefKeys())
        store.setValue(Ticks + key, panel.isTicked(key));
    store.setValue(ShowReminders, panel.showReminders());
    for (const QString& key : displayGroupMembers(QLatin1String(DisplayKey::TripLogGroup)))
        store.setValue(Enabled + key, panel.isEnabled(key));
    store.setValue(Units, panel.metric() ? Metric : UsStandard);
    store.setValue(NumberEngines, pages.numberEngines);
    store.setValue(LookupTable, pages.lookupTable);
    store.sync();
}

void saveWindowState(const PreferencesPanel& panel, const SetupPageState& pages)
{
    saveWindowState(*windowStateStore(), panel, pages);
}

SetupPageState restoreWindowState(QSettings& store, PreferencesPanel& panel)
{
    store.sync();
    // Members first, so that the group boxes' ticks decide what is enabled.
    const QStringList keys = displayPrefKeys();
    for (const QString& key : keys) {
        if (!isDisplayGroup(key))
            panel.setTicked(key, storedBool(store, Ticks + key, panel.isTicked(key)));
    }
    for (const QString& key : keys) {
        if (isDisplayGroup(key))
            panel.setTicked(key, storedBool(store, Ticks + key, panel.isTicked(key)));
    }
    for (const QString& key : displayGroupMembers(QLatin1String(DisplayKey::TripLogGroup)))
        panel.setMemberEnabled(key, storedBool(store, Enabled + key, panel.isEnabled(key)));

    const QString units = store.value(Units).toString();
    panel.setMetric(units == Metric ? true : units == UsStandard ? false : panel.metric());
    // Applying "Show Reminders" writes the settings file, so only a state saved before counts.
    if (store.contains(ShowReminders))
        panel.setShowReminders(storedBool(store, ShowReminders, panel.showReminders()));

    return {store.value(NumberEngines).toString(), store.value(LookupTable).toString()};
}

SetupPageState restoreWindowState(PreferencesPanel& panel)
{
    return restoreWindowState(*windowStateStore(), panel);
}

} // namespace hb
