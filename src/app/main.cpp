#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogFiles.h"
#include "logdb/LogSession.h"
#include "logdb/dialogs/QtLogDialogs.h"
#include "machinery/StartingHours.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {

// Until the full main window arrives: a window showing the open log, with the log commands.
class LogWindow : public QMainWindow
{
public:
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (onClose)
            onClose();
        event->accept();
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Helmbook"));
    QApplication::setApplicationDisplayName(QStringLiteral("Helmbook"));
    QApplication::setApplicationVersion(QStringLiteral(HELMBOOK_VERSION));

    LogWindow window;
    hb::QtMessages messages(&window);
    QString folder;
    try {
        folder = hb::dataFolder();
    } catch (const hb::SettingsError& e) {
        messages.error(e.text());
        return 1;
    }
    if (const QString error = hb::installShippedData(folder, hb::shippedDataFolder());
        !error.isEmpty())
        messages.error(error);

    hb::IniFile settings(hb::settingsFilePath(folder));
    hb::QtFileDialogs files(&window);
    hb::QtLogDialogs dialogs(files, &window);
    hb::SystemClock clock;
    const hb::Formats formats;
    hb::LogSession session({messages, files, dialogs, clock, settings, formats}, folder);
    session.writeStartingHours = hb::writeStartingHours;

    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(24);
    window.setCentralWidget(label);
    window.resize(640, 360);
    auto showLog = [&] {
        window.setWindowTitle(session.caption());
        label->setText(session.isLogOpen() ? QStringLiteral("Log: %1").arg(session.currentPath())
                                           : QStringLiteral("No log is open."));
    };
    QObject::connect(&session, &hb::LogSession::logOpened, &window, showLog);
    QObject::connect(&session, &hb::LogSession::coverPageRequested, &window, showLog);
    QObject::connect(&session, &hb::LogSession::endProgram, &app,
                     [] { QTimer::singleShot(0, qApp, &QApplication::quit); });

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("New Log.."), &session, &hb::LogSession::New1Click);
    file->addAction(QStringLiteral("Open Log.."), &session, &hb::LogSession::Load1Click);
    file->addAction(QStringLiteral("Backup Log.."), &session, &hb::LogSession::backupCommand);
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), &window, &QWidget::close);
    QMenu* wizards = window.menuBar()->addMenu(QStringLiteral("&Wizards"));
    wizards->addAction(QStringLiteral("New Log Wizard.."), &session,
                       &hb::LogSession::CreateNewLog1Click);

    const int runCount =
        settings.IniRead(QStringLiteral("Backup"), QStringLiteral("runCount"), QStringLiteral("0"))
            .toInt();
    window.onClose = [&] {
        if (!session.endRequested())
            session.countQuitForBackup(runCount);
        session.closeLog();
    };

    if (!session.OpenDataBase() && session.endRequested())
        return 0;
    showLog();
    window.show();
    return QApplication::exec();
}
