#include "reports/ReportService.h"

#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "reports/Catalogue.h"
#include "reports/CompositeExport.h"
#include "reports/PreviewDialog.h"
#include "reports/Worksheets.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace hb::reports {

namespace {

// The busy cursor for the time of a scope.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

ReportService::ReportService(const Services& services, std::function<LogConnection*()> log,
                             QWidget* parent)
    : QObject(parent), m_s(services), m_log(std::move(log)), m_parent(parent)
{}

QPageSize ReportService::paperSize() const
{
    if (m_paper)
        return *m_paper;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    return m_s.formats.locale().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

LogConnection* ReportService::openLog()
{
    LogConnection* log = m_log ? m_log() : nullptr;
    if (!log || !log->isOpen()) {
        m_s.messages.error(QStringLiteral("No log is open."));
        return nullptr;
    }
    return log;
}

PreviewDialog* ReportService::lastPreview() const
{
    return m_preview.data();
}

PreviewDialog* ReportService::show(Document document)
{
    auto* preview = new PreviewDialog(std::make_shared<const Document>(std::move(document)),
                                      m_s.messages, m_s.fileDialogs, m_parent);
    preview->exportFolder = exportFolder;
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    preview->show();
    m_preview = preview;
    return preview;
}

void ReportService::printReport(const QString& report, const QString& sql,
                                const QVariantMap& params)
{
    const ReportDef* def = findReport(report);
    if (!def) {
        m_s.messages.error(QStringLiteral("There is no report named \"%1\".").arg(report));
        return;
    }
    LogConnection* log = openLog();
    if (!log)
        return;
    try {
        BusyCursor busy;
        ReportEnv env = ReportEnv::forLog(*log, m_s.formats, m_s.clock.now());
        env.pageSize = paperSize();
        Document doc = prepareReport(*log, *def, sql, params, env);
        show(std::move(doc));
    } catch (const LogError& e) {
        m_s.messages.error(e.text());
    }
}

void ReportService::runReport(const ReportDef& report)
{
    printReport(report.button, report.sql, {});
}

void ReportService::printWorksheet(const WorksheetDef& sheet)
{
    show(prepareWorksheet(sheet, paperSize()));
}

void ReportService::exportLog(const std::vector<bool>& ticked)
{
    LogConnection* log = openLog();
    if (!log)
        return;
    std::optional<Document> doc;
    try {
        ReportEnv env = ReportEnv::forLog(*log, m_s.formats, m_s.clock.now());
        env.pageSize = paperSize();
        QProgressDialog progress(QStringLiteral("Preparing the log.."), QStringLiteral("Cancel"), 0,
                                 int(exportSections().size()), m_parent);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        BusyCursor busy;
        doc = buildExport(*log, ticked, env, env.titleBox, coverPicture, m_s.messages,
                          [&progress](int index, int) {
                              progress.setValue(index);
                              return !progress.wasCanceled();
                          });
    } catch (const LogError& e) {
        m_s.messages.error(e.text());
        return;
    }
    if (!doc)
        return;
    m_s.messages.information(
        QStringLiteral("    Your log is ready for printing, viewing or exporting to a PDF "
                       "file.\r\nIn the next print dialog, click the Export To PDF icon at the "
                       "top left of\r\n       the screen to export your log to a PDF file of your "
                       "choice."));
    show(std::move(*doc));
}

} // namespace hb::reports
