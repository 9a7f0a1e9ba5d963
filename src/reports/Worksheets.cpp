#include "reports/Worksheets.h"

#include "reports/Layout.h"

namespace hb::reports {

namespace {

QStringList numbered(const QString& prefix, int from, int to, const QString& suffix = {})
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << prefix + QString::number(i) + u':' + suffix;
    return out;
}

constexpr double Gap = 2 * UnitsPerMm;

} // namespace

const std::vector<WorksheetDef>& worksheets()
{
    static const std::vector<WorksheetDef> sheets = [] {
        const auto list = [](std::initializer_list<const char*> items) {
            QStringList out;
            for (const char* s : items)
                out << QLatin1String(s);
            return out;
        };
        std::vector<WorksheetDef> s;
        s.push_back({list({"WtrMkr Sheet", "Gen. Sheet"}),
                     QStringLiteral("Watermaker/Gen Set Worksheet"),
                     list({"Date:", "Start Time:", "Stop Time:"}), 3, 8});
        s.push_back({list({"Battery Sheet"}), QStringLiteral("Battery Worksheet"),
                     list({"Date:", "Time:", "Bank:", "Voltage:", "Charge Date:", "Charge Hours:"}),
                     3, 4});
        s.push_back({list({"Trip Sheet"}), QStringLiteral("Trip Log Worksheet"),
                     list({"Date:", "Start Time:", "Finish Time:", "Trip From:", "Trip To:",
                           "Eng. 1 Strt:", "Eng. 1 Finish:", "Eng. 2 Strt:", "Eng. 2 Finish:",
                           "RPM:", "Notes:", "", "", ""}),
                     1, 2});
        s.push_back({list({"Fuel Sheet"}), QStringLiteral("Fuel Worksheet"),
                     list({"Date:", "Engine Hrs:", "Location:"}) +
                         numbered(QStringLiteral("Tank "), 1, 5) +
                         list({"Total Fuel:", "Full?:", "Lit/Gal"}),
                     1, 4});
        s.push_back(
            {list({"Contact Sheet"}), QStringLiteral("Contact Worksheet"),
             list({"Date:", "Full Name:", "Nationality:", "Age:", "Birthdate:", "Telephone:",
                   "First Date:", "Last Date:", "Emerg. Contact:", "Emerg. Phone:", "Email:",
                   "Passport Num:", "Passprt Issue Dt:", "Passprt Exp. Dt:"}),
             1, 4});
        s.push_back(
            {list({"Inventory Sheet"}), QStringLiteral("Inventory Worksheet"),
             list({"Locker:"}) + numbered(QStringLiteral("Item "), 1, 11, QStringLiteral("|Qty:")),
             1, 4});
        s.push_back({list({"Maint. Sheet"}), QStringLiteral("Maintenance Worksheet"),
                     list({"Date:", "Description:", "System:", "Engine Hrs:", "Cost:",
                           "Sched. Maint?:", "Sched. Hrs/Days:", "Repair Parts:", "Notes:", ""}),
                     1, 4});
        return s;
    }();
    return sheets;
}

const WorksheetDef* findWorksheet(const QString& button)
{
    for (const WorksheetDef& s : worksheets()) {
        if (s.buttons.contains(button, Qt::CaseInsensitive) ||
            s.title.compare(button, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

Document prepareWorksheet(const WorksheetDef& sheet, const QPageSize& pageSize)
{
    Document doc;
    doc.title = sheet.title;
    doc.pageSize = pageSize;
    Frame frame;
    frame.title = sheet.title;
    frame.orientation = QPageLayout::Portrait;
    frame.footerDateTime = false;
    // The blocks fill the page: one band per row of blocks.
    const double width = Pager::columnWidth(pageSize, frame);
    const Page probe{QPageLayout::Portrait, pageSizeUnits(pageSize, QPageLayout::Portrait), {}};
    const double titleHeight = lineHeight(FontRole::Title) * 1.5 + 3 * UnitsPerMm;
    const double body = probe.size.height() - 2 * Pager::Margin - titleHeight -
                        lineHeight(FontRole::Small) - 5 * UnitsPerMm;
    const double blockH = body / sheet.rows - 0.5;
    const double blockW = width / sheet.columns;
    const double step = (blockH - 2 * Gap) / std::max<qsizetype>(1, sheet.labels.size());
    // Every row of blocks is the same band.
    Band band;
    for (int c = 0; c < sheet.columns; ++c) {
        const double x = c * blockW;
        band.addBox(QRectF(x + Gap / 2, Gap / 2, blockW - Gap, blockH - Gap), QColor(), 5);
        double y = Gap;
        for (const QString& label : sheet.labels) {
            const double baseline = y + step - Gap / 2;
            const QString first = label.section(u'|', 0, 0);
            const QString second = label.section(u'|', 1);
            const double lx = x + 2 * Gap;
            const double right = x + blockW - 2 * Gap;
            double lineFrom = lx;
            if (!first.isEmpty()) {
                band.addText(lx, baseline - lineHeight(FontRole::Bold), blockW, first,
                             FontRole::Bold);
                lineFrom = lx + textWidth(first, FontRole::Bold) + Gap;
            }
            if (second.isEmpty()) {
                band.addLine(lineFrom, baseline, right, baseline, 3, Qt::darkGray);
            } else {
                const double qx = x + blockW * 0.72;
                band.addLine(lineFrom, baseline, qx - Gap, baseline, 3, Qt::darkGray);
                band.addText(qx, baseline - lineHeight(FontRole::Bold), blockW, second,
                             FontRole::Bold);
                band.addLine(qx + textWidth(second, FontRole::Bold) + Gap, baseline, right,
                             baseline, 3, Qt::darkGray);
            }
            y += step;
        }
    }
    band.height = blockH;
    doc.addBands(std::move(frame), sheet.rows, [band](int, double) { return band; });
    return doc;
}

} // namespace hb::reports
