#pragma once

#include "logdb/LogDialogs.h"
#include "logdb/dialogs/BusyWindow.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace hb {

// The dialogs of opening, creating and updating logs on screen. Files are chosen through the
// given FileDialogs; the dialogs are modal to `parent`.
class QtLogDialogs : public LogDialogs
{
public:
    explicit QtLogDialogs(FileDialogs& files, QWidget* parent = nullptr);
    ~QtLogDialogs() override;

    QString missingLog() override;
    bool newLogInformation() override;
    OpenWarning openLogWarning() override;
    std::optional<WizardChoice> newLogWizard() override;
    bool structureUpdate(const QString& description,
                         const std::function<bool()>& confirmSkip) override;
    std::optional<StartingHours> startingHours(const QDate& today) override;
    void busy(bool on, const QString& message = {}) override;

    // Called with the help topic when a dialog's "Help" is pressed; unset means no help.
    std::function<void(int topic)> helpRequested;

private:
    FileDialogs& m_files;
    QWidget* m_parent;
    // One entry per busy(true) not yet matched: the window when that call had a message.
    std::vector<QPointer<BusyWindow>> m_busy;
};

} // namespace hb
