#include "settings/Autostart.h"

#include "common/Messages.h"
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace hb {

namespace {

const QString FlagsSection = QStringLiteral("Flags");
const QString RemindSUKey = QStringLiteral("RemindSU");

bool writeEntry(const QString& path, const QString& text, QString& error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("Could not create the folder %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        error = QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool removeEntry(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    error = QStringLiteral("Could not remove %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

QString autostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/autostart/") + QLatin1String(RemindersProgramName) +
           QLatin1String(".desktop");
}

QString remindersProgramPath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QLatin1String(RemindersProgramName));
}

QString desktopExecArgument(const QString& program)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';

    QString value;
    for (QChar c : quoted) {
        if (c == u'\\')
            value += QLatin1String("\\\\");
        else if (c == u'\n')
            value += QLatin1String("\\n");
        else if (c == u'\r')
            value += QLatin1String("\\r");
        else if (c == u'\t')
            value += QLatin1String("\\t");
        else
            value += c;
    }
    return value;
}

QString autostartEntryText(const QString& program)
{
    return QLatin1String("[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=HBReminders\n"
                         "Comment=Shows the Helmbook reminders that are due\n"
                         "Exec=") +
           desktopExecArgument(program) +
           QLatin1String("\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");
}

bool remindersAtStartup(IniFile& settings)
{
    return settings.IniRead(FlagsSection, RemindSUKey, QStringLiteral("N")) == QLatin1String("Y");
}

bool askRemindersAtStartup(Messages& messages, IniFile& settings)
{
    const bool yes =
        messages.show(Messages::Kind::Information, QLatin1String(StartupRemindersQuestion),
                      Messages::Buttons::YesNo,
                      QLatin1String(StartupRemindersTitle)) == Messages::Answer::Yes;
    const QString path = autostartEntryPath();
    QString error;
    if (yes ? !writeEntry(path, autostartEntryText(remindersProgramPath()), error)
            : !removeEntry(path, error)) {
        messages.error(error);
        return remindersAtStartup(settings);
    }
    settings.IniWrite(FlagsSection, RemindSUKey, yes ? QStringLiteral("Y") : QStringLiteral("N"));
    return yes;
}

} // namespace hb
