#include "reports/Layout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>

namespace hb::reports {

namespace {

const QFontMetricsF& metrics(FontRole role)
{
    thread_local const std::vector<QFontMetricsF> all = [] {
        std::vector<QFontMetricsF> m;
        for (int r = 0; r <= int(FontRole::Cover); ++r)
            m.emplace_back(font(FontRole(r)));
        return m;
    }();
    return all[size_t(role)];
}

// The width of a text on one line. Short texts repeat (captions, dates, places) and are
// measured once.
double advance(const QString& text, FontRole role)
{
    if (text.size() > 40)
        return metrics(role).horizontalAdvance(text);
    thread_local std::vector<QHash<QString, double>> known(size_t(FontRole::Cover) + 1);
    QHash<QString, double>& widths = known[size_t(role)];
    const auto it = widths.constFind(text);
    if (it != widths.constEnd())
        return *it;
    if (widths.size() > 50000)
        widths.clear();
    const double w = metrics(role).horizontalAdvance(text);
    widths.insert(text, w);
    return w;
}

struct Line
{
    QString text;
    double width = 0;
};

// Lines of one paragraph that fit `width`, with their widths.
std::vector<Line> breakParagraph(const QString& text, double width, FontRole role)
{
    // A long text is broken straight away: it hardly ever fits one line.
    if (text.size() <= 300) {
        const double whole = advance(text, role);
        if (whole <= width)
            return {{text, whole}};
    }
    std::vector<Line> lines;
    QTextLayout layout(text, font(role));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && part.back().isSpace())
            part.chop(1);
        lines.push_back({part, line.naturalTextWidth()});
    }
    layout.endLayout();
    return lines;
}

constexpr double FooterGap = 4 * UnitsPerMm;

} // namespace

double lineHeight(FontRole role)
{
    return metrics(role).lineSpacing();
}

double textWidth(const QString& text, FontRole role)
{
    return advance(text, role);
}

double Band::addText(double x, double y, double width, const QString& text, FontRole role,
                     Qt::AlignmentFlag align)
{
    if (text.isEmpty())
        return 0;
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    while (normal.endsWith(u'\n'))
        normal.chop(1);
    const double step = lineHeight(role);
    double top = y;
    for (const QString& paragraph : normal.split(u'\n')) {
        for (Line& line : breakParagraph(paragraph, width, role)) {
            if (!line.text.isEmpty()) {
                // Placed where its alignment puts it, so it is drawn as it is.
                const double left = align == Qt::AlignRight     ? x + width - line.width
                                    : align == Qt::AlignHCenter ? x + (width - line.width) / 2
                                                                : x;
                Item item;
                item.font = role;
                item.rect = QRectF(left, top, line.width, step);
                item.text = std::move(line.text);
                items.push_back(std::move(item));
            }
            top += step;
        }
    }
    grow(top);
    return top - y;
}

void Band::addLine(double x1, double y1, double x2, double y2, double pen, QColor color)
{
    Item item;
    item.kind = Item::Kind::Line;
    item.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    item.penWidth = pen;
    item.color = color;
    items.push_back(std::move(item));
    grow(std::max(y1, y2));
}

void Band::addBox(const QRectF& rect, QColor fill, double pen)
{
    Item item;
    item.kind = Item::Kind::Box;
    item.rect = rect;
    item.fill = fill;
    item.penWidth = pen;
    items.push_back(std::move(item));
    grow(rect.bottom());
}

const Rows& Document::keep(Rows rows)
{
    m_rows.push_back(std::make_shared<const Rows>(std::move(rows)));
    return *m_rows.back();
}

void Document::addBands(Frame frame, int bands, std::function<Band(int, double)> band)
{
    Part part;
    part.frame = std::move(frame);
    part.bands = bands;
    part.band = std::move(band);
    parts.push_back(std::move(part));
}

void Document::addPage(Page page, QString section)
{
    Part part;
    part.page = std::move(page);
    part.section = std::move(section);
    parts.push_back(std::move(part));
}

