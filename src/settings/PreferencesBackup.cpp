#include "settings/PreferencesBackup.h"

#include "common/FileCopy.h"

#include "common/Messages.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace hb {

namespace {

// Busy cursor for the life of the object; off again before any message is shown.
class Busy
{
public:
    explicit Busy(const std::function<void(bool)>& busy) : m_busy(busy)
    {
        if (m_busy)
            m_busy(true);
    }
    ~Busy() { done(); }
    void done()
    {
        if (m_busy && m_on)
            m_busy(false);
        m_on = false;
    }

private:
    const std::function<void(bool)>& m_busy;
    bool m_on = true;
};

} // namespace

QString preferencesBackupPath(const QString& documentsFolder)
{
    return QDir(documentsFolder).filePath(QLatin1String(PreferencesBackupFileName));
}

QString preferencesBackupPath()
{
    return preferencesBackupPath(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

bool preferencesBackupExists(const QString& backupPath)
{
    return QFileInfo(backupPath).isFile();
}

std::optional<bool> savePreferences(IniFile& settings, Messages& messages,
                                    const QString& backupPath, const PreferencesActions& actions)
{
    if (settings.IniRead(QStringLiteral("Paths"), QStringLiteral("DBPath"), QString()).isEmpty())
        return std::nullopt;
    Busy busy(actions.busy);
    if (actions.saveWindowState)
        actions.saveWindowState();
    if (!copyFileSafely(settings.path(), backupPath).isEmpty()) {
        busy.done();
        messages.error(QLatin1String(BackupPreferencesErrorMessage));
        return false;
    }
    busy.done();
    messages.information(QLatin1String(PreferencesSavedMessage));
    return true;
}

bool restorePreferences(IniFile& settings, Messages& messages, const QString& backupPath,
                        const PreferencesActions& actions)
{
    Busy busy(actions.busy);
    if (!copyFileSafely(backupPath, settings.path()).isEmpty()) {
        busy.done();
        messages.error(QLatin1String(RestorePreferencesErrorMessage));
        return preferencesBackupExists(backupPath);
    }
    busy.done();
    settings.invalidate();
    if (actions.restoreWindowState)
        actions.restoreWindowState();
    const QString splash =
        settings.IniRead(QStringLiteral("Paths"), QStringLiteral("SplashPath"), QString());
    if (!splash.isEmpty() && actions.showSplash)
        actions.showSplash(splash);
    messages.information(QLatin1String(PreferencesRestoredMessage));
    return true;
}

} // namespace hb
