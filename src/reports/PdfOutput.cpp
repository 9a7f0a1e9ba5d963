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

// Paints pages [from, to] on a paged device; the device is set to each page's orientation.
bool paintPages(const Document& doc, QPagedPaintDevice& device, int from, int to,
                const PageProgress& progress)
{
    if (doc.pages.empty())
        return false;
    device.setPageLayout(layoutOf(doc, doc.pages[size_t(from)]));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = from; i <= to; ++i) {
        const Page& page = doc.pages[size_t(i)];
        if (i > from) {
            device.setPageLayout(layoutOf(doc, page));
            if (!device.newPage()) {
                painter.end();
                return false;
            }
        }
        // Device pixels per model unit, from the painted area the device offers.
        const double scale = device.width() / page.size.width();
        paintPage(painter, page, i + 1, scale);
        if (progress && !progress(i - from + 1, to - from + 1)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace

QString writePdf(const Document& document, const QString& path, const PageProgress& progress)
{
    if (document.pages.empty())
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
        ok = paintPages(document, writer, 0, int(document.pages.size()) - 1, progress);
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
    const int last = int(document.pages.size());
    int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    int to = printer.toPage() > 0 ? std::min(printer.toPage(), last) : last;
    if (from > to)
        return false;
    printer.setFullPage(true);
    return paintPages(document, printer, from - 1, to - 1, progress);
}

} // namespace hb::reports
