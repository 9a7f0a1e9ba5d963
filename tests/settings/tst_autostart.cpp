#include "settings/Autostart.h"
#include "settings/IniFile.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace hb;
using Answer = Messages::Answer;

namespace {

// Also keeps the title each message was shown with.
class TitledMessages : public test::ScriptedMessages
{
public:
    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override
    {
        titles << title;
        return ScriptedMessages::show(kind, text, buttons, title);
    }
    QStringList titles;
};

const char* const Question =
    "Selecting this option will cause a small program to run each time your desktop is started "
    "up.  The program is small in size and will not display if there are no reminders to be "
    "shown. \r\n\r\nDo you want to implement this feature?";

// Sets an environment variable for the life of the object.
class EnvOverride
{
public:
    EnvOverride(const char* name, const QByteArray& value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvOverride() { qputenv(m_name, m_old); }

private:
    const char* m_name;
    QByteArray m_old;
};

} // namespace

class AutostartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void execArgumentIsQuoted_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/helmbook/bin/HBReminders"
                               << "\"/opt/helmbook/bin/HBReminders\"";
        QTest::newRow("blank") << "/home/sk ipper/HBReminders"
                               << "\"/home/sk ipper/HBReminders\"";
        QTest::newRow("quote") << "/a\"b/HBReminders"
                               << "\"/a\\\\\"b/HBReminders\"";
        QTest::newRow("dollar and backtick") << "/$x`/HBReminders"
                                             << "\"/\\\\$x\\\\`/HBReminders\"";
        QTest::newRow("backslash") << "/a\\b/HBReminders"
                                   << "\"/a\\\\\\\\b/HBReminders\"";
        QTest::newRow("percent") << "/100%/HBReminders"
                                 << "\"/100%%/HBReminders\"";
    }

    void execArgumentIsQuoted()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(desktopExecArgument(program), exec);
    }

    void yesWritesTheEntryAndNoRemovesIt()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Helmbk.ini")));
        TitledMessages messages;
        const QString entry =
            test::home().path() + QLatin1String("/.config/autostart/HBReminders.desktop");
        QCOMPARE(autostartEntryPath(), entry);
        QVERIFY(!remindersAtStartup(ini));
        QCOMPARE(ini.peek("Flags", "RemindSU"), QStringLiteral("N"));

        const QString appDir = QCoreApplication::applicationDirPath();
        QVERIFY2(!appDir.contains(QRegularExpression(QStringLiteral("[\"`$\\\\%]"))),
                 "the expected Exec line below assumes a plain build folder");
        messages.expect(Answer::Yes, QLatin1String(Question));
        QVERIFY(askRemindersAtStartup(messages, ini));
        QCOMPARE(messages.shown().front().kind, Messages::Kind::Information);
        QCOMPARE(messages.shown().front().buttons, Messages::Buttons::YesNo);
        QCOMPARE(messages.titles, QStringList{"Startup Reminders"});
        QCOMPARE(QString::fromUtf8(test::readFile(entry)),
                 QLatin1String("[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=HBReminders\n"
                               "Comment=Shows the Helmbook reminders that are due\n"
                               "Exec=\"") +
                     appDir +
                     QLatin1String("/HBReminders\"\n"
                                   "Terminal=false\n"
                                   "X-GNOME-Autostart-enabled=true\n"));
        QCOMPARE(ini.peek("Flags", "RemindSU"), QStringLiteral("Y"));
        QVERIFY(remindersAtStartup(ini));

        messages.expect(Answer::No, QLatin1String(Question));
        QVERIFY(!askRemindersAtStartup(messages, ini));
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(ini.peek("Flags", "RemindSU"), QStringLiteral("N"));

        // No again, with nothing left to remove.
        messages.expect(Answer::No, QLatin1String(Question));
        QVERIFY(!askRemindersAtStartup(messages, ini));
        QVERIFY(messages.allAnswered());
    }

    void entryFollowsXdgConfigHome()
    {
        QTemporaryDir config;
        const EnvOverride env("XDG_CONFIG_HOME", config.path().toUtf8());
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Helmbk.ini")));
        test::ScriptedMessages messages;
        messages.expect(Answer::Yes);
        QVERIFY(askRemindersAtStartup(messages, ini));
        QVERIFY(QFile::exists(config.filePath(QStringLiteral("autostart/HBReminders.desktop"))));
    }

    void entryThatCannotBeWrittenLeavesTheFlag()
    {
        QTemporaryDir config;
        const EnvOverride env("XDG_CONFIG_HOME", config.path().toUtf8());
        QFile blocker(config.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Helmbk.ini")));
        test::ScriptedMessages messages;
        messages.expect(Answer::Yes, QLatin1String(Question));
        messages.expect(Answer::Ok);
        QVERIFY(!askRemindersAtStartup(messages, ini));
        QCOMPARE(messages.shown().back().kind, Messages::Kind::Error);
        QCOMPARE(ini.peek("Flags", "RemindSU"), QStringLiteral("N"));
    }
};

HB_TEST_MAIN(AutostartTest)
#include "tst_autostart.moc"
