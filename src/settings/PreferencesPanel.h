#pragma once

#include <QGroupBox>
#include <QHash>

class QCheckBox;
class QRadioButton;

namespace hb {

class FileDialogs;
class IniFile;
class Messages;

inline constexpr char MetricUnitsMessage[] =
    "You may also need to run the desktop settings panel \"Region & Language\" in order to "
    "have\r\ndates and other symbols display correctly!";
inline constexpr char SplashPictureErrorMessage[] = "Could not open splash picture!";
inline constexpr char PictureFilter[] = "Pictures (*.jpg *.jpeg *.bmp)";

// Whether the picture file can be read and decoded.
bool pictureLoads(const QString& path);

// "Program Preferences": the display preference check boxes (see DisplayPrefs.h for their
// keys), "Units of Measure", the splash picture and the two folders, and "Show Reminders".
//
// The panel keeps no state of its own beyond its widgets; the main window listens to the
// signals and shows or hides its buttons, switches its units and shows the splash picture.
// Each signal is emitted whenever the user changes a box and by the set...() functions, which
// apply a value as if the user had chosen it (the signal fires even when the value does not
// change, so a listener can use them to bring itself up to date).
class PreferencesPanel : public QGroupBox
{
    Q_OBJECT
public:
    PreferencesPanel(Messages& messages, FileDialogs& fileDialogs, IniFile& settings,
                     QWidget* parent = nullptr);

    // Display preferences by key; false for an unknown key.
    bool isTicked(const QString& key) const;
    using QGroupBox::isEnabled;
    bool isEnabled(const QString& key) const;
    bool metric() const;
    bool showReminders() const;

    void setTicked(const QString& key, bool on);
    // Enables or disables a member of a group box; a member of an unticked group stays
    // disabled. Ticking the group again enables all its members.
    void setMemberEnabled(const QString& key, bool on);
    void setMetric(bool on);
    void setShowReminders(bool on);

    // Until this is called (when the main window has been set up), choosing "Metric" shows no
    // message.
    void setStartupDone(bool done = true) { m_startupDone = done; }
    bool startupDone() const { return m_startupDone; }

    // The commands of the three buttons.
    void chooseSplashPicture();
    void choosePicDocFolder();
    void chooseBackupFolder();

Q_SIGNALS:
    // A display preference changed: `key` is the box's key, `visible` its tick.
    void visibilityChanged(const QString& key, bool visible);
    void unitsChanged(bool metric);
    // A new splash picture was chosen and can be loaded.
    void splashPictureChanged(const QString& path);
    void remindFlagChanged(bool on);

private:
    void groupToggled(const QString& key, bool on);
    void metricToggled(bool on);
    void showRemindersToggled(bool on);
    void chooseFolder(const QString& caption, const QString& key);

    Messages& m_messages;
    FileDialogs& m_fileDialogs;
    IniFile& m_settings;
    QHash<QString, QGroupBox*> m_groups;
    QHash<QString, QCheckBox*> m_boxes;
    QRadioButton* m_usStandard;
    QRadioButton* m_metric;
    QCheckBox* m_showReminders;
    bool m_startupDone = false;
};

} // namespace hb
