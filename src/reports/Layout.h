#pragma once

#include "reports/PageModel.h"

#include <QDateTime>

#include <functional>

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
};

// Lays a report's bands out onto pages appended to a document: the title band, the page
// header of each page, the rows (a row that does not fit the rest of a page moves to the next
// one; a row taller than a page is split between lines of text), the page footer.
class Layout
{
public:
    static constexpr double Margin = 10 * UnitsPerMm;

    Layout(Document& document, QDateTime printedAt, QString dateTimeText);

    void begin(const Frame& frame);
    void addBand(const Band& band);
    // Forces the next band onto a new page.
    void newPage();
    void end();

    double columnWidth() const;
    double pageWidth() const; // inside the margins

private:
    void startPage();
    void finishPage();
    double bottomLimit() const;
    void place(const Band& band, double top);

    Document& m_doc;
    QString m_dateTime;
    Frame m_frame;
    Page* m_page = nullptr;
    int m_pageIndex = -1;
    int m_column = 0;
    double m_y = 0;       // next band's top in the current column
    double m_bodyTop = 0; // top of the data area on the current page
    bool m_first = true;
};

} // namespace hb::reports
