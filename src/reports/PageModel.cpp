#include "reports/PageModel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace hb::reports {

QFont font(FontRole role)
{
    // Pixel sizes in model units: text measured at layout scales with the painter, so it
    // breaks into the same lines on every device. DejaVu Sans covers Greek and Cyrillic.
    const auto make = [](int tenthsOfPoint, bool bold) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(tenthsOfPoint);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferFullHinting);
        // No shaping where the script does not need it: "fi" stays two letters in the PDF's
        // text, so it can be searched and copied as typed.
        f.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferNoShaping));
        f.setKerning(false);
        return f;
    };
    // Fonts of each thread's own: a font is not shared between threads that draw text.
    thread_local const QFont fonts[] = {make(90, false), make(90, true),  make(75, false),
                                        make(90, true),  make(110, true), make(140, true),
                                        make(360, true)};
    return fonts[int(role)];
}

QSizeF pageSizeUnits(const QPageSize& size, QPageLayout::Orientation orientation)
{
    QSizeF mm = size.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        mm.transpose();
    return mm * UnitsPerMm;
}

void paintPage(QPainter& painter, const Page& page, int pageNumber, double scale)
{
    thread_local const std::vector<QFontMetricsF> metrics = [] {
        std::vector<QFontMetricsF> m;
        for (int r = 0; r <= int(FontRole::Cover); ++r)
            m.emplace_back(font(FontRole(r)));
        return m;
    }();
    painter.save();
    painter.scale(scale, scale);
    // The font is set only when it changes.
    int role = -1;
    for (const Item& item : page.items) {
        switch (item.kind) {
        case Item::Kind::Text: {
            if (int(item.font) != role) {
                role = int(item.font);
                painter.setFont(font(item.font));
            }
            const QFontMetricsF& fm = metrics[size_t(role)];
            painter.setPen(item.color);
            // At whole model units: the PDF writes every glyph's position, shorter so.
            const double baseline = std::round(item.rect.top() + fm.ascent());
            double x = item.rect.left();
            if (!item.pageNumber) {
                painter.drawText(QPointF(std::round(x), baseline), item.text);
                break;
            }
            QString text = item.text;
            text.replace(QLatin1String("[Page#]"), QString::number(pageNumber));
            if (item.align != Qt::AlignLeft) {
                const double w = fm.horizontalAdvance(text);
                x = item.align == Qt::AlignRight ? item.rect.right() - w
                                                 : item.rect.center().x() - w / 2;
            }
            painter.drawText(QPointF(std::round(x), baseline), text);
            break;
        }
        case Item::Kind::Line:
            painter.setPen(QPen(item.color, item.penWidth));
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        case Item::Kind::Box:
            painter.setPen(item.penWidth > 0 ? QPen(item.color, item.penWidth) : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(item.rect);
            break;
        case Item::Kind::Picture:
            painter.drawImage(item.rect, item.picture);
            break;
        }
    }
    painter.restore();
}

} // namespace hb::reports
