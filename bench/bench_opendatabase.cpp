// Log-opening benchmark: a log of ten busy years (100,000 rows spread over the logs, 20 MB of
// trip notes).
//
//   build/bench/helmbook-bench-opendatabase [folder]
//
// Reports, in one run: OpenDataBase (structure check, every page's record set, the vessel
// record) against a raw forward-only query walk over the same selects, as a ratio; and the
// time of a backup copy against `cp` of the same file.

#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/CreateLog.h"
#include "logdb/LogFiles.h"
#include "logdb/LogSession.h"
#include "logdb/ProgStruct.h"
#include "settings/IniFile.h"

#include "TenYearLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

using namespace hb;

namespace {

// Every question is answered Yes; anything else shown is reported.
class YesMessages : public Messages
{
public:
    Answer show(Kind, const QString& text, Buttons buttons, const QString&) override
    {
        if (buttons != Buttons::YesNo)
            QTextStream(stderr) << "message: " << text << Qt::endl;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class NoFiles : public FileDialogs
{
public:
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class QuietDialogs : public LogDialogs
{
public:
    QString missingLog() override { return {}; }
    bool newLogInformation() override { return false; }
    OpenWarning openLogWarning() override { return {true, false}; }
    std::optional<WizardChoice> newLogWizard() override { return std::nullopt; }
    bool structureUpdate(const QString&, const std::function<bool()>&) override { return true; }
    std::optional<StartingHours> startingHours(const QDate&) override { return std::nullopt; }
    void busy(bool, const QString&) override {}
};

// The selects the log pages open, most of them over the rows not archived.
const char* const PageSelects[] = {
    "select * from TripLog where Archived = False order by TripDate, StartTime",
    "select * from Fuel where Archived = False order by fuelDate",
    "select * from Tanks",
    "select * from Maint where Archived = False order by MaintDT",
    "select * from Project where Archived = False order by GoalDT",
    "select * from Contact where ContType = 1 and Archived = False",
    "select * from Inventory where InvType = 1 and Archived = False",
    "select * from Waypoints where Archived = False",
    "select * from Battery where Archived = False order by ReadDt",
    "select * from ShopList",
    "select * from GenUse order by GenDt, TimeSt",
    "select * from WMUse order by WMDt, TimeSt",
    "select * from Cruises",
    "select * from Remind where Archived = False order by RemDate",
    "select * from SchedMaint where Sched_Archived = False order by Sched_NxtDate",
    "select * from TripPlan order by Leg",
    "select * from Expenses order by ExpDate",
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir tmp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    const QString data = folder + QStringLiteral("/bench-data");
    QDir(data).removeRecursively();
    if (const QString error = installShippedData(data, shippedDataFolder()); !error.isEmpty()) {
        out << error << Qt::endl;
        return 1;
    }
    const QString path = data + QStringLiteral("/TenYears.mdb");
    CreateAccessDatabase(path);
    CreateNewTables(path);
    {
        LogConnection log;
        log.open(path);
        insertVesselRecord(log, currentStructureVersion(data + QStringLiteral("/ProgStruct.mdb")));
        fillTenYears(log);
    }
    out << "ten-year log: " << QFileInfo(path).size() / (1024 * 1024) << " MB" << Qt::endl;

    YesMessages messages;
    NoFiles files;
    QuietDialogs dialogs;
    SystemClock clock;
    const Formats formats;
    IniFile settings(data + QStringLiteral("/Helmbk.ini"));
    settings.IniWrite(QStringLiteral("Paths"), QStringLiteral("DBPath"), path);
    settings.IniWrite(QStringLiteral("Paths"), QStringLiteral("backupPath"), folder);
    LogSession session({messages, files, dialogs, clock, settings, formats}, data);
    std::vector<std::unique_ptr<RecordSet>> pages;
    for (const char* sql : PageSelects) {
        pages.push_back(std::make_unique<RecordSet>(session.connection()));
        RecordSet* set = pages.back().get();
        session.addOpener([set, sql](LogConnection&) { set->open(QString::fromLatin1(sql)); });
    }
    // Warm the file cache.
    session.OpenDataBase();

    QElapsedTimer timer;
    timer.start();
    qint64 rawRows = 0;
    {
        LogConnection raw;
        raw.open(path);
        for (const char* sql : PageSelects) {
            QSqlQuery q(raw.database());
            q.setForwardOnly(true);
            q.exec(QString::fromLatin1(sql));
            const int columns = q.record().count();
            while (q.next()) {
                for (int c = 0; c < columns; ++c)
                    q.value(c);
                ++rawRows;
            }
        }
    }
    const double rawMs = double(timer.nsecsElapsed()) / 1e6;

    double openMs = 1e18;
    for (int run = 0; run < 3; ++run) {
        timer.restart();
        session.clearLogOpen();
        session.OpenDataBase();
        openMs = std::min(openMs, double(timer.nsecsElapsed()) / 1e6);
    }
    qint64 rows = 0;
    for (const auto& p : pages)
        rows += p->recordCount();

    const QString backup = backupName(folder, path, clock.today());
    QFile::remove(backup);
    timer.restart();
    session.backupOffer();
    const double backupMs = double(timer.nsecsElapsed()) / 1e6;
    const QString cpTarget = folder + QStringLiteral("/cp-copy.mdb");
    timer.restart();
    QProcess::execute(QStringLiteral("cp"), {path, cpTarget});
    const double cpMs = double(timer.nsecsElapsed()) / 1e6;
    QFile::remove(cpTarget);
    QFile::remove(backup);

    out << Qt::fixed;
    out.setRealNumberPrecision(1);
    out << "rows in page selects: " << rows << " (raw walk " << rawRows << ")" << Qt::endl;
    out << "raw query walk:       " << rawMs << " ms" << Qt::endl;
    out << "OpenDataBase:         " << openMs << " ms (best of 3)" << Qt::endl;
    out.setRealNumberPrecision(2);
    out << "ratio open/raw:       " << openMs / rawMs << Qt::endl;
    out.setRealNumberPrecision(1);
    out << "backup copy:          " << backupMs << " ms" << Qt::endl;
    out << "cp of the same file:  " << cpMs << " ms" << Qt::endl;
    return 0;
}
