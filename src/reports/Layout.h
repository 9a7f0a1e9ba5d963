#pragma once

#include "reports/PageModel.h"
#include "reports/ReportData.h"

#include <QDateTime>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace hb::reports {

// A piece of a report laid out on its own: items placed relative to the band's top-left
// corner, and the band's height. Texts are broken into single lines when added, so a band
// can be split between any two lines.
struct Band
{
    double height = 0;
    std::vector<Item> items;

    // Adds text in the area starting at (x, y), `width` wide, broken into lines at word
    // boundaries (and inside words longer than the width); returns the height used. An empty
    // text uses no height.
    double addText(double x, double y, double width, const QString& text,
                   FontRole role = FontRole::Normal, Qt::AlignmentFlag align = Qt::AlignLeft);
    void addLine(double x1, double y1, double x2, double y2, double pen = 5,
                 QColor color = Qt::black);
    void addBox(const QRectF& rect, QColor fill, double pen = 0);
    void grow(double bottom) { height = std::max(height, bottom); }
};

// The height of one line of text in a font, in model units.
double lineHeight(FontRole role);
// The width of a text on one line.
double textWidth(const QString& text, FontRole role);

// The frame of one report: what is printed around its rows on every page.
struct Frame
{
    QString title; // the report title band on its first page (may be empty)
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    int columns = 1; // data columns side by side on a page
    // The page header under the title band, printed on every page of the report; gets the
    // width of one data column and the column's index. May be empty.
    std::function<Band(double width, int column)> header;
    bool footerDateTime = true; // "[Date] [Time]" on the left of the page footer
    QString dateTime;           // the footer's "[Date] [Time]"
};

// One part of a document: a report's bands in its frame, or a page printed as it is.
struct Part
{
    Frame frame;
    int bands = 0;
    // Band `index` (0 <= index < bands) for a data column `width` wide. Called again whenever
    // a page is laid out anew, so it gives the same band every time.
    std::function<Band(int index, double width)> band;
    std::optional<Page> page; // a page as it is (cover, title page) instead of bands
    QString section;          // the part starts a section of this title (empty: none)
};

// A prepared document: one report, or several parts appended into one. It holds what its
// parts print (their rows) and is laid out into pages only when they are asked for, by a
// Pager.
struct Document
{
    QString title;
    QPageSize pageSize = QPageSize(QPageSize::Letter);
    std::vector<Part> parts;

    // Keeps rows for the parts' bands for the document's lifetime; the reference stays valid.
    const Rows& keep(Rows rows);
    // Appends a report's bands in a frame.
    void addBands(Frame frame, int bands, std::function<Band(int index, double width)> band);
    // Appends a page printed as it is, starting a section when `section` is given.
    void addPage(Page page, QString section = {});
    QStringList sectionTitles() const;

private:
    std::vector<std::shared_ptr<const Rows>> m_rows;
};

// Lays a document out page by page: the title band, the page header of each page, the bands
// (a band that does not fit the rest of a page moves to the next one; a band taller than a
// page is split between lines of text), the page footer.
class Pager
{
public:
    static constexpr double Margin = 10 * UnitsPerMm;

    // Where a page starts, to lay it out again later without the pages before it.
    struct Mark
    {
        int part = 0;
        int band = 0;      // the first band on the page
        double offset = 0; // how much of that band went on earlier pages
        bool first = true; // the first page of its part (it prints the title band)
    };

    explicit Pager(const Document& document);

    // Lays out the next page; false after the last one.
    bool next(Page& page);
    // Pages laid out so far; the number of the next page is done() + 1.
    int done() const { return m_done; }
    // Where the page last returned by next() starts.
    const Mark& mark() const { return m_mark; }
    // Carries on from a page's mark, as if the pages before it (`pageIndex` of them, 0-based
    // index of that page) had been laid out.
    void seek(const Mark& mark, int pageIndex);

    // The width of one data column of a frame on the document's paper, inside the margins.
    static double columnWidth(const QPageSize& paper, const Frame& frame);

private:
    void beginPart();
    void feed(Band band, double offset);
    void startPage();
    void finishPage();
    double bottomLimit() const;
    double columnWidth() const { return columnWidth(m_doc.pageSize, *m_frame); }
    void place(const Band& band, double top);

    const Document& m_doc;
    int m_part = 0;       // part being laid out
    int m_band = -1;      // next band of the part to feed; -1: the part has not begun
    bool m_ended = false; // the part's end was fed
    struct Pending
    {
        Page page;
        Mark mark;
    };
    std::deque<Pending> m_ready; // finished pages not yet returned
    Mark m_mark;
    int m_done = 0;

    // The page being laid out.
    std::optional<Pending> m_page;
    const Frame* m_frame = nullptr;
    int m_feeding = 0;   // the band being fed
    double m_offset = 0; // how much of it went on earlier pages
    int m_column = 0;
    double m_y = 0;       // next band's top in the current column
    double m_bodyTop = 0; // top of the data area on the current page
    bool m_first = true;
};

// Every page of a document (for tests and small documents).
std::vector<Page> layOutAll(const Document& document);

} // namespace hb::reports
