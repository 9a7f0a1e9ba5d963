// Test helper: runs one log command of a session in a process of its own, so a test can kill it
// part-way or run it under resource limits. Every message is printed on a line of its own
// ("message: <text>", line breaks as "\n") and answered Yes / OK.
//
//   hb_sessionrunner newlog <data folder> <settings file> <target>
//       "New Log.." onto <target>, keeping the lookup lists; prints "replacing" when asked to
//       replace the target and "created" once the new log is open.
//   hb_sessionrunner backup <data folder> <settings file>
//       the backup offer for the configured log.

#include "../logdb/ScriptedLogDialogs.h"
#include "TestSupport.h"

#include "common/FileCopy.h"
#include "common/Formats.h"
#include "logdb/LogMessages.h"
#include "logdb/LogSession.h"
#include "settings/IniFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

class PrintedMessages : public hb::Messages
{
public:
    Answer show(Kind, const QString& text, Buttons buttons, const QString&) override
    {
        if (text.endsWith(QLatin1String("Do you want to replace it?")))
            say(QStringLiteral("replacing"));
        if (text == QLatin1String(hb::logmsg::StartingHoursQuestion))
            say(QStringLiteral("created"));
        QString shown = text;
        say(QStringLiteral("message: ") +
            shown.replace(QLatin1String("\r\n"), QLatin1String("\\n")));
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

} // namespace

int main(int argc, char** argv)
{
    // As the program does: a file-size limit fails the write instead of ending the process.
    hb::ignoreFileSizeLimitSignal();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    PrintedMessages messages;
    hb::test::ScriptedFileDialogs files;
    hb::test::ScriptedLogDialogs dialogs;
    dialogs.newLogDontShow = true;
    hb::test::FixedClock clock{QDateTime(QDate(2016, 12, 31), QTime(18, 0))};
    hb::Formats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    hb::IniFile settings(args.at(3));
    hb::LogSession session({messages, files, dialogs, clock, settings, formats}, args.at(2));
    if (!session.OpenDataBase())
        return 3;
    if (args.at(1) == QLatin1String("newlog") && args.size() == 5) {
        files.answer(args.at(4));
        session.New1Click();
    } else if (args.at(1) == QLatin1String("backup")) {
        session.backupOffer();
    } else {
        return 2;
    }
    return session.endRequested() ? 4 : 0;
}
