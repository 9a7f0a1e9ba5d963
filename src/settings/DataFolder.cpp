#include "settings/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace hb {

QString programBaseName(const QString& programFile)
{
    const QString name = QFileInfo(programFile).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString dataFolder(const QString& documentsFolder, const QString& programFile)
{
    if (documentsFolder.trimmed().isEmpty())
        throw SettingsError(QString::fromLatin1(NoDocumentsFolderMessage));
    QString base = QDir::cleanPath(documentsFolder);
    if (!base.endsWith(u'/'))
        base += u'/';
    return base + QLatin1String("Kelvane Software/") + programBaseName(programFile);
}

QString homeFolder(const QString& environmentHome, const QString& accountHome)
{
    // The root of the file system is nobody's home: it stands for "no home" (HOME=/ of
    // services, accounts without a home folder).
    const auto usable = [](const QString& folder) {
        return !folder.trimmed().isEmpty() && QDir::cleanPath(folder) != QLatin1String("/");
    };
    if (!environmentHome.isEmpty())
        return usable(environmentHome) ? QDir::cleanPath(environmentHome) : QString();
    if (usable(accountHome) && QFileInfo(accountHome).isDir())
        return QDir::cleanPath(accountHome);
    return {};
}

QString accountHomeFolder()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

bool settleHomeFolder()
{
    const QString environment = qEnvironmentVariable("HOME");
    const QString home = homeFolder(environment, accountHomeFolder());
    if (home.isEmpty())
        return false;
    if (environment.isEmpty())
        qputenv("HOME", QFile::encodeName(home));
    return true;
}

QString dataFolder()
{
    // Without a home folder the toolkit answers "/Documents": there is no documents folder.
    if (homeFolder(qEnvironmentVariable("HOME"), {}).isEmpty())
        throw SettingsError(QString::fromLatin1(NoDocumentsFolderMessage));
    return dataFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                      QCoreApplication::applicationFilePath());
}

QString settingsFilePath(const QString& folder)
{
    return QDir(folder).filePath(QString::fromLatin1(SettingsFileName));
}

} // namespace hb
