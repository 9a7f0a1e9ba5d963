#include "../logdb/ScriptedLogDialogs.h"
#include "../pages/PageFixture.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/PlaceholderPage.h"
#include "app/SingleInstance.h"
#include "logdb/LogFiles.h"
#include "logdb/LogSession.h"
#include "nav/TripPage.h"
#include "pages/LogPage.h"
#include "settings/Autostart.h"
#include "settings/DisplayPrefs.h"
#include "settings/IniFile.h"
#include "settings/PreferencesBackup.h"
#include "settings/PreferencesPanel.h"
#include "settings/WindowState.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>

#include <unistd.h>

using namespace hb;
using Answer = Messages::Answer;
using test::ShownMessage;

namespace {

// The environment of the real program on a temporary home.
QProcessEnvironment programEnvironment(const QString& home, const QString& runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

// A data folder with the shipped files, a settings file and the main window on them.
struct Fixture
{
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("data"));
    test::ScriptedMessages messages;
    test::ScriptedFileDialogs files;
    test::ScriptedLogDialogs dialogs;
    test::FixedClock clock{QDateTime(QDate(2016, 12, 31), QTime(18, 0))};
    test::RecordingShell shell;
    test::ScriptedSearch search;
    std::unique_ptr<IniFile> settings;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(const QByteArray& ini = {}, bool keepWindowState = false)
    {
        if (!keepWindowState)
            windowStateStore()->clear();
        const QString error = installShippedData(data, QStringLiteral(HELMBOOK_SHARE_DIR));
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        if (!ini.isEmpty()) {
            QFile f(data + QStringLiteral("/Helmbk.ini"));
            f.open(QIODevice::WriteOnly);
            f.write(ini);
        }
        settings = std::make_unique<IniFile>(data + QStringLiteral("/Helmbk.ini"));
        window = std::make_unique<MainWindow>(
            MainWindow::Services{messages, files, dialogs, clock, shell, &search}, *settings, data);
        window->quitOnClose = false;
    }
    QString ini(const char* section, const char* key) { return settings->peek(section, key); }
    void trigger(const char* name)
    {
        QAction* a = window->action(QString::fromLatin1(name));
        QVERIFY2(a, name);
        a->trigger();
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartWritesItsSettings()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->windowTitle(), QString("Helmbook - Example"));
        QCOMPARE(f.window->currentPage(), Page::Helmbk);
        QCOMPARE(f.ini("Paths", "DBPath"), f.data + "/Example.mdb");
        QCOMPARE(f.ini("Paths", "backupPath"), f.data + "/");
        QCOMPARE(f.ini("Flags", "AppCheck"), QString("N"));
        QCOMPARE(f.ini("Flags", "RemindSU"), QString("N"));
        QCOMPARE(f.ini("Backup", "runCount"), QString("0"));
        QCOMPARE(f.ini("FormInfo", "RemindFlag"), QString("True"));
        QVERIFY(f.settings->contains("Paths", "SplashPath"));
        QVERIFY(f.window->action("AutoCheckOff1")->isChecked());
        QVERIFY(!f.window->action("AutoCheckOn1")->isChecked());
        QVERIFY(!f.window->action("SearchBtn")->isVisible());
        QVERIFY(f.messages.shown().empty());
    }

