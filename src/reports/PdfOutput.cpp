#include "reports/PdfOutput.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace hb::reports {

namespace {

QPageLayout layoutOf(const Document& doc, const Page& page)
{
    return QPageLayout(doc.pageSize, page.orientation, QMarginsF(0, 0, 0, 0));
}

// Lays out the document and paints pages [from, to] (0-based; to < 0: to the end) on a paged
// device, each page freed once painted; the device is set to each page's orientation.
bool paintPages(const Document& doc, QPagedPaintDevice& device, int from, int to,
                const PageProgress& progress)
{
    Pager pager(doc);
    Page page;
    do {
        if (!pager.next(page))
            return false;
    } while (pager.done() <= from);
    device.setPageLayout(layoutOf(doc, page));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int total = to >= 0 ? to - from + 1 : 0;
    for (;;) {
        const int number = pager.done();
        // Device pixels per model unit, from the painted area the device offers.
        const double scale = device.width() / page.size.width();
        paintPage(painter, page, number, scale);
        if (progress && !progress(number - from, total)) {
            painter.end();
            return false;
        }
        if ((to >= 0 && number > to) || !pager.next(page))
            break;
        device.setPageLayout(layoutOf(doc, page));
        if (!device.newPage()) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace

QString writePdf(const Document& document, const QString& path, const PageProgress& progress)
{
    if (document.parts.empty())
        return QStringLiteral("The report has no pages.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool ok = false;
    {
        QPdfWriter writer(&file);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Helmbook"));
        writer.setResolution(1200);
        ok = paintPages(document, writer, 0, -1, progress);
    }
    if (!ok) {
        file.cancelWriting();
        return progress ? QStringLiteral("The export was cancelled or could not be completed.")
                        : QStringLiteral("The PDF file could not be completed.");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

bool printDocument(const Document& document, QPrinter& printer, const PageProgress& progress)
{
    const int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int to = printer.toPage() > 0 ? printer.toPage() : 0;
    if (to > 0 && from > to)
        return false;
    printer.setFullPage(true);
    return paintPages(document, printer, from - 1, to - 1, progress);
}

} // namespace hb::reports
