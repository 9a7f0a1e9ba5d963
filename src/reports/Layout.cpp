#include "reports/Layout.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace hb::reports {

namespace {

const QFontMetricsF& metrics(FontRole role)
{
    static const std::vector<QFontMetricsF> all = [] {
        std::vector<QFontMetricsF> m;
        for (int r = 0; r <= int(FontRole::Cover); ++r)
            m.emplace_back(font(FontRole(r)));
        return m;
    }();
    return all[size_t(role)];
}

// Lines of one paragraph that fit `width`.
QStringList breakParagraph(const QString& text, double width, FontRole role)
{
    if (metrics(role).horizontalAdvance(text) <= width)
        return {text};
    QStringList lines;
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
        lines << part;
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
    return metrics(role).horizontalAdvance(text);
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
        for (const QString& line : breakParagraph(paragraph, width, role)) {
            if (!line.isEmpty()) {
                Item item;
                item.font = role;
                item.align = align;
                item.rect = QRectF(x, top, width, step);
                item.text = line;
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

Layout::Layout(Document& document, QDateTime printedAt, QString dateTimeText)
    : m_doc(document), m_dateTime(std::move(dateTimeText))
{
    Q_UNUSED(printedAt);
}

double Layout::pageWidth() const
{
    return pageSizeUnits(m_doc.pageSize, m_frame.orientation).width() - 2 * Margin;
}

double Layout::columnWidth() const
{
    return pageWidth() / std::max(1, m_frame.columns);
}

double Layout::bottomLimit() const
{
    return m_doc.pages[size_t(m_pageIndex)].size.height() - Margin - lineHeight(FontRole::Small) -
           FooterGap;
}

void Layout::begin(const Frame& frame)
{
    m_frame = frame;
    m_first = true;
    m_pageIndex = -1;
}

void Layout::startPage()
{
    Page page;
    page.orientation = m_frame.orientation;
    page.size = pageSizeUnits(m_doc.pageSize, m_frame.orientation);
    m_doc.pages.push_back(std::move(page));
    m_pageIndex = int(m_doc.pages.size()) - 1;
    m_column = 0;
    m_y = Margin;
    const double width = pageWidth();
    if (m_first && !m_frame.title.isEmpty()) {
        Band title;
        const double h = lineHeight(FontRole::Title) * 1.5;
        title.addBox(QRectF(0, 0, width, h), QColor(0x70, 0x70, 0x70));
        title.addText(0, (h - lineHeight(FontRole::Title)) / 2, width, m_frame.title,
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
    if (m_frame.header) {
        double tallest = 0;
        const int saved = m_column;
        for (int c = 0; c < std::max(1, m_frame.columns); ++c) {
            m_column = c;
            const Band header = m_frame.header(columnWidth(), c);
            place(header, m_y);
            tallest = std::max(tallest, header.height);
        }
        m_column = saved;
        m_y += tallest;
    }
    m_bodyTop = m_y;
}

void Layout::finishPage()
{
    if (m_pageIndex < 0)
        return;
    Page& page = m_doc.pages[size_t(m_pageIndex)];
    const double top = page.size.height() - Margin - lineHeight(FontRole::Small);
    const double width = pageWidth();
    Band footer;
    if (m_frame.footerDateTime)
        footer.addText(0, 0, width / 2, m_dateTime, FontRole::Small);
    footer.addText(width / 2, 0, width / 2, QStringLiteral("Page [Page#]"), FontRole::Small,
                   Qt::AlignRight);
    footer.items.back().pageNumber = true;
    const int saved = m_column;
    m_column = 0;
    place(footer, top);
    m_column = saved;
    m_pageIndex = -1;
}

void Layout::place(const Band& band, double top)
{
    Page& page = m_doc.pages[size_t(m_pageIndex)];
    const QPointF offset(Margin + m_column * columnWidth(), top);
    for (const Item& item : band.items) {
        Item placed = item;
        placed.rect.translate(offset);
        page.items.push_back(std::move(placed));
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

void Layout::newPage()
{
    finishPage();
}

void Layout::addBand(const Band& input)
{
    Band band = input;
    for (;;) {
        if (m_pageIndex < 0)
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
            if (m_column + 1 < std::max(1, m_frame.columns)) {
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
        if (m_column + 1 < std::max(1, m_frame.columns)) {
            ++m_column;
            m_y = m_bodyTop;
        } else {
            finishPage();
        }
        band = std::move(rest);
    }
}

void Layout::end()
{
    if (m_pageIndex < 0 && m_first)
        startPage(); // a report without rows still prints its frame
    finishPage();
}

} // namespace hb::reports
