#include "reports/CompositeExport.h"

#include "common/Messages.h"
#include "logdb/LogError.h"

namespace hb::reports {

namespace {

ExportSection section(const char* box, const char* group, bool ticked, const char* report,
                      const char* title, QString sql, QString failure = {})
{
    return {QLatin1String(box),    QLatin1String(group), ticked,
            QLatin1String(report), QLatin1String(title), std::move(sql),
            std::move(failure)};
}

QString kindSql(const char* table, const char* column, int kind)
{
    return QStringLiteral("select * from %1 where %2 = %3 and Archived = 0")
        .arg(QLatin1String(table), QLatin1String(column))
        .arg(kind);
}

QString sqlOf(const char* report)
{
    return findReport(QLatin1String(report))->sql;
}

void addCover(Document& doc, const QString& vesselName, const QImage& picture)
{
    Page page;
    page.orientation = QPageLayout::Landscape;
    page.size = pageSizeUnits(doc.pageSize, page.orientation);
    Band band;
    const double w = page.size.width();
    double y = page.size.height() * 0.12;
    if (!picture.isNull()) {
        const double maxH = page.size.height() * 0.4, maxW = w * 0.6;
        QSizeF size = QSizeF(picture.size()).scaled(maxW, maxH, Qt::KeepAspectRatio);
        Item item;
        item.kind = Item::Kind::Picture;
        item.rect = QRectF((w - size.width()) / 2, y, size.width(), size.height());
        item.picture = picture;
        band.items.push_back(item);
        y += size.height() + 10 * UnitsPerMm;
    }
    y += band.addText(0, y, w, QStringLiteral("Log Book"), FontRole::Cover, Qt::AlignHCenter);
    y += band.addText(0, y, w, QStringLiteral("For"), FontRole::Title, Qt::AlignHCenter);
    band.addText(0, y + 3 * UnitsPerMm, w, vesselName, FontRole::Cover, Qt::AlignHCenter);
    page.items = std::move(band.items);
    doc.addPage(std::move(page));
}

void addTitlePage(Document& doc, const QString& title)
{
    Page page;
    page.orientation = QPageLayout::Landscape;
    page.size = pageSizeUnits(doc.pageSize, page.orientation);
    Band band;
    band.addText(0, page.size.height() * 0.42, page.size.width(), title, FontRole::Cover,
                 Qt::AlignHCenter);
    page.items = std::move(band.items);
    doc.addPage(std::move(page), title);
}

} // namespace

const std::vector<ExportSection>& exportSections()
{
    static const std::vector<ExportSection> sections = [] {
        const QString contact =
            QStringLiteral("Unable to open Contact Log for output to composite PDF File!");
        const QString inventory =
            QStringLiteral("Unable to open Inventory Log for output to composite PDF File!");
        std::vector<ExportSection> s = {
            section("Vessel Info", "Basic Group", true, "Setup", "Vessel Info", sqlOf("Setup")),
            section("Trip Log", "Basic Group", true, "Trips", "Trips", sqlOf("Trips")),
            section("Maintenance Log", "Basic Group", true, "Maint.", "Maintenance",
                    sqlOf("Maint.")),
            section("Scheduled Maintenance Log", "Basic Group", true, "Sched. Maint.",
                    "Scheduled Maintenance", sqlOf("Sched. Maint.")),
            section("Fuel Log", "Basic Group", true, "Fuel", "Fuel", sqlOf("Fuel")),
            section("Project Log", "Basic Group", true, "Project", "Projects", sqlOf("Project")),
            section("Expense Log", "Basic Group", false, "Expense", "Expenses", sqlOf("Expense")),
            section("Generator Use Log", "Trip Group", false, "GenSet", "Generator Usage",
                    sqlOf("GenSet")),
            section("Watermaker Use Log", "Trip Group", false, "WM", "Watermaker Usage",
                    sqlOf("WM")),
            section("Battery Log", "Trip Group", false, "Battery", "Battery Checks",
                    sqlOf("Battery")),
            section("Waypoint Log", "Trip Group", false, "Waypoint", "Waypoints",
                    sqlOf("Waypoint")),
            section("Boat Contacts", "People Group", false, "Boats", "Boat Contacts",
                    kindSql("Contact", "ContType", 1), contact),
            section("Guest Log", "People Group", false, "Guest", "Guests",
                    kindSql("Contact", "ContType", 2), contact),
            section("Crew Log", "People Group", false, "Crew", "Crew",
                    kindSql("Contact", "ContType", 3), contact),
            section("Supplier Log", "People Group", false, "Supplier", "Suppliers",
                    kindSql("Contact", "ContType", 4), contact),
            section("Services Log", "People Group", false, "Service", "Service Providers",
                    kindSql("Contact", "ContType", 5), contact),
            section("General Inventory", "Inventory Group", false, "Gen. Inv.", "General Inventory",
                    kindSql("Inventory", "InvType", 1), inventory),
            section("Charts Inventory", "Inventory Group", false, "Chart", "Charts Inventory",
                    kindSql("Inventory", "InvType", 2), inventory),
            section("Video Inventory", "Inventory Group", false, "Video", "Video Inventory",
                    kindSql("Inventory", "InvType", 3), inventory),
            section("Audio Inventory", "Inventory Group", false, "Audio", "Audio Inventory",
                    kindSql("Inventory", "InvType", 4), inventory),
            section("Book Inventory", "Inventory Group", false, "Book", "Book Inventory",
                    kindSql("Inventory", "InvType", 5), inventory),
            section("Galley Inventory", "Inventory Group", false, "Galley", "Galley Inventory",
                    kindSql("Inventory", "InvType", 6), inventory),
        };
        return s;
    }();
    return sections;
}

std::optional<Document> buildExport(LogConnection& log, const std::vector<bool>& ticked,
                                    const ReportEnv& env, const QString& vesselName,
                                    const QImage& coverPicture, Messages& messages,
                                    const ExportProgress& progress)
{
    Document doc;
    doc.pageSize = env.pageSize;
    doc.title = QStringLiteral("Log Book - ") + vesselName;
    addCover(doc, vesselName, coverPicture);
    const auto& sections = exportSections();
    const int count = int(sections.size());
    for (int i = 0; i < count; ++i) {
        if (size_t(i) >= ticked.size() || !ticked[size_t(i)])
            continue;
        if (progress && !progress(i, count))
            return std::nullopt;
        const ExportSection& s = sections[size_t(i)];
        const Rows* rows = nullptr;
        try {
            rows = &doc.keep(Rows::read(log, s.sql));
        } catch (const LogError& e) {
            messages.error(s.failure.isEmpty()
                               ? QStringLiteral("Unable to open the %1 for the exported log; it "
                                                "is left out.\r\n%2")
                                     .arg(s.checkBox, e.text())
                               : s.failure);
            continue;
        }
        addTitlePage(doc, s.title);
        findReport(s.report)->lay(doc, *rows, env);
    }
    if (progress && !progress(count, count))
        return std::nullopt;
    return doc;
}

} // namespace hb::reports
