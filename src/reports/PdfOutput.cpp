#include "reports/PdfOutput.h"

#include "reports/PdfOutline.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace hb::reports {

namespace {

QPageLayout layoutOf(const QPageSize& size, const Page& page)
{
    return QPageLayout(size, page.orientation, QMarginsF(0, 0, 0, 0));
}

// Gives the next page to paint and its number in the whole document; false when none is left.
using NextPage = std::function<bool(Page& page, int& number)>;

// Paints the pages `next` gives on a paged device, each set to its page's orientation and
// freed once painted; `painted` is told each page's number and returns false to stop.
bool paintPages(const QPageSize& size, QPagedPaintDevice& device, const NextPage& next,
                const std::function<bool(int)>& painted)
{
    Page page;
    int number = 0;
    if (!next(page, number))
        return false;
    device.setPageLayout(layoutOf(size, page));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (;;) {
        // Device pixels per model unit, from the device's resolution (the page is painted
        // whole, without margins).
        const double scale = device.logicalDpiX() / UnitsPerInch;
        paintPage(painter, page, number, scale);
        if (painted && !painted(number)) {
            painter.end();
            return false;
        }
        if (!next(page, number))
            break;
        device.setPageLayout(layoutOf(size, page));
        if (!device.newPage()) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

// Pages handed from the thread that lays them out to the one that paints them, a few at a
// time so that memory stays bounded.
class PageQueue
{
public:
    static constexpr size_t Ahead = 8;

    // Waits for room; false when the painting has stopped.
    bool put(Page page, int number)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pages.size() < Ahead || m_stopped; });
        if (m_stopped)
            return false;
        m_pages.emplace_back(std::move(page), number);
        m_changed.notify_all();
        return true;
    }
    // Waits for a page; false at the end or when cancelled.
    bool take(Page& page, int& number)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_pages.empty() || m_closed || m_cancelled; });
        if (m_cancelled || m_pages.empty())
            return false;
        page = std::move(m_pages.front().first);
        number = m_pages.front().second;
        m_pages.pop_front();
        m_changed.notify_all();
        return true;
    }
    // No more pages come; cancelled: the painting stops without them.
    void close(bool cancelled)
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
        m_cancelled = m_cancelled || cancelled;
        m_changed.notify_all();
    }
    // The painting ended: no more pages are taken.
    void stop()
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }
    std::atomic<int> painted = 0;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<Page, int>> m_pages;
    bool m_closed = false;
    bool m_cancelled = false;
    bool m_stopped = false;
};

// The PDF as it is written, kept in memory: appended to, never sought (a growing byte array,
// unlike QBuffer's exact resizes, copies each byte a bounded number of times).
class MemoryFile : public QIODevice
{
public:
    QByteArray data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* bytes, qint64 size) override
    {
        data.append(bytes, size);
        return size;
    }
};

} // namespace

QString writePdf(const Document& document, const QString& path, const PageProgress& progress)
{
    if (document.parts.empty())
        return QStringLiteral("The report has no pages.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The PDF is made in memory, given its bookmarks, then written out whole.
    MemoryFile buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<OutlineEntry> outline;
    // Pages are laid out on this thread and painted on one of their own, so that both go on
    // at once; only the file's painting thread touches the file until it is done.
    PageQueue queue;
    bool ok = false;
    std::thread painter([&] {
        {
            QPdfWriter writer(&buffer);
            writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
            writer.setTitle(document.title);
            writer.setCreator(QStringLiteral("Helmbook"));
            // One device pixel per model unit: pages are painted without scaling, so the PDF
            // needs no transformation matrix for each run of text.
            writer.setResolution(int(UnitsPerInch));
            ok = paintPages(
                document.pageSize, writer,
                [&queue](Page& page, int& number) { return queue.take(page, number); },
                [&queue](int number) {
                    queue.painted = number;
                    return true;
                });
        }
        queue.stop();
    });
    bool cancelled = false;
    try {
        Pager pager(document);
        for (Page page; pager.next(page);) {
            // A section's bookmark opens the first page of its part.
            const Pager::Mark& mark = pager.mark();
            if (mark.first && size_t(mark.part) < document.parts.size() &&
                !document.parts[size_t(mark.part)].section.isEmpty())
                outline.push_back({document.parts[size_t(mark.part)].section, pager.done() - 1});
            if (!queue.put(std::move(page), pager.done()))
                break;
            if (progress && !progress(queue.painted, 0)) {
                cancelled = true;
                break;
            }
        }
    } catch (...) {
        queue.close(true);
        painter.join();
        file.cancelWriting();
        throw;
    }
    queue.close(cancelled);
    painter.join();
    if (!ok || cancelled) {
        file.cancelWriting();
        return progress ? QStringLiteral("The export was cancelled or could not be completed.")
                        : QStringLiteral("The PDF file could not be completed.");
    }
    if (progress)
        progress(queue.painted, queue.painted);
    const QByteArray pdf = withOutline(buffer.data, outline);
    if (file.write(pdf) != pdf.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
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
    Pager pager(document);
    const auto next = [&](Page& page, int& number) {
        do {
            if ((to > 0 && pager.done() >= to) || !pager.next(page))
                return false;
        } while (pager.done() < from); // pages before the range are laid out, not painted
        number = pager.done();
        return true;
    };
    const int total = to > 0 ? to - from + 1 : 0;
    return paintPages(document.pageSize, printer, next,
                      [&](int number) { return !progress || progress(number - from + 1, total); });
}

} // namespace hb::reports
