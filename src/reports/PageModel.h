#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace hb::reports {

// Laid-out pages: what the preview, the printer and the PDF writer draw. Positions and sizes
// are in model units of a tenth of a point (720 to the inch), whatever the device.
inline constexpr double UnitsPerInch = 720.0;
inline constexpr double UnitsPerMm = UnitsPerInch / 25.4;

// The few fonts reports use; every item names one.
enum class FontRole : quint8 { Normal, Bold, Small, Caption, Heading, Title, Cover };
QFont font(FontRole role);

struct Item
{
    enum class Kind : quint8 { Text, Line, Box, Picture };
    Kind kind = Kind::Text;
    FontRole font = FontRole::Normal;
    // Text: drawn on one line from the left of rect (texts are broken into lines and aligned
    // when they are laid out, never when drawn), or, for a page number, at the left, centre or
    // right of rect as `align` says.
    Qt::AlignmentFlag align = Qt::AlignLeft;
    // Text: "[Page#]" in the text stands for the page's number in the whole document.
    bool pageNumber = false;
    QRectF rect; // Line: from top-left to bottom-right
    QString text;
    QColor color = Qt::black; // text or line colour
    QColor fill;              // Box: fill (invalid = none)
    double penWidth = 5;      // Line and Box outline, model units (0 = no outline)
    QImage picture;
};

struct Page
{
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    QSizeF size; // model units, as oriented
    std::vector<Item> items;
};

QSizeF pageSizeUnits(const QPageSize& size, QPageLayout::Orientation orientation);

// Draws one page with its top-left corner at the painter's origin, `scale` device pixels per
// model unit. pageNumber is the page's number in the whole document.
void paintPage(QPainter& painter, const Page& page, int pageNumber, double scale);

} // namespace hb::reports
