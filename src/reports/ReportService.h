#pragma once

#include "common/ReportPrinter.h"
#include "reports/Layout.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace hb {
class Clock;
class FileDialogs;
class Formats;
class LogConnection;
class Messages;
} // namespace hb

namespace hb::reports {

struct ReportDef;
struct WorksheetDef;
class PreviewDialog;

// Runs reports, worksheets and the whole-log export for the main window and the pages, and
// shows what they prepare in the preview.
class ReportService : public QObject, public ReportPrinter
{
    Q_OBJECT
public:
    struct Services
    {
        Messages& messages;
        FileDialogs& fileDialogs;
        Clock& clock;
        const Formats& formats;
    };
    // log: the open log when asked (none when no log is open).
    ReportService(const Services& services, std::function<LogConnection*()> log,
                  QWidget* parent = nullptr);

    // A page's "Print": the report named `report` over the page's own selection.
    void printReport(const QString& report, const QString& sql, const QVariantMap& params) override;
    // The catalogue's buttons: the report over its log's normal selection.
    void runReport(const ReportDef& report);
    void printWorksheet(const WorksheetDef& sheet);
    // The whole-log export with the sections ticked (in the export order).
    void exportLog(const std::vector<bool>& ticked);

    // The paper reports are laid out for: the default printer's, else Letter where the
    // locale measures in inches and A4 elsewhere.
    QPageSize paperSize() const;
    void setPaperSize(const QPageSize& size) { m_paper = size; }
    // The picture on the export's cover page.
    QImage coverPicture;
    // Where "Export PDF" suggests saving.
    QString exportFolder;

    Messages& messages() { return m_s.messages; }
    QWidget* parentWidget() const { return m_parent; }
    // The preview shown last (it closes itself when done), for the window's own use and tests.
    PreviewDialog* lastPreview() const;

private:
    PreviewDialog* show(Document document);
    LogConnection* openLog();

    Services m_s;
    std::function<LogConnection*()> m_log;
    QWidget* m_parent;
    std::optional<QPageSize> m_paper;
    QPointer<PreviewDialog> m_preview;
};

} // namespace hb::reports
