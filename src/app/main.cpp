#include "app/Application.h"
#include "app/CoverPage.h"
#include "app/GuardedApplication.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "common/Clock.h"
#include "common/FileCopy.h"
#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/LogFiles.h"
#include "logdb/dialogs/QtLogDialogs.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QSplashScreen>

namespace {

QPixmap splashPicture()
{
    QPixmap pixmap = hb::CoverPage::builtInPicture(QSize(480, 300));
    QPainter p(&pixmap);
    QFont f = QApplication::font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 20, 480, 60), Qt::AlignCenter, QStringLiteral("Helmbook"));
    return pixmap;
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit makes a write fail with its reason instead of ending the program.
    hb::ignoreFileSizeLimitSignal();
    // Without HOME the account's home folder is used; without either, dataFolder() says so.
    hb::settleHomeFolder();
    hb::GuardedApplication app(argc, argv);
    hb::configureApplication();

    // A second start of the same program brings the first one forward and ends.
    hb::SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.claim()) {
        if (instance.error().isEmpty())
            return 0;
        hb::QtMessages().error(instance.error());
        return 1;
    }

    QSplashScreen splash(splashPicture());
    splash.show();
    app.processEvents();

    hb::QtMessages messages;
    QString folder;
    try {
        folder = hb::dataFolder();
    } catch (const hb::SettingsError& e) {
        messages.error(e.text());
        return 1;
    }
    if (const QString error = hb::installShippedData(folder, hb::shippedDataFolder());
        !error.isEmpty()) {
        messages.error(error);
        // Without its data folder there is nothing to work with.
        if (!QFileInfo(folder).isDir())
            return 1;
    }

    hb::IniFile settings(hb::settingsFilePath(folder));
    hb::QtFileDialogs files;
    hb::QtLogDialogs dialogs(files);
    hb::SystemClock clock;
    hb::DesktopShell shell;
    hb::MainWindow window({messages, files, dialogs, clock, shell}, settings, folder);
    dialogs.helpRequested = [&window](int) { window.showHelp(QStringLiteral("logs#wizard")); };

    // The splash goes before the log is opened, so the dialogs that may come are not hidden.
    splash.close();
    if (!window.start())
        return 0; // ended while opening the log: nothing to show
    window.show();
    QObject::connect(&instance, &hb::SingleInstance::raiseRequested, &window,
                     &hb::MainWindow::bringToFront);
    return QApplication::exec();
}
