#include "settings/PreferencesPanel.h"

#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "settings/DisplayPrefs.h"
#include "settings/IniFile.h"
#include "settings/RemindFlag.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hb {

bool pictureLoads(const QString& path)
{
    QImageReader reader(path);
    return !reader.read().isNull();
}

PreferencesPanel::PreferencesPanel(Messages& messages, FileDialogs& fileDialogs, IniFile& settings,
                                   QWidget* parent)
    : QGroupBox(QStringLiteral("Program Preferences"), parent), m_messages(messages),
      m_fileDialogs(fileDialogs), m_settings(settings)
{
    setObjectName(QStringLiteral("ProgramPrefs"));
    // Every box is named by its own caption for screen readers (a checkable group box would
    // otherwise be read by the title of the box around it).
    setAccessibleName(title());

    auto* grid = new QGridLayout(this);
    auto* others = new QVBoxLayout;
    QVBoxLayout* current = others;
    int column = 0;
    for (const DisplayPref& pref : displayPrefs()) {
        const QString key = QLatin1String(pref.key);
        const QString caption = QLatin1String(pref.caption);
        if (isDisplayGroup(key)) {
            auto* group = new QGroupBox(caption, this);
            group->setObjectName(key);
            group->setAccessibleName(caption);
            group->setCheckable(true);
            group->setChecked(true);
            connect(group, &QGroupBox::toggled, this,
                    [this, key](bool on) { groupToggled(key, on); });
            m_groups.insert(key, group);
            current = new QVBoxLayout(group);
            grid->addWidget(group, 0, column++);
            continue;
        }
        QGroupBox* group = pref.group ? m_groups.value(QLatin1String(pref.group)) : nullptr;
        if (!group)
            current = others;
        auto* box = new QCheckBox(caption, group ? static_cast<QWidget*>(group) : this);
        box->setObjectName(key);
        box->setAccessibleName(caption);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this,
                [this, key](bool on) { Q_EMIT visibilityChanged(key, on); });
        m_boxes.insert(key, box);
        current->addWidget(box);
    }
    for (QGroupBox* group : std::as_const(m_groups))
        static_cast<QVBoxLayout*>(group->layout())->addStretch();
    others->addStretch();
    grid->addLayout(others, 0, column);

    auto* units = new QGroupBox(QStringLiteral("Units of Measure"), this);
    units->setObjectName(QStringLiteral("Units"));
    units->setAccessibleName(units->title());
    m_usStandard = new QRadioButton(QStringLiteral("US Standard"), units);
    m_usStandard->setObjectName(QStringLiteral("USStandard"));
    m_metric = new QRadioButton(QStringLiteral("Metric"), units);
    m_metric->setObjectName(QStringLiteral("Metric"));
    m_usStandard->setChecked(true);
    m_usStandard->setAccessibleName(m_usStandard->text());
    m_metric->setAccessibleName(m_metric->text());
    auto* unitsLayout = new QVBoxLayout(units);
    unitsLayout->addWidget(m_usStandard);
    unitsLayout->addWidget(m_metric);
    auto* unitButtons = new QButtonGroup(units);
    unitButtons->addButton(m_usStandard);
    unitButtons->addButton(m_metric);
    connect(m_metric, &QRadioButton::toggled, this, &PreferencesPanel::metricToggled);

    auto button = [this](const char* caption, const char* name, void (PreferencesPanel::*run)()) {
        auto* b = new QPushButton(QLatin1String(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(QLatin1String(caption));
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(
        button("Set Splash Pic", "SetSplashBtn", &PreferencesPanel::chooseSplashPicture));
    buttons->addWidget(
        button("Set Pic/Doc Dir", "SetPicDocBtn", &PreferencesPanel::choosePicDocFolder));
    buttons->addWidget(
        button("Set Backup Dir", "SetBackupBtn", &PreferencesPanel::chooseBackupFolder));

    m_showReminders = new QCheckBox(QStringLiteral("Show Reminders"), this);
    m_showReminders->setObjectName(QStringLiteral("ShowReminders"));
    m_showReminders->setAccessibleName(m_showReminders->text());
    m_showReminders->setChecked(readRemindFlag(m_settings));
    connect(m_showReminders, &QCheckBox::toggled, this, &PreferencesPanel::showRemindersToggled);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(units);
    bottom->addLayout(buttons);
    bottom->addWidget(m_showReminders, 0, Qt::AlignTop);
    bottom->addStretch();
    grid->addLayout(bottom, 1, 0, 1, column + 1);
}

bool PreferencesPanel::isTicked(const QString& key) const
{
    if (const QGroupBox* group = m_groups.value(key))
        return group->isChecked();
    const QCheckBox* box = m_boxes.value(key);
    return box && box->isChecked();
}

bool PreferencesPanel::isEnabled(const QString& key) const
{
    if (const QGroupBox* group = m_groups.value(key))
        return group->isEnabled();
    const QCheckBox* box = m_boxes.value(key);
    return box && box->isEnabled();
}

bool PreferencesPanel::metric() const
{
    return m_metric->isChecked();
}

bool PreferencesPanel::showReminders() const
{
    return m_showReminders->isChecked();
}

void PreferencesPanel::setTicked(const QString& key, bool on)
{
    if (QGroupBox* group = m_groups.value(key)) {
        if (group->isChecked() != on)
            group->setChecked(on);
        else
            groupToggled(key, on);
    } else if (QCheckBox* box = m_boxes.value(key)) {
        if (box->isChecked() != on)
            box->setChecked(on);
        else
            Q_EMIT visibilityChanged(key, on);
    }
}

void PreferencesPanel::setMemberEnabled(const QString& key, bool on)
{
    QCheckBox* box = m_boxes.value(key);
    const QGroupBox* group = m_groups.value(displayGroupOf(key));
    if (box && group)
        box->setEnabled(on && group->isChecked());
}

void PreferencesPanel::setMetric(bool on)
{
    if (metric() == on)
        Q_EMIT unitsChanged(on);
    else
        (on ? m_metric : m_usStandard)->setChecked(true);
}

void PreferencesPanel::setShowReminders(bool on)
{
    if (m_showReminders->isChecked() != on)
        m_showReminders->setChecked(on);
    else
        showRemindersToggled(on);
}

void PreferencesPanel::groupToggled(const QString& key, bool on)
{
    // A checkable group box leaves a member it once saw disabled as it is; enabling every
    // member here keeps "tick the group again" a sure way back.
    for (const QString& member : displayGroupMembers(key)) {
        if (QCheckBox* box = m_boxes.value(member))
            box->setEnabled(on);
    }
    Q_EMIT visibilityChanged(key, on);
}

void PreferencesPanel::metricToggled(bool on)
{
    Q_EMIT unitsChanged(on);
    if (on && m_startupDone)
        m_messages.information(QString::fromUtf8(MetricUnitsMessage));
}

void PreferencesPanel::showRemindersToggled(bool on)
{
    writeRemindFlag(m_settings, on);
    Q_EMIT remindFlagChanged(on);
}

void PreferencesPanel::chooseSplashPicture()
{
    const QString path = m_fileDialogs.openFile(QStringLiteral("Select Splash Picture"),
                                                QDir::homePath(), QLatin1String(PictureFilter));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_settings.IniWrite(QStringLiteral("Paths"), QStringLiteral("SplashPath"), path);
    if (pictureLoads(path))
        Q_EMIT splashPictureChanged(path);
    else
        m_messages.warning(QLatin1String(SplashPictureErrorMessage));
}

void PreferencesPanel::choosePicDocFolder()
{
    chooseFolder(QStringLiteral("Select Picture/Document Folder"), QStringLiteral("picDocPath"));
}

void PreferencesPanel::chooseBackupFolder()
{
    chooseFolder(QStringLiteral("Select Backup Folder"), QStringLiteral("backupPath"));
}

void PreferencesPanel::chooseFolder(const QString& caption, const QString& key)
{
    const QString folder = m_fileDialogs.chooseFolder(caption, QDir::homePath());
    if (!folder.isEmpty())
        m_settings.IniWrite(QStringLiteral("Paths"), key, folder);
}

} // namespace hb
