#include "common/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace hb {

bool DesktopShell::openDocument(const QString& path)
{
    const QUrl url = QFileInfo::exists(path) ? QUrl::fromLocalFile(path) : QUrl(path);
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace hb