QStringList Document::sectionTitles() const
{
    QStringList titles;
    for (const Part& part : parts) {
        if (!part.section.isEmpty())
            titles << part.section;
    }
    return titles;
}

Pager::Pager(const Document& document) : m_doc(document) {}

double Pager::columnWidth(const QPageSize& paper, const Frame& frame)
{
    return (pageSizeUnits(paper, frame.orientation).width() - 2 * Margin) /
           std::max(1, frame.columns);
}

double Pager::bottomLimit() const
{
    return m_page->page.size.height() - Margin - lineHeight(FontRole::Small) - FooterGap;
}

void Pager::beginPart()
{
    m_frame = &m_doc.parts[size_t(m_part)].frame;
    m_first = true;
    m_band = 0;
    m_page.reset();
}

bool Pager::next(Page& page)
{
    while (m_ready.empty()) {
        if (m_part >= int(m_doc.parts.size()))
            return false;
        const Part& part = m_doc.parts[size_t(m_part)];
        if (part.page) {
            m_ready.push_back({*part.page, Mark{m_part, 0, 0, true}});
            ++m_part;
            m_band = -1;
            continue;
        }
        if (m_band < 0)
            beginPart();
        if (m_band < part.bands) {
            m_feeding = m_band++;
            feed(part.band(m_feeding, columnWidth()), 0);
            continue;
        }
        // The part's end: a report without rows still prints its frame.
        m_feeding = part.bands;
        m_offset = 0;
        if (!m_page && m_first)
            startPage();
        if (m_page)
            finishPage();
        ++m_part;
        m_band = -1;
    }
    m_mark = m_ready.front().mark;
    page = std::move(m_ready.front().page);
    m_ready.pop_front();
    ++m_done;
    return true;
}

void Pager::seek(const Mark& mark, int pageIndex)
{
    m_ready.clear();
    m_page.reset();
    m_part = mark.part;
    m_band = -1;
    m_done = pageIndex;
    if (m_part >= int(m_doc.parts.size()))
        return;
    const Part& part = m_doc.parts[size_t(m_part)];
    if (part.page)
        return;
    beginPart();
    m_first = mark.first;
    if (mark.band >= part.bands) {
        m_band = part.bands;
        return;
    }
    m_feeding = mark.band;
    m_band = mark.band + 1;
    Band band = part.band(mark.band, columnWidth());
    if (mark.offset > 0) {
        // What is left of the band after the earlier pages took their share.
        Band rest;
        for (Item& item : band.items) {
            if (item.rect.normalized().top() >= mark.offset - 0.01) {
                item.rect.translate(0, -mark.offset);
                rest.items.push_back(std::move(item));
            }
        }
        rest.height = band.height - mark.offset;
        band = std::move(rest);
    }
    feed(std::move(band), mark.offset);
}

void Pager::startPage()
{
    m_page.emplace();
    m_page->mark = Mark{m_part, m_feeding, m_offset, m_first};
    Page& page = m_page->page;
    page.orientation = m_frame->orientation;
    page.size = pageSizeUnits(m_doc.pageSize, m_frame->orientation);
    m_column = 0;
    m_y = Margin;
    const double width = columnWidth() * std::max(1, m_frame->columns);
    if (m_first && !m_frame->title.isEmpty()) {
        Band title;
        const double h = lineHeight(FontRole::Title) * 1.5;
        title.addBox(QRectF(0, 0, width, h), QColor(0x70, 0x70, 0x70));
        title.addText(0, (h - lineHeight(FontRole::Title)) / 2, width, m_frame->title,
                      FontRole::Title, Qt::AlignHCenter);
        for (Item& item : title.items) {
            if (item.kind == Item::Kind::Text)
                item.color = Qt::white;
        }
        title.height += 3 * UnitsPerMm;
        place(title, m_y);
        m_y += title.height;
    }
    m_first = false;
    if (m_frame->header) {
        double tallest = 0;
        for (int c = 0; c < std::max(1, m_frame->columns); ++c) {
            m_column = c;
            const Band header = m_frame->header(columnWidth(), c);
            place(header, m_y);
            tallest = std::max(tallest, header.height);
        }
        m_column = 0;
        m_y += tallest;
    }
    m_bodyTop = m_y;
}

