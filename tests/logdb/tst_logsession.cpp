#include "ScriptedLogDialogs.h"
#include "TestSupport.h"

#include "common/Formats.h"
#include "logdb/AggQuery.h"
#include "logdb/CreateLog.h"
#include "logdb/LogError.h"
#include "logdb/LogFiles.h"
#include "logdb/LogMessages.h"
#include "logdb/LogSession.h"
#include "logdb/ProgStruct.h"
#include "machinery/StartingHours.h"
#include "settings/IniFile.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace hb;
using Answer = Messages::Answer;

namespace {

QByteArray digest(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

qint64 count(const QString& path, const QString& sql)
{
    LogConnection log;
    log.open(path, LogConnection::Mode::ReadOnly);
    return AggQuery(log, sql).integer(QStringLiteral("n"));
}

// Builds a log of an older structure from its SQL script.
void makeOldLog(const QString& path)
{
    QFile script(QStringLiteral(HB_TEST_DATA "/log-v47.sql"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QCOMPARE(CreateAccessDatabase(path), QString());
    LogConnection log;
    log.open(path);
    for (const QString& statement :
         QString::fromUtf8(script.readAll()).split(QStringLiteral(";\n"))) {
        QString sql;
        for (const QString& line : statement.split(u'\n')) {
            if (!line.startsWith(QLatin1String("--")))
                sql += line + u'\n';
        }
        if (!sql.trimmed().isEmpty())
            log.exec(sql);
    }
}

// The tables of a log with their columns, in a form that compares equal for equal structures.
QStringList structureOf(const QString& path)
{
    LogConnection log;
    log.open(path, LogConnection::Mode::ReadOnly);
    QStringList out;
    for (const QString& table : log.tableNames()) {
        if (table != QLatin1String("sqlite_sequence"))
            out << table + QLatin1String(": ") +
                       log.catalogueColumns(table).join(QLatin1String(", "));
    }
    out.sort();
    return out;
}

// A settings file naming the log to open (and the backup folder).
QString settingsFor(const QString& path, const QString& log, const QString& backups = {})
{
    test::writeFile(path,
                    QString("[Paths]\nDBPath=%1\nbackupPath=%2\n").arg(log, backups).toUtf8());
    return path;
}

// Reads the session runner's output up to a line, or until it ends; the lines read.
QStringList readUntil(QProcess& runner, const QByteArray& line)
{
    QStringList lines;
    while (runner.state() == QProcess::Running || runner.canReadLine()) {
        if (!runner.canReadLine() && !runner.waitForReadyRead(30000))
            break;
        while (runner.canReadLine()) {
            const QByteArray read = runner.readLine().trimmed();
            lines << QString::fromUtf8(read);
            if (read == line)
                return lines;
        }
    }
    return lines;
}

// A data folder with the shipped files, a settings file and a session on them.
struct Fixture
{
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("data"));
    test::ScriptedMessages messages;
    test::ScriptedFileDialogs files;
    test::ScriptedLogDialogs dialogs;
    test::FixedClock clock{QDateTime(QDate(2016, 12, 31), QTime(18, 0))};
    Formats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    IniFile settings{dir.filePath(QStringLiteral("Helmbk.ini"))};
    std::unique_ptr<LogSession> session;

    Fixture()
    {
        const QString error = installShippedData(data, QStringLiteral(HELMBOOK_SHARE_DIR));
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        session = std::make_unique<LogSession>(
            LogSession::Services{messages, files, dialogs, clock, settings, formats}, data);
        session->writeStartingHours = writeStartingHours;
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    QString example() const { return data + QStringLiteral("/Example.mdb"); }
    QString dbPath() { return settings.peek(QStringLiteral("Paths"), QStringLiteral("DBPath")); }
};

const int CurrentVersion = 51;

} // namespace

class LogSessionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileNames()
    {
        QCOMPARE(withMdbExtension("log"), QString("log.mdb"));
        QCOMPARE(withMdbExtension("log.mdb"), QString("log.mdb"));
        QCOMPARE(withMdbExtension("LOG.MDB"), QString("LOG.MDB.mdb"));
        QCOMPARE(withMdbExtension("my.log"), QString("my.log.mdb"));
        QCOMPARE(logDisplayName("/boats/Vezeriz.2016.mdb"), QString("Vezeriz"));
        QCOMPARE(updateBackupName("/boats/Vezeriz.mdb", 3),
                 QString("/boats/Vezeriz-DBVersion3_BU.mdb"));
        const QDate day(2016, 12, 31);
        QCOMPARE(backupName("/backups", "/boats/Vezeriz.mdb", day),
                 QString("/backups/VezerizBU12312016.mdb"));
        QCOMPARE(backupName("/backups/", "/boats/Vezeriz.mdb", day),
                 QString("/backups/VezerizBU12312016.mdb"));
        QCOMPARE(backupName("", "/boats/Vezeriz.mdb", day),
                 QString("/boats/VezerizBU12312016.mdb"));
        QCOMPARE(backupName("/", "/boats/Vezeriz.mdb", QDate(2017, 1, 2)),
                 QString("/VezerizBU01022017.mdb"));
    }

    void firstStartAdoptsTheExampleLog()
    {
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        QVERIFY(f.session->isLogOpen());
        QCOMPARE(f.dbPath(), f.example());
        QCOMPARE(f.settings.peek("Paths", "backupPath"), f.data + "/");
        QCOMPARE(f.session->caption(), QString("Helmbook - Example"));
        QCOMPARE(f.session->boatInfo().integer("Prog_Version"), CurrentVersion);
        QCOMPARE(f.session->boatInfo().text("VesName"), QString("Example"));
        QCOMPARE(count(f.example(), "select count(*) as n from Exp_PayTypes"), 6);
        // Opening the same log again is fine.
        QVERIFY(f.session->OpenDataBase());
        QVERIFY(f.messages.shown().empty());

        // The structure database gone while the program runs: it ends.
        QFile::remove(f.data + "/ProgStruct.mdb");
        f.messages.expect(Answer::Ok, logmsg::NoProgStruct);
        QVERIFY(!f.session->OpenDataBase());
        QVERIFY(f.session->endRequested());
    }

    void shippedFilesAreInstalledWhenMissing_data()
    {
        QTest::addColumn<QString>("before"); // what is in the data folder's place
        QTest::newRow("no folder yet") << "";
        QTest::newRow("empty folder (a first start killed half-way)") << "folder";
        QTest::newRow("the user's own example log") << "own example";
        QTest::newRow("a file where the folder should be") << "file";
    }
    void shippedFilesAreInstalledWhenMissing()
    {
        QFETCH(QString, before);
        QTemporaryDir dir;
        const QString data = dir.filePath("Kelvane Software/helmbook");
        const QString shipped = QStringLiteral(HELMBOOK_SHARE_DIR);
        QDir().mkpath(dir.filePath("Kelvane Software"));
        if (before == "folder" || before == "own example")
            QVERIFY(QDir().mkpath(data));
        if (before == "own example")
            test::writeFile(data + "/Example.mdb", "the user's log");
        if (before == "file")
            test::writeFile(data, "notes");

        const QString error = installShippedData(data, shipped);
        if (before == "file") {
            QCOMPARE(error, QString("The folder \"%1\" cannot be created: a file of that name is "
                                    "in the way. Move or rename that file, then start Helmbook "
                                    "again.")
                                .arg(data));
            QCOMPARE(test::readFile(data), QByteArray("notes"));
            return;
        }
        QCOMPARE(error, QString());
        QCOMPARE(digest(data + "/ProgStruct.mdb"), digest(shipped + "/ProgStruct.mdb"));
        // A file the user has under the name stays as it is.
        QCOMPARE(test::readFile(data + "/Example.mdb"),
                 before == "own example" ? QByteArray("the user's log")
                                         : test::readFile(shipped + "/Example.mdb"));
        QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Example.mdb", "ProgStruct.mdb"}));
    }

    void missingLogs()
    {
        // No configured log and no example: the missing-log dialog, then the blank-log
        // question; Yes creates a blank example log and opens it.
        Fixture f;
        QFile::remove(f.example());
        f.messages.expect(Answer::Yes, logmsg::BlankLogQuestion);
        QVERIFY(f.session->OpenDataBase());
        QCOMPARE(f.dialogs.shown, QStringList{"missingLog"});
        QCOMPARE(count(f.example(),
                       "select count(*) as n from BoatInfo where Prog_Version = 51 and StHrs1 = 0"),
                 1);
        QCOMPARE(count(f.example(),
                       "select count(*) as n from Cruises where CruiseName = 'All Cruises' "
                       "and CruiseNum = 0 and BegDate = '2016-12-31'"),
                 1);

        // A log chosen in the dialog is configured and opened; No to the question ends.
        Fixture g;
        QFile::remove(g.example());
        g.dialogs.missingLogAnswer = f.example();
        QVERIFY(g.session->OpenDataBase());
        QCOMPARE(g.dbPath(), f.example());
        Fixture h;
        QFile::remove(h.example());
        h.messages.expect(Answer::No, logmsg::BlankLogQuestion);
        QVERIFY(!h.session->OpenDataBase());
        QVERIFY(h.session->endRequested());
        QVERIFY(!QFile::exists(h.example()));
    }

    void newLogHasItsFirstRows_data()
    {
        QTest::addColumn<bool>("keepLookups");
        QTest::newRow("fresh lookup lists") << false;
        QTest::newRow("lookup lists carried over") << true;
    }
    void newLogHasItsFirstRows()
    {
        QFETCH(bool, keepLookups);
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        f.messages.expect(keepLookups ? Answer::Yes : Answer::No, logmsg::KeepLookups);
        f.files.answer(f.file("Seabird")); // no ending typed
        f.messages.expect(Answer::Yes, logmsg::StartingHoursQuestion);
        f.dialogs.hoursAnswer =
            LogDialogs::StartingHours{QDate(2016, 12, 30), 1500, std::nullopt, 250};
        f.session->New1Click();
        const QString path = f.file("Seabird.mdb");
        QCOMPARE(f.dbPath(), path);
        QVERIFY(f.session->isLogOpen());
        QCOMPARE(f.session->caption(), QString("Helmbook - Seabird"));
        QCOMPARE(f.dialogs.shown, QStringList({"newLogInformation", "startingHours"}));
        QCOMPARE(count(path, "select count(*) as n from BoatInfo where Prog_Version = 51"), 1);
        QCOMPARE(count(path, "select count(*) as n from BoatInfo"), 1);
        QCOMPARE(count(path, "select count(*) as n from Cruises where CruiseName = 'All Cruises'"),
                 1);
        QCOMPARE(count(path, "select count(*) as n from TripLog"), 0);
        QCOMPARE(count(path, "select count(*) as n from GenUse where GenSet = 1 and TotTime = 1500 "
                             "and TimeSt = 1200 and GenDt = '2016-12-30'"),
                 1);
        QCOMPARE(count(path, "select count(*) as n from WMUse where TotTime = 250"), 1);
        const char* carried[] = {"ExpCat",  "InvCatagory", "InvSystems",  "MaintItems",
                                 "RemType", "Systems",     "Exp_PayTypes"};
        for (const char* table : carried) {
            const qint64 source = count(f.example(), QString("select count(*) as n from ") + table);
            QCOMPARE(count(path, QString("select count(*) as n from ") + table),
                     keepLookups ? source : 0);
        }
        if (keepLookups) {
            QCOMPARE(count(path, "select count(*) as n from ExpCat where ExpCat = 'Insurance'"), 1);
            QCOMPARE(f.dialogs.busyMessages, QStringList{"Copying Lookup Tables"});
        }
        for (const char* table : {"City", "Locations", "CrsLocation"})
            QCOMPARE(count(path, QString("select count(*) as n from ") + table), 0);
        QCOMPARE(f.dialogs.busyDepth, 0);

        // "Don't Show This Again" was not ticked: the information comes again.
        QVERIFY(f.settings.peek("ShowWarn", "NLW").isEmpty());
    }

    void newLogReplacesOnlyWhenConfirmed()
    {
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        const QString other = f.file("Other.mdb");
        QVERIFY(QFile::copy(f.example(), other));
        const QByteArray before = digest(other);

        // The wizard onto an existing log: No keeps it untouched.
        f.messages.expect(Answer::Ok, logmsg::WizardIntro);
        f.dialogs.wizardAnswer = LogDialogs::WizardChoice{other, true, false, false};
        f.messages.expect(Answer::No);
        f.session->CreateNewLog1Click();
        QCOMPARE(digest(other), before);
        QCOMPARE(f.dbPath(), f.example());

        // "New Log.." onto the log that is open now, keeping its lookup lists: they are copied,
        // then the log is closed and replaced.
        f.dialogs.newLogDontShow = true;
        const qint64 categories = count(f.example(), "select count(*) as n from ExpCat");
        f.messages.expect(Answer::Yes, logmsg::KeepLookups);
        f.files.answer(f.example());
        f.messages.expect(Answer::Yes); // replace it
        f.messages.expect(Answer::No, logmsg::StartingHoursQuestion);
        f.session->New1Click();
        QCOMPARE(f.settings.peek("ShowWarn", "NLW"), QString("N"));
        QVERIFY(f.session->isLogOpen());
        QCOMPARE(count(f.example(), "select count(*) as n from TripLog"), 0);
        QCOMPARE(count(f.example(), "select count(*) as n from BoatInfo"), 1);
        QCOMPARE(count(f.example(), "select count(*) as n from ExpCat"), categories);
        QVERIFY(f.messages.allAnswered());

        // The wizard without "Load Log After Completion" keeps the open log configured.
        f.messages.expect(Answer::Ok, logmsg::WizardIntro);
        const QString made = f.file("Made");
        f.dialogs.wizardAnswer = LogDialogs::WizardChoice{made, false, false, false};
        f.session->CreateNewLog1Click();
        QVERIFY(QFile::exists(made + ".mdb"));
        QCOMPARE(f.dbPath(), f.example());
        QVERIFY(f.session->isLogOpen());
        QVERIFY(
            !QDir(f.dir.path()).entryList(QDir::Hidden | QDir::Files).join(' ').contains("XXXX"));
    }

    void killedNewLogLeavesTheOldLogOrAWholeNewOne()
    {
        // "New Log.." onto an existing log, with the lookup lists kept, in a process of its own
        // that is killed (SIGKILL) at points spread over the build; afterwards the target is
        // the old log or a whole new one, nothing in between.
        Fixture f;
        const QString target = f.file("Target.mdb");
        QVERIFY(QFile::copy(f.example(), target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        {
            LogConnection old;
            old.open(target);
            old.exec("UPDATE BoatInfo SET VesName = 'Old boat'");
        }
        const QByteArray oldLog = digest(target);
        const QString pristine = f.file("pristine.mdb");
        QVERIFY(QFile::copy(target, pristine));
        const QStringList structure = structureOf(f.example());
        const char* lookups[] = {"ExpCat",  "InvCatagory", "InvSystems",  "MaintItems",
                                 "RemType", "Systems",     "Exp_PayTypes"};

        auto isWholeNewLog = [&] {
            if (structureOf(target) != structure ||
                count(target, "select count(*) as n from BoatInfo where Prog_Version = 51 and "
                              "VesName is null") != 1 ||
                count(target, "select count(*) as n from BoatInfo") != 1 ||
                count(target, "select count(*) as n from Cruises where CruiseName = "
                              "'All Cruises'") != 1)
                return false;
            for (const char* table : lookups) {
                const QString sql = QString("select count(*) as n from ") + table;
                if (count(target, sql) != count(f.example(), sql))
                    return false;
            }
            return true;
        };
        auto run = [&](int killAfterMs, const QString& settings) {
            QProcess runner;
            runner.start(QStringLiteral(HB_SESSIONRUNNER), {"newlog", f.data, settings, target});
            QVERIFY(runner.waitForStarted());
            QVERIFY(readUntil(runner, "replacing").endsWith("replacing"));
            if (killAfterMs >= 0) {
                QTest::qSleep(killAfterMs);
                runner.kill();
                QVERIFY(runner.waitForFinished());
            } else {
                QVERIFY(readUntil(runner, "created").endsWith("created"));
                runner.closeWriteChannel();
                QVERIFY(runner.waitForFinished(30000));
                QCOMPARE(runner.exitCode(), 0);
            }
        };

        // Not killed: how long the build takes, and a whole new log.
        QElapsedTimer clock;
        clock.start();
        run(-1, settingsFor(f.file("whole.ini"), f.example()));
        const int span = int(clock.elapsed());
        QVERIFY(isWholeNewLog());

        int oldKept = 0, newMade = 0;
        for (int i = 0; i < 20; ++i) {
            QFile::remove(target);
            QVERIFY(QFile::copy(pristine, target));
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
            run(i * span / 16, settingsFor(f.file(QString("run%1.ini").arg(i)), f.example()));
            if (digest(target) == oldLog && !QFile::exists(target + "-journal"))
                ++oldKept;
            else if (isWholeNewLog())
                ++newMade;
            else
                QFAIL(qPrintable(
                    QString("killed after %1 ms: the target is neither").arg(i * span / 16)));
        }
        qInfo("build %d ms; old log kept %d times, whole new log %d times", span, oldKept, newMade);

        // Files left by killed builds are no logs a dialog offers, and the next build clears them.
        QStringList logs = QDir(f.dir.path()).entryList({"*.mdb"}, QDir::Files | QDir::Hidden);
        logs.sort();
        QCOMPARE(logs, QStringList({"Target.mdb", "pristine.mdb"}));
        run(-1, settingsFor(f.file("last.ini"), f.example()));
        QVERIFY(isWholeNewLog());
        QCOMPARE(QDir(f.dir.path()).entryList({".Target.mdb*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void openLogRefusesWhatIsNotALog_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("no such file") << "missing";
        QTest::newRow("log of a newer Helmbook") << "newer";
    }
    void openLogRefusesWhatIsNotALog()
    {
        // The file is refused with a message naming it, and the log that was open stays open.
        QFETCH(QString, kind);
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        const QString path = f.file("Chosen.mdb");
        if (kind == "text") {
            test::writeFile(path, "Day 1: left Falmouth at dawn.\n");
        } else if (kind == "newer") {
            QVERIFY(QFile::copy(f.example(), path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            LogConnection log;
            log.open(path);
            log.exec("UPDATE BoatInfo SET Prog_Version = 60");
        }
        const QByteArray before = digest(path);
        f.dialogs.openWarningAnswer = {true, true};
        f.files.answer(path);
        f.messages.expect(Answer::Ok);
        f.session->Load1Click();
        QCOMPARE(f.messages.shown().size(), size_t(1));
        QVERIFY2(f.messages.shown().front().text.contains("\"" + path + "\""),
                 qPrintable(f.messages.shown().front().text));
        QVERIFY(!f.session->endRequested());
        QVERIFY(f.session->isLogOpen());
        QCOMPARE(f.session->caption(), QString("Helmbook - Example"));
        QCOMPARE(f.dbPath(), f.example());
        QCOMPARE(digest(path), before);
    }

    void openingAnotherLog()
    {
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        const QString other = f.file("Second.mdb");
        QVERIFY(QFile::copy(f.example(), other));
        // Cancel in the warning stops; "Don't Show This Again" is remembered anyway.
        f.dialogs.openWarningAnswer = {false, true};
        f.session->Load1Click();
        QCOMPARE(f.dbPath(), f.example());
        QCOMPARE(f.settings.peek("ShowWarn", "OLW"), QString("N"));
        f.files.answer(f.file("Second"));
        QSignalSpy status(f.session.get(), &LogSession::statusMessage);
        f.session->Load1Click();
        QCOMPARE(f.dialogs.shown, QStringList{"openLogWarning"});
        QCOMPARE(f.dbPath(), other);
        QCOMPARE(f.session->caption(), QString("Helmbook - Second"));
        QCOMPARE(status.count(), 1);
    }

    void oldLogIsUpdatedAndBackedUp()
    {
        Fixture f;
        const QString path = f.file("Vezeriz.mdb");
        makeOldLog(path);
        const QByteArray original = digest(path);
        f.settings.IniWrite("Paths", "DBPath", path);
        f.dialogs.updateAnswers = {true};
        f.messages.expect(Answer::Ok, logmsg::BackupWarning);
        QVERIFY(f.session->OpenDataBase());
        QVERIFY(
            f.dialogs.updateDescription.startsWith("Maintenance and scheduled maintenance items"));

        const QString backup = f.file("Vezeriz-DBVersion47_BU.mdb");
        QCOMPARE(digest(backup), original);
        QCOMPARE(f.session->boatInfo().integer("Prog_Version"), CurrentVersion);
        f.session->closeLog();
        // Exactly the tables and columns of a new log, and the rows kept.
        QCOMPARE(structureOf(path), structureOf(f.example()));
        QCOMPARE(count(path, "select count(*) as n from Maint where Pics = 'oil1.jpg|oil2.jpg' and "
                             "Maint_ID = 1"),
                 1);
        QCOMPARE(
            count(path,
                  "select count(*) as n from Maint where Pics = 'anode.jpg' and Cost = 120000"),
            1);
        QCOMPARE(count(path, "select count(*) as n from Maint where Pics is null"), 1);
        QCOMPARE(count(path, "select count(*) as n from SchedMaint where Pics = 'sched-oil.jpg'"),
                 1);
        QCOMPARE(count(path, "select count(*) as n from GenUse where GenSet = 1"), 2);
        QCOMPARE(count(path, "select count(*) as n from Exp_PayTypes"), 6);
        QCOMPARE(count(path,
                       "select count(*) as n from TripLog where Notes = 'Light airs, motored in.'"),
                 1);
    }

    void refusedOrFailedUpdates_data()
    {
        QTest::addColumn<QString>("extraStep"); // appended to the script as version 52
        QTest::addColumn<bool>("perform");
        QTest::addColumn<QString>("message");
        QTest::newRow("skipped") << "" << false << "";
        QTest::newRow("failing statement")
            << "statement: ALTER TABLE Nowhere ADD COLUMN x TEXT" << true
            << QString(logmsg::UpdateFailedHead) + "\"no such table: Nowhere\"" +
                   logmsg::UpdateFailedTail;
        QTest::newRow("column already there")
            << "statement: ALTER TABLE TripLog ADD COLUMN Notes TEXT" << true
            << QString(logmsg::UnknownUpdateError);
        QTest::newRow("bad row value") << "insert: RemType RemType AsInteger many" << true
                                       << QString(logmsg::UnknownUpdateError);
    }
    void refusedOrFailedUpdates()
    {
        QFETCH(QString, extraStep);
        QFETCH(bool, perform);
        QFETCH(QString, message);
        Fixture f;
        if (!extraStep.isEmpty()) {
            QFile script(QStringLiteral(HB_SOURCE_DIR "/data/structure.txt"));
            QVERIFY(script.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(script.readAll()) +
                                 "\nversion 52: A step that fails\n" + extraStep + "\n";
            QFile::remove(f.data + "/ProgStruct.mdb");
            writeStructureDatabase(f.data + "/ProgStruct.mdb", parseStructureScript(text));
        }
        const QString path = f.file("Old.mdb");
        makeOldLog(path);
        const QByteArray original = digest(path);
        f.settings.IniWrite("Paths", "DBPath", path);
        if (perform) {
            f.dialogs.updateAnswers = {true};
            f.messages.expect(Answer::Ok, logmsg::BackupWarning);
            f.messages.expect(Answer::Ok, message);
        } else {
            // Skip, No: the dialog stays; Skip, Yes: the program ends.
            f.dialogs.updateAnswers = {false, false};
            f.messages.expect(Answer::No, logmsg::SkipQuestion);
            f.messages.expect(Answer::Yes, logmsg::SkipQuestion);
        }
        QVERIFY(!f.session->OpenDataBase());
        QVERIFY(f.messages.allAnswered());
        QVERIFY(f.session->endRequested());
        QCOMPARE(f.dbPath(), f.example());
        // A failed update leaves the log exactly as it was; its backup was made first.
        QCOMPARE(digest(path), original);
        QCOMPARE(QFile::exists(f.file("Old-DBVersion47_BU.mdb")), perform);
    }

    void badFilesAreLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: made by the test itself
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << QByteArray("Day 1: left Falmouth at dawn.\n") << "not a log";
        QTest::newRow("zero bytes") << QByteArray() << "not a log";
        QTest::newRow("truncated log") << QByteArray("truncate") << "not a log";
        QTest::newRow("other database") << QByteArray("other") << "not a log";
        QTest::newRow("newer structure") << QByteArray("newer") << "newer";
    }
    void badFilesAreLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        Fixture f;
        const QString path = f.file("Bad.mdb");
        if (content == "truncate") {
            QFile log(f.example());
            QVERIFY(log.open(QIODevice::ReadOnly));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(log.read(log.size() / 2));
        } else if (content == "other" || content == "newer") {
            QVERIFY(QFile::copy(f.example(), path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            LogConnection log;
            log.open(path);
            if (content == "other") {
                log.exec("PRAGMA application_id = 0");
                log.exec("DROP TABLE BoatInfo");
            } else {
                log.exec("UPDATE BoatInfo SET Prog_Version = 60");
            }
        } else {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        const QByteArray before = digest(path);
        f.settings.IniWrite("Paths", "DBPath", path);
        if (kind == "newer") {
            f.messages.expect(Answer::Ok);
        } else {
            f.messages.expect(Answer::Ok);
            f.messages.expect(Answer::Ok, logmsg::versionReadError());
        }
        QVERIFY(!f.session->OpenDataBase());
        QVERIFY2(f.messages.shown().front().text.contains(path),
                 qPrintable(f.messages.shown().front().text));
        QVERIFY(f.session->endRequested());
        QCOMPARE(f.dbPath(), f.example());
        QCOMPARE(digest(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    void readOnlyLogOpensForReading()
    {
        Fixture f;
        const QString path = f.file("Archive.mdb");
        QVERIFY(QFile::copy(f.example(), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = digest(path);
        f.session->isWritable = [](const QString&) { return false; };
        f.settings.IniWrite("Paths", "DBPath", path);
        f.messages.expect(Answer::Ok);
        QVERIFY(f.session->OpenDataBase());
        QVERIFY(f.messages.shown().front().text.contains("read-only"));
        QVERIFY_THROWS_EXCEPTION(LogError, f.session->boatInfo().edit());
        QVERIFY_THROWS_EXCEPTION(LogError,
                                 f.session->connection().exec("UPDATE BoatInfo SET VesName = 'x'"));
        f.session->closeLog();
        QCOMPARE(digest(path), before);
    }

    void backupOfferAndCommand()
    {
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        const QString backups = f.file("backups");
        QDir().mkpath(backups);
        f.settings.IniWrite("Paths", "backupPath", backups + "/");
        const QString name = backups + "/ExampleBU12312016.mdb";
        const QString question = QString(logmsg::BackupQuestion1) + name + logmsg::BackupQuestion2;

        f.settings.IniWrite("Backup", "runCount", "5");
        f.messages.expect(Answer::Yes, question);
        f.session->backupCommand();
        QCOMPARE(digest(name), digest(f.example()));
        QCOMPARE(f.settings.peek("Backup", "runCount"), QString("0"));
        QVERIFY(f.session->isLogOpen());
        QCOMPARE(f.dialogs.busyMessages, QStringList{"Backing Up Log"});

        // The same day again: the overwrite question; No writes nothing and is not done.
        f.settings.IniWrite("Backup", "runCount", "5");
        f.messages.expect(Answer::Yes, question);
        f.messages.expect(Answer::No, QString(logmsg::BackupExists1) + name +
                                          logmsg::BackupExists2 + logmsg::BackupExists3);
        f.session->backupCommand();
        QCOMPARE(f.settings.peek("Backup", "runCount"), QString("5"));
        QVERIFY(f.session->isLogOpen());
        QVERIFY(QDir(backups).entryList(QDir::Files | QDir::Hidden).size() == 1);

        // No backup folder: the log's own folder.
        f.settings.IniWrite("Paths", "backupPath", "");
        f.messages.expect(Answer::Yes, QString(logmsg::BackupQuestion1) + f.data +
                                           "/ExampleBU12312016.mdb" + logmsg::BackupQuestion2);
        f.session->backupCommand();
        QVERIFY(QFile::exists(f.data + "/ExampleBU12312016.mdb"));
    }

    void backupsReplaceLinksNotTheirTargets()
    {
        // Links planted at both backup names point at a file outside: the backups replace the
        // links, and the file they pointed to is never written.
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        const QString victim = f.file("victim.txt");
        test::writeFile(victim, "precious");
        const QString backups = f.file("backups");
        QDir().mkpath(backups);
        f.settings.IniWrite("Paths", "backupPath", backups);
        const QString name = backups + "/ExampleBU12312016.mdb";
        QVERIFY(QFile::link(victim, name));
        f.messages.expect(Answer::Yes); // back up now?
        f.messages.expect(Answer::Yes); // overwrite the one of today?
        f.session->backupCommand();
        QCOMPARE(test::readFile(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo(name).isSymLink());
        QCOMPARE(digest(name), digest(f.example()));

        const QString old = f.file("Vezeriz.mdb");
        makeOldLog(old);
        const QByteArray original = digest(old);
        const QString updateBackup = f.file("Vezeriz-DBVersion47_BU.mdb");
        QVERIFY(QFile::link(victim, updateBackup));
        f.settings.IniWrite("Paths", "DBPath", old);
        f.dialogs.updateAnswers = {true};
        f.messages.expect(Answer::Ok, logmsg::BackupWarning);
        QVERIFY(f.session->OpenDataBase());
        QCOMPARE(test::readFile(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo(updateBackup).isSymLink());
        QCOMPARE(digest(updateBackup), original);
    }

    void backupBeyondTheFileSizeLimitIsReported()
    {
        // A backup run under a file-size limit smaller than the log: the backup error says what
        // failed and why, the process carries on, and no file is left behind.
        Fixture f;
        const QString backups = f.file("backups");
        QDir().mkpath(backups);
        QVERIFY(QFileInfo(f.example()).size() > 65536);
        const QString settings = settingsFor(f.file("limit.ini"), f.example(), backups);
        QProcess runner;
        runner.start("prlimit", {"--fsize=65536", QStringLiteral(HB_SESSIONRUNNER), "backup",
                                 f.data, settings});
        QVERIFY(runner.waitForFinished(30000));
        QCOMPARE(runner.exitStatus(), QProcess::NormalExit);
        QCOMPARE(runner.exitCode(), 0);
        const QString output = QString::fromUtf8(runner.readAllStandardOutput());
        QVERIFY2(output.contains(QString("message: ") + logmsg::BackupFailed + "\\n" + backups +
                                 "/ExampleBU12312016.mdb: File too large"),
                 qPrintable(output));
        QCOMPARE(QDir(backups).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void everyNinthQuitOffersABackup()
    {
        Fixture f;
        QVERIFY(f.session->OpenDataBase());
        int counter = 0;
        for (int quit = 1; quit <= 8; ++quit)
            counter = f.session->countQuitForBackup(counter);
        QCOMPARE(counter, 8);
        QVERIFY(f.messages.shown().empty());
        f.messages.expect(Answer::No); // refusing counts as done: the count starts again
        counter = f.session->countQuitForBackup(counter);
        QCOMPARE(counter, 0);
        QCOMPARE(f.settings.peek("Backup", "runCount"), QString("0"));
        for (int quit = 1; quit <= 8; ++quit)
            counter = f.session->countQuitForBackup(counter);
        f.messages.expect(Answer::Yes);
        counter = f.session->countQuitForBackup(counter);
        QCOMPARE(counter, 0);
        QVERIFY(QFile::exists(f.data + "/ExampleBU12312016.mdb"));
        QVERIFY(f.messages.allAnswered());
    }

    void backupAfterACrashHoldsTheCommittedRows_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::newRow("backup") << false;
        QTest::newRow("opened, then backed up") << true;
    }
    void backupAfterACrashHoldsTheCommittedRows()
    {
        QFETCH(bool, openFirst);
        Fixture f;
        const QString path = f.file("Crashed.mdb");
        QVERIFY(QFile::copy(f.example(), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const qint64 before = count(path, "select count(*) as n from Fuel");
        QProcess writer;
        writer.start(QStringLiteral(HB_CRASHWRITER), {path, "25"});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(60000));
        QCOMPARE(writer.readLine().trimmed(), QByteArray("ready"));
        writer.kill(); // in the middle of the write
        QVERIFY(writer.waitForFinished());
        QVERIFY(QFileInfo(path + "-journal").size() > 0);

        f.settings.IniWrite("Paths", "DBPath", path);
        if (openFirst) {
            // The log opens: the unfinished write is rolled back.
            QVERIFY(f.session->OpenDataBase());
            QCOMPARE(
                AggQuery(f.session->connection(), "select count(*) as n from Fuel").integer("n"),
                before + 25);
        }
        f.settings.IniWrite("Paths", "backupPath", f.file("b"));
        QDir().mkpath(f.file("b"));
        f.messages.expect(Answer::Yes);
        QVERIFY(f.session->backupOffer());
        const QString backup = f.file("b/CrashedBU12312016.mdb");
        QVERIFY(!QFile::exists(path + "-journal"));
        LogConnection copy;
        copy.open(backup, LogConnection::Mode::ReadOnly);
        QSqlQuery check(copy.database());
        QVERIFY(check.exec("PRAGMA integrity_check") && check.next());
        QCOMPARE(check.value(0).toString(), QString("ok"));
        QCOMPARE(AggQuery(copy, "select count(*) as n from Fuel").integer("n"), before + 25);
        QCOMPARE(AggQuery(copy, "select count(*) as n from Fuel where Location = 'unfinished'")
                     .integer("n"),
                 0);
    }
};

HB_TEST_MAIN(LogSessionTest)
#include "tst_logsession.moc"