    void reminderCheckFollowsTheFlag_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("runs");
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("-1") << QByteArray("-1") << true;
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("False") << QByteArray("False") << false;
    }
    void reminderCheckFollowsTheFlag()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, runs);
        Fixture f("[FormInfo]\nRemindFlag=" + flag + "\n");
        int checks = 0;
        f.window->startupAlertCheck = [&] { ++checks; };
        QVERIFY(f.window->start());
        QCOMPARE(checks, runs ? 1 : 0);
    }

    void everyPageIsReachable()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        const std::pair<const char*, Page> routes[] = {
            {"TripBtn", Page::TripTab},
            {"MaintBtn", Page::MaintTab},
            {"FuelBtn", Page::FuelTab},
            {"InvBtn", Page::InvTab},
            {"ProjBtn", Page::ProjTab},
            {"PeopleBtn", Page::ContactTab},
            {"ShopBtn", Page::ShopList},
            {"RemindBtn", Page::Reminders},
            {"ExpenseBtn", Page::Expense},
            {"LogsTrip", Page::TripTab},
            {"LogsFuel", Page::FuelTab},
            {"LogsMaintenance", Page::MaintTab},
            {"LogsProjects", Page::ProjTab},
            {"LogsInventory", Page::InvTab},
            {"LogsContacts", Page::ContactTab},
            {"LogsReminders", Page::Reminders},
            {"LogsShoppingList", Page::ShopList},
            {"LogsExpense", Page::Expense},
            {"ExportLogs1", Page::ExportLog},
            {"Preferences1", Page::Setup},
            {"Setup1", Page::Setup},
            {"HomeBtn", Page::Helmbk},
        };
        QSet<Page> reached;
        for (const auto& [name, page] : routes) {
            f.trigger(name);
            QCOMPARE(f.window->currentPage(), page);
            reached << page;
        }
        QCOMPARE(f.window->statusText(), QString("Helmbook"));
        // The pages reached from other pages' buttons.
        for (const Page from : {Page::TripTab, Page::MaintTab, Page::InvTab, Page::ContactTab}) {
            // A built page names its buttons to other pages; a page to come has only those.
            QList<QPushButton*> buttons;
            if (auto* page = qobject_cast<LogPage*>(f.window->pageWidget(from))) {
                for (const auto& [to, button] : page->pageButtons())
                    buttons << button;
                if (auto* trip = qobject_cast<TripPage*>(page)) {
                    for (const auto& lead : trip->leadButtons())
                        buttons << lead.second;
                }
            } else {
                buttons = f.window->pageWidget(from)->findChildren<QPushButton*>();
            }
            for (QPushButton* b : buttons) {
                if (b->objectName() == "GenLog" || b->objectName() == "WMLog")
                    continue; // windows of their own, not pages
                f.window->showPage(from);
                b->click();
                reached << f.window->currentPage();
            }
        }
        for (const PageInfo& info : pageTable())
            QVERIFY2(reached.contains(info.page), info.name);
        // A page not built yet says so plainly.
        f.window->showPage(Page::FuelTab);
        auto* fuel = f.window->pageWidget(Page::FuelTab);
        QCOMPARE(fuel->findChild<QLabel*>("PageCaption")->text(), QString("Fuel Log"));
        QVERIFY(fuel->findChild<QLabel*>("LaterLine")->text().contains("later version"));
        QCOMPARE(f.window->statusText(),
                 QString("The fuel log keeps track of fuel usage and calculates fuel economy."));
    }

    // Screen readers and UI robots find every control of every page by its name.
    void everyControlHasAName()
    {
        Fixture f;
        QVERIFY(f.window->start());
        QStringList unnamed;
        for (const PageInfo& info : pageTable()) {
            QWidget* page = f.window->pageWidget(info.page);
            for (QWidget* w : page->findChildren<QWidget*>()) {
                const bool control =
                    qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                    qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                    qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractItemView*>(w);
                // Parts of a compound control (the line edit of a spin box or drop-down, the
                // views inside a combo box's popup, a list's headers) are named through it.
                QWidget* parent = w->parentWidget();
                const bool part = parent && (qobject_cast<QAbstractSpinBox*>(parent) ||
                                             qobject_cast<QAbstractItemView*>(parent) ||
                                             qobject_cast<QComboBox*>(parent) ||
                                             parent->inherits("QComboBoxPrivateContainer"));
                if (control && !part && w->accessibleName().isEmpty() &&
                    !(qobject_cast<QAbstractButton*>(w) &&
                      !qobject_cast<QAbstractButton*>(w)->text().isEmpty()))
                    unnamed << QString::fromLatin1(info.name) + u'/' +
                                   w->metaObject()->className() + u'/' + w->objectName();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
    }

    void reactivationReopensTheLog()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        LogSession& session = f.window->session();
        QSignalSpy opened(&session, &LogSession::logOpened);
        session.clearLogOpen(); // as when a dialog has closed
        f.window->showPage(Page::TripTab);
        QVERIFY(session.isLogOpen());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(session.boatInfo().text("VesName"), QString("Example"));
        f.window->showPage(Page::FuelTab); // open: not read again
        QCOMPARE(opened.count(), 1);
    }

    // Leaving a page with an unsaved row asks before the log is opened again (which closes
    // every record set); a save that fails keeps the page.
    void leaveStepComesBeforeReopening()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        f.window->showPage(Page::Waypoints);
        auto* page = dynamic_cast<LogPage*>(f.window->hostedPage(Page::Waypoints));
        QVERIFY(page);
        const int before = page->query().recordCount();
        const QString question = LogPage::leaveQuestion("WP");
        auto addRow = [&](const QString& name) {
            page->findChild<QPushButton*>("New")->click();
            auto* edit = page->findChild<QLineEdit*>("WPName");
            edit->setFocus();
            QTest::keyClicks(edit, name);
            f.window->session().clearLogOpen(); // as when a dialog has closed
        };
        addRow("Kept");
        f.messages.expect(Answer::Yes, question);
        f.trigger("ProjBtn");
        QCOMPARE(f.window->currentPage(), Page::ProjTab);
        f.window->showPage(Page::Waypoints);
        QCOMPARE(page->query().recordCount(), before + 1);
        addRow("Dropped");
        f.messages.expect(Answer::No, question);
        f.trigger("HomeBtn");
        QCOMPARE(f.window->currentPage(), Page::Helmbk);
        f.window->showPage(Page::Waypoints);
        QCOMPARE(page->query().recordCount(), before + 1);
        addRow("Refused");
        page->findChild<QLineEdit*>("WPLatt")->setText("95 00 N");
        f.messages.expect(Answer::Yes, question);
        f.messages.expect(Answer::Ok); // the latitude is refused
        f.trigger("FuelBtn");
        QCOMPARE(f.window->currentPage(), Page::Waypoints);
        QVERIFY(page->editing());
        QCOMPARE(page->findChild<QLineEdit*>("WPName")->text(), QString("Refused"));
        // Quitting asks too.
        f.messages.expect(Answer::No, question);
        f.window->close();
        QVERIFY(!page->editing());
        QVERIFY(f.messages.allAnswered());
    }

    // While a search is active no page can be left, not even for the preferences.
    void searchRuleHoldsThePage()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        f.trigger("ProjBtn");
        QVERIFY(f.window->action("SearchBtn")->isVisible());
        QVERIFY(f.window->action("Search1")->isEnabled());
        f.search.answers.push_back(test::criteria({"NO SUCH PROJECT"}));
        f.messages.expect(Answer::Ok, "No records match that criteria!");
        f.trigger("Search1");
        QVERIFY(f.window->searchActive());
        QVERIFY(f.window->action("CancelSearchBtn")->isVisible());
        QVERIFY(!f.window->action("Search1")->isEnabled());
        for (const char* command : {"TripBtn", "Setup1", "Preferences1", "HomeBtn", "Load1"}) {
            f.messages.expect(Answer::Ok, MainWindow::SearchRuleText);
            f.trigger(command);
            QCOMPARE(f.window->currentPage(), Page::ProjTab);
        }
        f.messages.expect(Answer::Ok, "Now showing ALL records, editing is enabled!");
        f.trigger("CancelSearchBtn");
        QVERIFY(!f.window->searchActive());
        f.trigger("HomeBtn"); // a page without search withdraws it
        QCOMPARE(f.window->currentPage(), Page::Helmbk);
        QVERIFY(!f.window->action("SearchBtn")->isVisible());
        QVERIFY(f.messages.allAnswered());
    }

    void ninthQuitOffersABackup()
    {
        Fixture f("[Backup]\nrunCount=8\n[AutoLogON]\nTurnBkOn=True\nIsOn=True\n");
        QVERIFY(f.window->start());
        f.window->show();
        f.messages.expect(Answer::Yes); // back up now
        f.trigger("Quit1");
        QVERIFY(f.messages.allAnswered());
        QVERIFY(f.messages.texts().front().startsWith("Would you like to backup your log"));
        QCOMPARE(f.ini("Backup", "runCount"), QString("0"));
        QVERIFY(QFile::exists(f.data + "/ExampleBU12312016.mdb"));
        QCOMPARE(f.ini("AutoLogON", "TurnBkOn"), QString("False"));
        QCOMPARE(f.ini("AutoLogON", "IsOn"), QString("False"));
        QCOMPARE(f.ini("DistanceRun", "DoDistRun"), QString("False"));
        QCOMPARE(f.settings->keys("AutoLogON"), QStringList({"TurnBkOn", "IsOn"}));
        QVERIFY(!f.window->session().isLogOpen());
    }

    void backupCommandStartsTheQuitCountAgain()
    {
        Fixture f("[Backup]\nrunCount=8\n");
        QVERIFY(f.window->start());
        f.window->show();
        f.messages.expect(Answer::Yes); // back up now
        f.trigger("SaveAs1");
        QCOMPARE(f.ini("Backup", "runCount"), QString("0"));
        f.trigger("Quit1"); // no offer: the count starts again
        QCOMPARE(f.ini("Backup", "runCount"), QString("1"));
        QVERIFY(f.messages.allAnswered());
    }

    void endingWhileStartingShowsNothing()
    {
        Fixture f;
        QFile::remove(f.data + "/ProgStruct.mdb");
        f.messages.expect(Answer::Ok); // the structure database is gone
        QVERIFY(!f.window->start());
        QVERIFY(f.window->session().endRequested());
        QVERIFY(!f.window->isVisible());
    }

    void commandsOfTheHelpMenu()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        f.trigger("AutoCheckOn1");
        QCOMPARE(f.ini("Flags", "AppCheck"), QString("Y"));
        QCOMPARE(f.ini("AppDate", "Date"), QString("12/31/2016"));
        QVERIFY(f.window->action("AutoCheckOn1")->isChecked());
        QVERIFY(!f.window->action("AutoCheckOff1")->isChecked());
        f.trigger("AutoCheckOff1");
        QCOMPARE(f.ini("Flags", "AppCheck"), QString("N"));
        f.messages.expect(Answer::Ok);
        f.trigger("CheckUpdates1");
        QVERIFY(f.messages.texts().last().contains("package manager"));
        f.messages.expect(Answer::Ok);
        f.trigger("About1");
        QVERIFY(f.messages.texts().last().startsWith("Helmbook"));
        // The import program is not installed beside the test.
        f.messages.expect(Answer::Ok);
        f.trigger("Import1");
        QVERIFY(f.messages.texts().last().contains("ImportData"));
        QVERIFY(f.shell.started.isEmpty());
    }

    void displayPreferencesShowAndHideButtons()
    {
        {
            Fixture f;
            QVERIFY(f.window->start());
            f.window->show();
            PreferencesPanel& prefs = f.window->preferences();
            prefs.setTicked(DisplayKey::Battery, false);
            prefs.setTicked(DisplayKey::TripLogGroup, false);
            QVERIFY(!f.window->action("TripBtn")->isVisible());
            for (const QString& member : displayGroupMembers(DisplayKey::TripLogGroup)) {
                QVERIFY(!prefs.isEnabled(member));
                QCOMPARE(prefs.isTicked(member), member != DisplayKey::Battery);
            }
            auto* trip = f.window->pageWidget(Page::TripTab);
            QVERIFY(trip->findChild<QPushButton*>("Battery")->isHidden());
            QVERIFY(!trip->findChild<QPushButton*>("WatchMan")->isHidden());
            // Built pages' buttons to other pages follow the preferences too.
            prefs.setTicked(DisplayKey::Books, false);
            auto* charts = f.window->pageWidget(Page::Charts);
            QVERIFY(charts->findChild<QPushButton*>("Book Log")->isHidden());
            QVERIFY(!charts->findChild<QPushButton*>("Galley Log")->isHidden());
            prefs.setTicked(DisplayKey::FuelTab, false);
            QVERIFY(!f.window->action("FuelBtn")->isVisible());
            // A page hidden from the tool bar stays reachable from the "Logs" menu.
            f.trigger("LogsFuel");
            QCOMPARE(f.window->currentPage(), Page::FuelTab);
        }
        // The next start shows the window as it was left.
        Fixture again({}, true);
        QVERIFY(again.window->start());
        again.window->show();
        QVERIFY(!again.window->action("TripBtn")->isVisible());
        QVERIFY(!again.window->action("FuelBtn")->isVisible());
        QVERIFY(again.window->action("MaintBtn")->isVisible());
        QVERIFY(!again.window->preferences().isTicked(DisplayKey::Battery));
        QVERIFY(!again.window->preferences().isEnabled(DisplayKey::WatchMan));
    }

    void saveAndRestorePreferences()
    {
        Fixture f;
        QFile::remove(preferencesBackupPath());
        QVERIFY(f.window->start());
        f.window->show();
        QVERIFY(!f.window->action("RestorePrefs1")->isEnabled());
        f.messages.expect(Answer::Ok, "Your preferences have been saved!");
        f.trigger("SavePrefs1");
        QVERIFY(f.window->action("RestorePrefs1")->isEnabled());
        f.window->preferences().setTicked(DisplayKey::ShopList, false);
        f.settings->IniWrite("Paths", "picDocPath", "/elsewhere");
        f.messages.expect(Answer::Ok, "Your preferences have been restored!");
        f.trigger("RestorePrefs1");
        QVERIFY(f.window->action("ShopBtn")->isVisible());
        QCOMPARE(f.ini("Paths", "picDocPath"), QString());
        // The backup has gone since: the error, and the command is disabled.
        QFile::remove(preferencesBackupPath());
        f.messages.expect(Answer::Ok,
                          "Error trying to restore preferences, the file may be currently in use!");
        f.trigger("RestorePrefs1");
        QVERIFY(!f.window->action("RestorePrefs1")->isEnabled());
    }

    void remindersAtStartupRegistersTheProgram()
    {
        Fixture f;
        QVERIFY(f.window->start());
        f.window->show();
        f.messages.expect(Answer::Yes);
        f.trigger("RemindersSU1");
        QVERIFY(f.window->action("RemindersSU1")->isChecked());
        QCOMPARE(f.ini("Flags", "RemindSU"), QString("Y"));
        QFile entry(autostartEntryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("HBReminders"));
        entry.close();
        f.messages.expect(Answer::No);
        f.trigger("RemindersSU1");
        QVERIFY(!f.window->action("RemindersSU1")->isChecked());
        QCOMPARE(f.ini("Flags", "RemindSU"), QString("N"));
        QVERIFY(!QFile::exists(autostartEntryPath()));
    }

    void captionsAreTheWindowsOwn()
    {
        // With a display name set, the toolkit adds " — Helmbook" to every caption a window
        // manager shows; the program sets none, so the display name follows the plain name.
        configureApplication();
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Helmbook"));
        QCoreApplication::setApplicationName("probe");
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("probe"));
        QCoreApplication::setApplicationName("Helmbook");
    }

    void settingsProblemsAreToldOnce()
    {
        // A damaged settings file is moved aside when first written: one error naming it,
        // however many settings are written afterwards.
        Fixture f;
        test::writeFile(f.data + "/Helmbk.ini", QByteArray("\0\1\2 not settings", 17));
        f.messages.expect(Answer::Ok);
        QVERIFY(f.window->start());
        f.window->show();
        f.messages.expect(Answer::No); // no backup now: the quit count is written again
        f.window->backup();
        QCOMPARE(f.messages.shown().size(), size_t(2));
        const ShownMessage& told = f.messages.shown().front();
        QCOMPARE(told.kind, Messages::Kind::Error);
        QVERIFY2(told.text.contains(f.data + "/Helmbk.ini\"") && told.text.contains("moved aside"),
                 qPrintable(told.text));
        QVERIFY(QFile::exists(f.data + "/Helmbk.ini.damaged"));
    }

    void oneInstancePerUserAndProgram()
    {
        // In one process: the second claim of the same program tells the first.
        SingleInstance first(QStringLiteral("/opt/a/bin/helmbook"));
        QVERIFY(first.claim());
        QVERIFY(first.serverName().startsWith(test::home().path() + "/.runtime/helmbook-"));
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(QStringLiteral("/opt/a/bin/helmbook"));
        QVERIFY(!second.claim());
        QVERIFY(raised.wait(2000));
        // Another installed copy runs side by side.
        SingleInstance other(QStringLiteral("/opt/b/bin/helmbook"));
        QVERIFY(other.claim());
        // So does the same program of another user (a runtime folder of its own).
        QTemporaryDir otherUser;
        QFile::setPermissions(otherUser.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SingleInstance secondUser(QStringLiteral("/opt/a/bin/helmbook"), otherUser.path());
        QVERIFY2(secondUser.claim(), qPrintable(secondUser.error()));
        QCOMPARE(raised.count(), 1);
    }

    void runtimeFolderIsTheUsersOwn()
    {
        // A runtime folder others may enter is not used: a private one of the user's own in the
        // temporary folder takes its place.
        QTemporaryDir tmp, shared;
        QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::ExeOther);
        const QByteArray savedTmp = qgetenv("TMPDIR"), savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", tmp.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", shared.path().toUtf8());
        const QString folder = SingleInstance::runtimeFolder();
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("TMPDIR", savedTmp);
        QCOMPARE(folder, tmp.path() + QString("/helmbook-%1").arg(::geteuid()));
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFile::Permissions());
    }

    void staleSocketOfAKilledInstanceIsTakenOver()
    {
        QTemporaryDir home, runtime;
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess killed;
        killed.setProcessEnvironment(programEnvironment(home.path(), runtime.path()));
        killed.start(QStringLiteral(HELMBOOK_PROGRAM), {});
        QVERIFY(killed.waitForStarted());
        SingleInstance next(QStringLiteral(HELMBOOK_PROGRAM), runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(next.serverName()), 20000);
        killed.kill(); // SIGKILL: the socket stays behind
        QVERIFY(killed.waitForFinished());
        QVERIFY(QFile::exists(next.serverName()));
        QVERIFY2(next.claim(), qPrintable(next.error()));
    }

    void secondStartEndsAtOnce()
    {
        // Two real processes of the program on a temporary home whose data folder was made,
        // empty, by an earlier start that was killed: the shipped files are copied into it.
        QTemporaryDir home;
        const QString data = home.path() + "/Documents/Kelvane Software/helmbook";
        QVERIFY(QDir().mkpath(data));
        const QProcessEnvironment env =
            programEnvironment(home.path(), test::home().path() + "/.runtime");
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(HELMBOOK_PROGRAM), {});
        QVERIFY(first.waitForStarted());
        // Wait until the first one has opened the example log.
        IniFile ini(data + "/Helmbk.ini");
        QTRY_COMPARE_WITH_TIMEOUT(ini.peek("Paths", "DBPath"), data + "/Example.mdb", 20000);
        QVERIFY(QFile::exists(data + "/ProgStruct.mdb"));
        QTest::qWait(500);
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(HELMBOOK_PROGRAM), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        if (!first.waitForFinished(5000))
            first.kill();
    }
};

HB_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
