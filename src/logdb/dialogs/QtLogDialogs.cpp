#include "logdb/dialogs/QtLogDialogs.h"

#include "logdb/dialogs/MissingLogDialog.h"
#include "logdb/dialogs/NewLogWizard.h"
#include "logdb/dialogs/NoticeDialog.h"
#include "logdb/dialogs/StartingHoursDialog.h"
#include "logdb/dialogs/StructureUpdateDialog.h"

#include <QApplication>

namespace hb {

QtLogDialogs::QtLogDialogs(FileDialogs& files, QWidget* parent) : m_files(files), m_parent(parent)
{}

QtLogDialogs::~QtLogDialogs()
{
    while (!m_busy.empty())
        busy(false);
}

QString QtLogDialogs::missingLog()
{
    MissingLogDialog dialog(m_files, m_parent);
    dialog.exec();
    return dialog.chosenPath();
}

bool QtLogDialogs::newLogInformation()
{
    NoticeDialog dialog(NoticeDialog::Kind::NewLogInformation, m_parent);
    dialog.exec();
    return dialog.dontShowAgain();
}

LogDialogs::OpenWarning QtLogDialogs::openLogWarning()
{
    NoticeDialog dialog(NoticeDialog::Kind::OpenLogWarning, m_parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    return {ok, dialog.dontShowAgain()};
}

std::optional<LogDialogs::WizardChoice> QtLogDialogs::newLogWizard()
{
    NewLogWizard wizard(
        m_files,
        [this](int topic) {
            if (helpRequested)
                helpRequested(topic);
        },
        m_parent);
    if (wizard.exec() != QDialog::Accepted || wizard.location().isEmpty())
        return std::nullopt;
    return WizardChoice{wizard.location(), wizard.loadAfter(), wizard.keepLookups(),
                        wizard.setupHours()};
}

bool QtLogDialogs::structureUpdate(const QString& description,
                                   const std::function<bool()>& confirmSkip)
{
    StructureUpdateDialog dialog(description, confirmSkip, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<LogDialogs::StartingHours> QtLogDialogs::startingHours(const QDate& today)
{
    StartingHoursDialog dialog(today, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return StartingHours{dialog.date(), dialog.gen1(), dialog.gen2(), dialog.waterMaker()};
}

void QtLogDialogs::busy(bool on, const QString& message)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        BusyWindow* window = nullptr;
        if (!message.isEmpty()) {
            window = new BusyWindow(message, m_parent);
            window->showNow();
        }
        m_busy.emplace_back(window);
        return;
    }
    if (m_busy.empty())
        return;
    delete m_busy.back().data();
    m_busy.pop_back();
    QApplication::restoreOverrideCursor();
}

} // namespace hb
