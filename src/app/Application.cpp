#include "app/Application.h"

#include <QApplication>

namespace hb {

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Helmbook"));
    QApplication::setOrganizationName(QStringLiteral("Kelvane Software"));
    QApplication::setApplicationVersion(QStringLiteral(HELMBOOK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("helmbook"));
}

} // namespace hb