void Pager::finishPage()
{
    Page& page = m_page->page;
    const double top = page.size.height() - Margin - lineHeight(FontRole::Small);
    const double width = columnWidth() * std::max(1, m_frame->columns);
    Band footer;
    if (m_frame->footerDateTime)
        footer.addText(0, 0, width / 2, m_frame->dateTime, FontRole::Small);
    // The page number's width is known only when drawn: it is aligned then.
    Item number;
    number.font = FontRole::Small;
    number.align = Qt::AlignRight;
    number.pageNumber = true;
    number.rect = QRectF(width / 2, 0, width / 2, lineHeight(FontRole::Small));
    number.text = QStringLiteral("Page [Page#]");
    footer.items.push_back(std::move(number));
    m_column = 0;
    place(footer, top);
    m_ready.push_back(std::move(*m_page));
    m_page.reset();
}

void Pager::place(const Band& band, double top)
{
    std::vector<Item>& items = m_page->page.items;
    const QPointF offset(Margin + m_column * columnWidth(), top);
    for (const Item& item : band.items) {
        items.push_back(item);
        items.back().rect.translate(offset);
    }
}

namespace {

// The lowest y at or above `limit` that cuts through no item, or 0 when there is none.
double cutBefore(const Band& band, double limit)
{
    std::vector<double> candidates;
    for (const Item& item : band.items) {
        const QRectF r = item.rect.normalized();
        if (r.bottom() <= limit)
            candidates.push_back(r.bottom());
        if (r.top() <= limit)
            candidates.push_back(r.top());
    }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    for (double y : candidates) {
        if (y <= 0)
            break;
        const bool clear = std::none_of(band.items.begin(), band.items.end(), [y](const Item& i) {
            const QRectF r = i.rect.normalized();
            return r.top() < y - 0.01 && r.bottom() > y + 0.01;
        });
        if (clear)
            return y;
    }
    return 0;
}

} // namespace

void Pager::feed(Band band, double offset)
{
    m_offset = offset;
    const int columns = std::max(1, m_frame->columns);
    for (;;) {
        if (!m_page)
            startPage();
        const double available = bottomLimit() - m_y;
        if (band.height <= available) {
            place(band, m_y);
            m_y += band.height;
            return;
        }
        const double fresh = bottomLimit() - m_bodyTop;
        const bool atTop = m_y <= m_bodyTop + 0.01;
        if (!atTop && band.height <= fresh) {
            // Fits a fresh column or page whole: move it there.
            if (m_column + 1 < columns) {
                ++m_column;
                m_y = m_bodyTop;
            } else {
                finishPage();
            }
            continue;
        }
        double cut = cutBefore(band, available);
        if (cut <= 0) {
            if (!atTop) {
                finishPage();
                continue;
            }
            // One item taller than a whole page: it goes on a page of its own.
            cut = band.height;
        }
        Band top, rest;
        for (Item& item : band.items) {
            if (item.rect.normalized().top() < cut - 0.01) {
                top.items.push_back(std::move(item));
            } else {
                item.rect.translate(0, -cut);
                rest.items.push_back(std::move(item));
            }
        }
        top.height = cut;
        rest.height = band.height - cut;
        place(top, m_y);
        if (rest.items.empty())
            return;
        m_offset += cut;
        if (m_column + 1 < columns) {
            ++m_column;
            m_y = m_bodyTop;
        } else {
            finishPage();
        }
        band = std::move(rest);
    }
}

std::vector<Page> layOutAll(const Document& document)
{
    std::vector<Page> pages;
    Pager pager(document);
    Page page;
    while (pager.next(page))
        pages.push_back(std::move(page));
    return pages;
}

} // namespace hb::reports
