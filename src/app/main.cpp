#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Helmbook"));
    QApplication::setApplicationDisplayName(QStringLiteral("Helmbook"));
    QApplication::setApplicationVersion(QStringLiteral(HELMBOOK_VERSION));

    QString logPath;
    try {
        const QString folder = hb::dataFolder();
        hb::IniFile settings(hb::settingsFilePath(folder));
        logPath = settings.peek(QStringLiteral("Paths"), QStringLiteral("DBPath"));
        if (logPath.isEmpty())
            logPath = QDir(folder).filePath(QStringLiteral("Example.mdb"));
    } catch (const hb::SettingsError& e) {
        logPath = e.text();
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Helmbook"));
    auto* label = new QLabel(QStringLiteral("Helmbook would open the log:\n%1").arg(logPath));
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(24);
    window.setCentralWidget(label);
    window.resize(640, 360);
    window.show();
    return QApplication::exec();
}
