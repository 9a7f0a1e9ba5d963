#pragma once

#include "logdb/LogDialogs.h"

#include <QStringList>

#include <deque>

namespace hb::test {

// The log dialogs answered from a script; records which dialogs were shown.
class ScriptedLogDialogs : public LogDialogs
{
public:
    QStringList shown;
    QString missingLogAnswer;
    bool newLogDontShow = false;
    OpenWarning openWarningAnswer{true, false};
    std::optional<WizardChoice> wizardAnswer;
    // Answers to the update dialog in turn: true performs, false presses "Skip the Update"
    // (the dialog then stays up while the skip question is answered No).
    std::deque<bool> updateAnswers;
    QString updateDescription;
    std::optional<StartingHours> hoursAnswer;
    int busyDepth = 0;
    QStringList busyMessages;

    QString missingLog() override
    {
        shown << QStringLiteral("missingLog");
        return missingLogAnswer;
    }
    bool newLogInformation() override
    {
        shown << QStringLiteral("newLogInformation");
        return newLogDontShow;
    }
    OpenWarning openLogWarning() override
    {
        shown << QStringLiteral("openLogWarning");
        return openWarningAnswer;
    }
    std::optional<WizardChoice> newLogWizard() override
    {
        shown << QStringLiteral("newLogWizard");
        return wizardAnswer;
    }
    bool structureUpdate(const QString& description,
                         const std::function<bool()>& confirmSkip) override
    {
        shown << QStringLiteral("structureUpdate");
        updateDescription = description;
        while (!updateAnswers.empty()) {
            const bool perform = updateAnswers.front();
            updateAnswers.pop_front();
            if (perform)
                return true;
            if (confirmSkip())
                return false;
        }
        return false;
    }
    std::optional<StartingHours> startingHours(const QDate&) override
    {
        shown << QStringLiteral("startingHours");
        return hoursAnswer;
    }
    void busy(bool on, const QString& message) override
    {
        busyDepth += on ? 1 : -1;
        if (on && !message.isEmpty())
            busyMessages << message;
    }
};

} // namespace hb::test
