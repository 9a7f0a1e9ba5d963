#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace hb {

class FileDialogs;

// The dialogs of opening, creating and updating logs, behind one interface so the operations
// run (and are tested) without widgets. The on-screen versions live in logdb/dialogs.
class LogDialogs
{
public:
    virtual ~LogDialogs() = default;

    // "Missing Default Log" (TMisLogFrm): the path chosen with "Load", or empty for "Create
    // Blank Log" (and when the dialog loses the focus).
    virtual QString missingLog() = 0;

    // "Information!" (TNewLogDlg) before a new log; true when "Don't Show This Again" was
    // ticked.
    virtual bool newLogInformation() = 0;

    // "Important!" (TOLWDlg) before opening a log: OK or Cancel, and the "Don't Show This
    // Again" tick.
    struct OpenWarning
    {
        bool ok = false;
        bool dontShowAgain = false;
    };
    virtual OpenWarning openLogWarning() = 0;

    // "Create Log Wizard" (TWizForm). Empty when cancelled or no location was chosen.
    struct WizardChoice
    {
        QString location; // the file chosen with "Browse", ".mdb" appended as needed
        bool loadAfter = false;
        bool keepLookups = false;
        bool setupHours = false;
    };
    virtual std::optional<WizardChoice> newLogWizard() = 0;

    // "Log Database Structure Update" (TStructUpdate) showing the pending update's
    // description. `confirmSkip` asks the skip question and returns true when the user
    // really skips; the dialog stays open otherwise. Returns true for "Perform the Update".
    virtual bool structureUpdate(const QString& description,
                                 const std::function<bool()>& confirmSkip) = 0;

    // "GenSet/WM Starting Hours": the setting date and the hours typed (empty boxes empty),
    // or nothing when cancelled.
    struct StartingHours
    {
        QDate date;
        std::optional<double> gen1, gen2, waterMaker;
    };
    virtual std::optional<StartingHours> startingHours(const QDate& today) = 0;

    // The busy cursor, with the small borderless message window when `message` is given
    // ("Copying Lookup Tables", "Backing Up Log"). Calls nest: each busy(true) is matched by a
    // busy(false).
    virtual void busy(bool on, const QString& message = {}) = 0;
};

} // namespace hb
