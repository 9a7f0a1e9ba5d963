// Report benchmark on a log of ten busy years (the same rows as the log-opening benchmark:
// 20,000 trips with 20 MB of notes, 100,000 rows over the other logs).
//
//   QT_QPA_PLATFORM=offscreen build/bin/helmbook-bench-reports [folder]
//
// Reports: the whole-log export with every section ticked, its rows read, then laid out and
// written to PDF page by page (time, pages, file size, peak memory); and the largest report
// (the trip log) from its query to its first page painted, as the preview shows it.

#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "reports/Catalogue.h"
#include "reports/CompositeExport.h"
#include "reports/PdfOutput.h"

#include "TenYearLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

using namespace hb;
using namespace hb::reports;

namespace {

class QuietMessages : public Messages
{
public:
    Answer show(Kind, const QString& text, Buttons, const QString&) override
    {
        QTextStream(stderr) << "message: " << text << Qt::endl;
        return Answer::Ok;
    }
};

// CPU time of the process, or of the calling thread, in ms.
double cpuMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Peak resident memory of this process, in MB.
long peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir tmp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    const QString path = folder + QStringLiteral("/TenYears.mdb");
    QFile::remove(path);
    CreateAccessDatabase(path);
    CreateNewTables(path);
    LogConnection log;
    log.open(path);
    insertVesselRecord(log, 60);
    log.exec(QStringLiteral("UPDATE BoatInfo SET VesName = 'Bench Mark'"));
    fillTenYears(log);
    out << "ten-year log: " << QFileInfo(path).size() / (1024 * 1024) << " MB" << Qt::endl;
    const long baseMb = peakMemoryMb();

    const Formats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    const ReportEnv env = ReportEnv::forLog(log, formats, QDateTime::currentDateTime());

    // The largest report, from its query to its first page painted at screen size, as the
    // preview shows it; then the rest of it laid out, as the preview counts its pages.
    QElapsedTimer timer;
    timer.start();
    const ReportDef& trips = *findReport(QStringLiteral("Trips"));
    const Document tripDoc = prepareReport(log, trips, trips.sql, {}, env);
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    Pager pager(tripDoc);
    Page first;
    pager.next(first);
    QImage screen(1000, 800, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        paintPage(painter, first, 1, 1000 / first.size.width());
    }
    const double firstPageMs = double(timer.nsecsElapsed()) / 1e6;
    for (Page page; pager.next(page);) {
    }
    const double countMs = double(timer.nsecsElapsed()) / 1e6 - firstPageMs;
    out << "trip log report: " << pager.done() << " pages; rows read " << qRound(readMs)
        << " ms; first page shown after " << qRound(firstPageMs) << " ms; the rest laid out in "
        << qRound(countMs) << " ms" << Qt::endl;

    // The whole-log export with every section.
    QuietMessages messages;
    timer.restart();
    const double cpuStart = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    const double threadStart = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const std::vector<bool> all(exportSections().size(), true);
    const std::optional<Document> doc = buildExport(log, all, env, env.titleBox, {}, messages);
    const double buildMs = double(timer.nsecsElapsed()) / 1e6;
    const QString pdf = folder + QStringLiteral("/TenYears.pdf");
    int pages = 0;
    const QString error = writePdf(*doc, pdf, [&pages](int done, int) {
        pages = done;
        return true;
    });
    const double totalMs = double(timer.nsecsElapsed()) / 1e6;
    if (!error.isEmpty()) {
        out << "export failed: " << error << Qt::endl;
        return 1;
    }
    out << "whole-log export: " << pages << " pages, " << QFileInfo(pdf).size() / (1024 * 1024)
        << " MB PDF; rows read " << qRound(buildMs) << " ms, laid out and written "
        << qRound(totalMs - buildMs) << " ms, total " << qRound(totalMs) << " ms" << Qt::endl;
    const double cpu = cpuMs(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
    const double layoutCpu = cpuMs(CLOCK_THREAD_CPUTIME_ID) - threadStart;
    out << "whole-log export CPU: " << qRound(cpu) << " ms, of which reading and laying out "
        << qRound(layoutCpu) << " ms and painting into the PDF " << qRound(cpu - layoutCpu)
        << " ms (on its own thread)" << Qt::endl;
    out << "peak memory: " << peakMemoryMb() << " MB (" << baseMb << " MB after making the log)"
        << Qt::endl;
    return 0;
}
