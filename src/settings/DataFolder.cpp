#include "settings/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString dataFolder()
{
    return dataFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                      QCoreApplication::applicationFilePath());
}

QString settingsFilePath(const QString& folder)
{
    return QDir(folder).filePath(QString::fromLatin1(SettingsFileName));
}

} // namespace hb
