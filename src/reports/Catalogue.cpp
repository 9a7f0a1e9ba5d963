#include "reports/Catalogue.h"

#include "common/Formats.h"
#include "logdb/AggQuery.h"
#include "logdb/LogConnection.h"
#include "reports/ReportFormat.h"

#include <QFileInfo>

namespace hb::reports {

namespace {

using Ref = Rows::Ref;
using ValueFn = std::function<QString(const Ref&)>;
using ShownFn = std::function<bool(const Ref&)>;

constexpr double Gap = 2 * UnitsPerMm;

// Value functions for the columns of a row, in the reports' display formats.
struct Values
{
    const Formats& f;

    ValueFn text(const char* c) const
    {
        return [c](const Ref& r) { return r.text(QLatin1String(c)); };
    }
    ValueFn whole(const char* c) const
    {
        return [c](const Ref& r) {
            return r.isNull(QLatin1String(c)) ? QString()
                                              : QString::number(r.integer(QLatin1String(c)));
        };
    }
    ValueFn blankZero(const char* c) const
    {
        return [c](const Ref& r) { return reports::blankZero(r.integer(QLatin1String(c))); };
    }
    // A decimal number in its plain form ("12.5").
    ValueFn number(const char* c) const
    {
        return [c, &f = f](const Ref& r) {
            return r.isNull(QLatin1String(c))
                       ? QString()
                       : f.number(r.number(QLatin1String(c)), QStringLiteral("0.##"));
        };
    }
    ValueFn fixed(const char* c) const
    {
        return [c, &f = f](const Ref& r) {
            return r.isNull(QLatin1String(c)) ? QString()
                                              : fixedText(r.number(QLatin1String(c)), f);
        };
    }
    ValueFn grouped(const char* c) const
    {
        return [c, &f = f](const Ref& r) {
            return r.isNull(QLatin1String(c)) ? QString()
                                              : groupedText(r.number(QLatin1String(c)), f);
        };
    }
    ValueFn money(const char* c) const
    {
        return [c, &f = f](const Ref& r) {
            return r.isNull(QLatin1String(c)) ? QString() : moneyText(r.money(QLatin1String(c)), f);
        };
    }
    // A money amount kept as a decimal number.
    ValueFn moneyNumber(const char* c) const
    {
        return [c, &f = f](const Ref& r) {
            return r.isNull(QLatin1String(c))
                       ? QString()
                       : moneyText(Money::fromDouble(r.number(QLatin1String(c))), f);
        };
    }
    ValueFn date(const char* c) const
    {
        return [c, &f = f](const Ref& r) { return dateText(r.date(QLatin1String(c)), f); };
    }
    ValueFn time12(const char* c) const
    {
        return [c, &f = f](const Ref& r) { return time12Text(r.time(QLatin1String(c)), f); };
    }
    ValueFn hhmm(const char* c) const
    {
        return [c](const Ref& r) { return hhmmText(r.integer(QLatin1String(c))); };
    }
    ValueFn yesNo(const char* c) const
    {
        return [c](const Ref& r) {
            return r.boolean(QLatin1String(c)) ? QStringLiteral("Yes") : QStringLiteral("No");
        };
    }
};

struct SummaryLine
{
    SummaryLine(QString c, QString v, int col = -1)
        : caption(std::move(c)), value(std::move(v)), column(col)
    {}
    QString caption;
    QString value;
    int column = -1; // the value under this column of a table; -1 after the caption
};
using SummaryFn = std::function<std::vector<SummaryLine>(const Rows&)>;

// The page header: the title box, then a heading and captions (may be empty).
Band headerBand(double width, const ReportEnv& env, bool titleBox, int column)
{
    Band band;
    if (titleBox && column == 0 && !env.titleBox.isEmpty()) {
        const double h = lineHeight(FontRole::Heading) + 2 * Gap;
        const double w = std::min(width, textWidth(env.titleBox, FontRole::Heading) + 4 * Gap);
        band.addBox(QRectF(0, 0, w, h), QColor(), 6);
        band.addText(2 * Gap, Gap, w - 4 * Gap, env.titleBox, FontRole::Heading);
        band.height = h + Gap;
    }
    return band;
}

// The summary band under a report's rows; column spans place values under table columns.
Band summaryBand(double width, const std::vector<SummaryLine>& lines,
                 const std::vector<std::pair<double, double>>& columnSpans = {})
{
    Band band;
    if (lines.empty())
        return band;
    double y = Gap;
    band.addLine(0, y, width, y, 8);
    y += Gap;
    for (const SummaryLine& line : lines) {
        double h = 0;
        if (line.column >= 0 && size_t(line.column) < columnSpans.size()) {
            // Under its column, right-aligned; a total wider than the column grows leftwards.
            const auto [x, w] = columnSpans[size_t(line.column)];
            const double vw = std::max(w, textWidth(line.value, FontRole::Bold) + 1);
            const double vx = std::max(0.0, x + w - vw);
            h = std::max(band.addText(0, y, vx - Gap, line.caption, FontRole::Bold, Qt::AlignRight),
                         band.addText(vx, y, vw, line.value, FontRole::Bold, Qt::AlignRight));
        } else {
            const double cw = textWidth(line.caption, FontRole::Bold) + Gap;
            h = std::max(band.addText(0, y, cw, line.caption, FontRole::Bold),
                         band.addText(cw + Gap, y, width - cw - Gap, line.value, FontRole::Bold));
        }
        y += std::max(h, lineHeight(FontRole::Bold));
    }
    band.grow(y);
    return band;
}

// ---- Tables: one line of cells per row, captions in the page header --------------------

struct Column
{
    Column(QString c, double w, ValueFn v, Qt::AlignmentFlag a = Qt::AlignLeft)
        : caption(std::move(c)), weight(w), value(std::move(v)), align(a)
    {}
    QString caption;
    double weight;
    ValueFn value;
    Qt::AlignmentFlag align = Qt::AlignLeft;
};

struct TableSpec
{
    QString heading; // over the captions
    std::vector<Column> columns;
    ValueFn memo;    // full width under the row's cells
    ValueFn subline; // a second line under the cells ("Supplier: ...")
    int perPage = 1; // data columns side by side on a page
    bool titleBox = true;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    SummaryFn summary;
};

std::vector<std::pair<double, double>> spans(const TableSpec& spec, double width)
{
    double total = 0;
    for (const Column& c : spec.columns)
        total += c.weight;
    std::vector<std::pair<double, double>> out;
    double x = 0;
    for (const Column& c : spec.columns) {
        const double w = width * c.weight / total;
        out.emplace_back(x, w - Gap);
        x += w;
    }
    return out;
}

// Rows are laid out when their pages are: `rows` must be kept by the document.
void layTable(Document& doc, const QString& title, TableSpec tableSpec, const Rows& rows,
              const ReportEnv& env)
{
    const auto spec = std::make_shared<const TableSpec>(std::move(tableSpec));
    Frame frame;
    frame.title = title;
    frame.orientation = spec->orientation;
    frame.columns = spec->perPage;
    frame.dateTime = env.footerDateTime();
    frame.header = [spec, env](double width, int column) {
        Band band = headerBand(width, env, spec->titleBox, column);
        double y = band.height;
        if (!spec->heading.isEmpty())
            y += band.addText(0, y, width, spec->heading, FontRole::Heading);
        double h = 0;
        const auto cells = spans(*spec, width);
        for (size_t i = 0; i < cells.size(); ++i) {
            const Column& c = spec->columns[i];
            h = std::max(h, band.addText(cells[i].first, y, cells[i].second, c.caption,
                                         FontRole::Caption, c.align));
        }
        y += h + Gap / 2;
        band.addLine(0, y, width, y, 8);
        band.height = y + Gap;
        return band;
    };
    const int count = rows.size() + (spec->summary ? 1 : 0);
    doc.addBands(std::move(frame), count, [spec, rows = &rows](int index, double width) {
        const auto cells = spans(*spec, width);
        if (index == rows->size())
            return summaryBand(width, spec->summary(*rows), cells);
        const Ref row = rows->at(index);
        Band band;
        double h = lineHeight(FontRole::Normal);
        for (size_t c = 0; c < spec->columns.size(); ++c) {
            const Column& col = spec->columns[c];
            h = std::max(h, band.addText(cells[c].first, 0, cells[c].second, col.value(row),
                                         FontRole::Normal, col.align));
        }
        double y = h;
        if (spec->subline)
            y += band.addText(0, y, width, spec->subline(row));
        if (spec->memo)
            y += band.addText(Gap * 2, y, width - Gap * 2, spec->memo(row));
        y += Gap / 2;
        if (spec->memo || spec->subline)
            band.addLine(0, y, width, y, 2, Qt::gray);
        band.height = y + Gap / 2;
        return band;
    });
}

// ---- Blocks: labelled fields in a grid, one block per row --------------------------------

struct Field
{
    enum class Kind { Value, Break, Heading };
    Field(QString c, ValueFn v, ShownFn s = {}, Kind k = Kind::Value)
        : caption(std::move(c)), value(std::move(v)), shown(std::move(s)), kind(k)
    {}
    QString caption;
    ValueFn value;
    ShownFn shown;
    Kind kind = Kind::Value;
};
Field lineBreak()
{
    return Field{{}, {}, {}, Field::Kind::Break};
}
Field heading(const QString& text, ShownFn shown = {})
{
    return Field{text, {}, std::move(shown), Field::Kind::Heading};
}

struct BlockSpec
{
    int perLine = 3;
    std::vector<Field> fields;
    QString memoCaption;
    ValueFn memo;
    bool titleBox = true;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    SummaryFn summary;
};

Band blockBand(const BlockSpec& spec, const Ref& row, double width)
{
    Band band;
    const double cell = width / spec.perLine;
    double labelWidth = 0;
    for (const Field& f : spec.fields) {
        if (f.kind == Field::Kind::Value)
            labelWidth = std::max(labelWidth, textWidth(f.caption, FontRole::Bold) + Gap);
    }
    labelWidth = std::min(labelWidth, cell * 0.45);
    double y = 0, lineH = 0;
    int slot = 0;
    const auto newLine = [&] {
        if (slot > 0)
            y += std::max(lineH, lineHeight(FontRole::Normal));
        slot = 0;
        lineH = 0;
    };
    for (const Field& f : spec.fields) {
        switch (f.kind) {
        case Field::Kind::Break:
            newLine();
            continue;
        case Field::Kind::Heading:
            newLine();
            if (!f.shown || f.shown(row))
                y += band.addText(0, y + Gap / 2, width, f.caption, FontRole::Caption) + Gap / 2;
            continue;
        case Field::Kind::Value:
            break;
        }
        if (slot == spec.perLine)
            newLine();
        const double x = slot * cell;
        if (!f.shown || f.shown(row)) {
            const double h1 = band.addText(x, y, labelWidth - Gap / 2, f.caption, FontRole::Bold);
            const double h2 =
                f.value ? band.addText(x + labelWidth, y, cell - labelWidth - Gap, f.value(row))
                        : 0;
            lineH = std::max({lineH, h1, h2});
        }
        ++slot;
    }
    newLine();
    if (spec.memo) {
        const QString memo = spec.memo(row);
        if (!memo.isEmpty()) {
            if (!spec.memoCaption.isEmpty())
                y += band.addText(0, y, width, spec.memoCaption, FontRole::Bold);
            y += band.addText(0, y, width, memo);
        }
    }
    y += Gap;
    band.addLine(0, y, width, y, 4, Qt::gray);
    band.height = y + Gap;
    return band;
}

// Rows are laid out when their pages are: `rows` must be kept by the document.
void layBlocks(Document& doc, const QString& title, BlockSpec blockSpec, const Rows& rows,
               const ReportEnv& env)
{
    const auto spec = std::make_shared<const BlockSpec>(std::move(blockSpec));
    Frame frame;
    frame.title = title;
    frame.orientation = spec->orientation;
    frame.dateTime = env.footerDateTime();
    frame.header = [spec, env](double width, int column) {
        Band band = headerBand(width, env, spec->titleBox, column);
        if (band.height > 0)
            band.height += Gap;
        return band;
    };
    const int count = rows.size() + (spec->summary ? 1 : 0);
    doc.addBands(std::move(frame), count, [spec, rows = &rows](int index, double width) {
        if (index == rows->size())
            return summaryBand(width, spec->summary(*rows));
        return blockBand(*spec, rows->at(index), width);
    });
}

SummaryFn countOf(const QString& caption)
{
    return [caption](const Rows& rows) {
        return std::vector<SummaryLine>{{caption, QString::number(rows.size())}};
    };
}

Money sumMoney(const Rows& rows, const char* column)
{
    Money total;
    for (int i = 0; i < rows.size(); ++i)
        total = total + rows.at(i).money(QLatin1String(column));
    return total;
}

double sumNumber(const Rows& rows, const char* column)
{
    double total = 0;
    for (int i = 0; i < rows.size(); ++i)
        total += rows.at(i).number(QLatin1String(column));
    return total;
}

// ---- The reports -------------------------------------------------------------------------

void layTrips(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    const bool eng2 = env.secondEngine;
    const ShownFn second = [eng2](const Ref&) { return eng2; };
    BlockSpec spec;
    spec.perLine = 4;
    spec.fields = {
        {QStringLiteral("Trip Date:"), v.date("TripDate")},
        {QStringLiteral("Start Time:"), v.time12("StartTime")},
        {QStringLiteral("End Date:"),
         [&f = env.formats](const Ref& r) {
             const QDate end = r.date(QStringLiteral("Trip_EndDate"));
             return dateText(end.isValid() ? end : r.date(QStringLiteral("TripDate")), f);
         }},
        {QStringLiteral("End Time:"), v.time12("EndTime")},
        {QStringLiteral("Trip From:"), v.text("tripFrom")},
        {QStringLiteral("Trip To:"), v.text("TripTo")},
        {QStringLiteral("Average RPM:"), v.whole("EngRPM")},
        lineBreak(),
        heading(QStringLiteral("Engine 1")),
        {QStringLiteral("Start Hrs:"), v.number("EngHrsSt")},
        {QStringLiteral("Finish Hrs:"), v.number("EngHrsFin")},
        heading(QStringLiteral("Engine 2"), second),
        {QStringLiteral("Start Hrs:"), v.number("Eng2HrsSt"), second},
        {QStringLiteral("Finish Hrs:"), v.number("Eng2HrsFin"), second},
    };
    spec.memo = v.text("Notes");
    layBlocks(doc, QStringLiteral("Trip Log"), spec, rows, env);
}

void layMaint(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.heading = QStringLiteral("Maintenance");
    spec.columns = {{QStringLiteral("Date"), 10, v.date("MaintDT")},
                    {QStringLiteral("EngHrs"), 7, v.blankZero("EngHrs"), Qt::AlignRight},
                    {QStringLiteral("Description"), 22, v.text("Description")},
                    {QStringLiteral("Component"), 17, v.text("VesselSys")},
                    {QStringLiteral("Cost"), 11, v.money("Cost"), Qt::AlignRight},
                    {QStringLiteral("Supplier"), 19, v.text("Maint_Supplier")},
                    {QStringLiteral("Part Number"), 14, v.text("Maint_PartNo")}};
    spec.memo = v.text("Notes");
    spec.summary = [&f = env.formats](const Rows& rows) {
        return std::vector<SummaryLine>{
            {QStringLiteral("Total Maint. Expenses:"), moneyText(sumMoney(rows, "Cost"), f), 4}};
    };
    layTable(doc, QStringLiteral("Maintenance Report"), spec, rows, env);
}

void layProjects(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.columns = {{QStringLiteral("Submit Date:"), 9, v.date("SubDT")},
                    {QStringLiteral("Goal Date:"), 9, v.date("GoalDT")},
                    {QStringLiteral("Project Title & Notes:"), 34,
                     [](const Ref& r) {
                         const QString notes = r.text(QStringLiteral("Notes"));
                         return notes.isEmpty() ? r.text(QStringLiteral("Title"))
                                                : r.text(QStringLiteral("Title")) + u'\n' + notes;
                     }},
                    {QStringLiteral("Priority:"), 7, v.whole("Priority"), Qt::AlignRight},
                    {QStringLiteral("Start Date:"), 9, v.date("StartDt")},
                    {QStringLiteral("End Date:"), 9, v.date("EndDt")},
                    {QStringLiteral("Catagory:"), 13, v.text("ProjCatagory")},
                    {QStringLiteral("Completed:"), 9, v.yesNo("Complete")}};
    spec.summary = [](const Rows& rows) {
        int done = 0;
        for (int i = 0; i < rows.size(); ++i)
            done += rows.at(i).boolean(QStringLiteral("Complete")) ? 1 : 0;
        return std::vector<SummaryLine>{
            {QStringLiteral("Tasks Complete:"), QString::number(done)},
            {QStringLiteral("Tasks Pending:"), QString::number(rows.size() - done)}};
    };
    layTable(doc, QStringLiteral("Projects"), spec, rows, env);
}

void layFuel(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.columns = {{QStringLiteral("Fuel Date"), 10, v.date("fuelDate")},
                    {QStringLiteral("Eng Hrs"), 8, v.whole("EngHrs"), Qt::AlignRight},
                    {QStringLiteral("Location"), 28, v.text("Location")},
                    {QStringLiteral("Amount"), 10, v.fixed("Amount"), Qt::AlignRight},
                    {QStringLiteral("Units"), 7, v.text("AmtUnit")},
                    {QStringLiteral("Fill Up?"), 7, v.yesNo("IsFull")},
                    {QStringLiteral("Econ"), 8, v.fixed("Econ"), Qt::AlignRight},
                    {QStringLiteral("Cost"), 12, v.grouped("Cost"), Qt::AlignRight}};
    // Cost is money: print it from the exact amount.
    spec.columns.back().value = [&f = env.formats](const Ref& r) {
        return r.isNull(QStringLiteral("Cost"))
                   ? QString()
                   : groupedText(r.money(QStringLiteral("Cost")).toDouble(), f);
    };
    spec.memo = v.text("Notes");
    spec.summary = [&f = env.formats](const Rows& rows) {
        UnitTotals fuel;
        for (int i = 0; i < rows.size(); ++i)
            fuel.add(rows.at(i).text(QStringLiteral("AmtUnit")),
                     rows.at(i).number(QStringLiteral("Amount")));
        return std::vector<SummaryLine>{
            {QStringLiteral("Totals:"), {}},
            {QStringLiteral("Total Fuel:"), fuel.text(f)},
            {QStringLiteral("Total Cost:"), groupedText(sumMoney(rows, "Cost").toDouble(), f), 7}};
    };
    layTable(doc, QStringLiteral("Fuel Report"), spec, rows, env);
}

void layGeneralInventory(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.columns = {{QStringLiteral("Item Name"), 26, v.text("ItemName")},
                    {QStringLiteral("Location"), 18, v.text("Location")},
                    {QStringLiteral("System"), 16, v.text("InvTxtFld1")},
                    {QStringLiteral("Catagory"), 16, v.text("InvTxtFld2")},
                    {QStringLiteral("On Hand"), 8, v.blankZero("InvNumFld1"), Qt::AlignRight},
                    {QStringLiteral("Target"), 8, v.blankZero("InvNumFld2"), Qt::AlignRight},
                    {QStringLiteral("Cost"), 10, v.moneyNumber("InvReal1"), Qt::AlignRight}};
    spec.summary = countOf(QStringLiteral("Total Items in General Inventory:"));
    layTable(doc, QStringLiteral("General Inventory"), spec, rows, env);
}

// The ordering fields of the inventory blocks. alwaysShown: "Order Qty:" and "Order Date:"
// print whether or not the item is on order (their values only when it is, unless valuesAlways).
std::vector<Field> orderFields(const Values& v, bool captionsAlways, bool valuesAlways)
{
    const ShownFn ordered = [](const Ref& r) { return r.boolean(QStringLiteral("InvTF1")); };
    const auto onlyOrdered = [ordered, valuesAlways](ValueFn fn) -> ValueFn {
        if (valuesAlways)
            return fn;
        return [ordered, fn](const Ref& r) { return ordered(r) ? fn(r) : QString(); };
    };
    return {{QStringLiteral("On Hand:"), v.whole("InvNumFld1")},
            {QStringLiteral("Minimum:"), v.whole("InvNumFld2")},
            {QStringLiteral("Ordered:"), v.yesNo("InvTF1")},
            {QStringLiteral("Order Qty:"), onlyOrdered(v.whole("InvNumFld3")),
             captionsAlways ? ShownFn() : ordered},
            {QStringLiteral("Order Date:"), onlyOrdered(v.date("InvDate")),
             captionsAlways ? ShownFn() : ordered}};
}

void layInventoryBlocks(Document& doc, const QString& title, std::vector<Field> fields,
                        std::vector<Field> order, const QString& countCaption, const Rows& rows,
                        const ReportEnv& env)
{
    BlockSpec spec;
    spec.fields = std::move(fields);
    spec.fields.push_back(lineBreak());
    for (Field& f : order)
        spec.fields.push_back(std::move(f));
    if (!countCaption.isEmpty())
        spec.summary = countOf(countCaption);
    layBlocks(doc, title, spec, rows, env);
}

void layCharts(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layInventoryBlocks(doc, QStringLiteral("Charts"),
                       {{QStringLiteral("Chart Name:"), v.text("ItemName")},
                        {QStringLiteral("Location:"), v.text("Location")},
                        {QStringLiteral("Publisher:"), v.text("InvTxtFld1")},
                        {QStringLiteral("Region:"), v.text("InvTxtFld2")},
                        {QStringLiteral("Vendor:"), v.text("InvTxtFld4")},
                        {QStringLiteral("Scale:"), v.text("InvTxtFld3")},
                        {QStringLiteral("Edition:"), v.text("InvTxtFld8")},
                        {QStringLiteral("Datum:"), v.text("InvTxtFld9")},
                        {QStringLiteral("Supplier:"), v.text("InvTxtFld5")},
                        {QStringLiteral("Catalog Num:"), v.text("InvTxtFld6")},
                        {QStringLiteral("Serial Num:"), v.text("InvTxtFld7")}},
                       orderFields(v, true, false), QStringLiteral("Total Charts or Guides:"), rows,
                       env);
}

void layVideos(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layInventoryBlocks(doc, QStringLiteral("Videos On Hand"),
                       {{QStringLiteral("Video Title:"), v.text("ItemName")},
                        {QStringLiteral("Location:"), v.text("Location")},
                        {QStringLiteral("Starring:"), v.text("InvTxtFld1")},
                        {QStringLiteral("Catagory:"), v.text("InvTxtFld2")},
                        {QStringLiteral("Media:"), v.text("InvTxtFld3")},
                        {QStringLiteral("Vendor:"), v.text("InvTxtFld4")},
                        {QStringLiteral("Studio:"), v.text("InvTxtFld5")},
                        {QStringLiteral("Run Time:"), v.text("InvTxtFld6")},
                        {QStringLiteral("Format:"), v.text("InvTxtFld7")}},
                       orderFields(v, true, false), QStringLiteral("Total Videos on Hand:"), rows,
                       env);
}

void layAudios(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layInventoryBlocks(doc, QStringLiteral("Audios On Hand"),
                       {{QStringLiteral("Audio Title:"), v.text("ItemName")},
                        {QStringLiteral("Location:"), v.text("Location")},
                        {QStringLiteral("Artist:"), v.text("InvTxtFld1")},
                        {QStringLiteral("Catagory:"), v.text("InvTxtFld2")},
                        {QStringLiteral("Media:"), v.text("InvTxtFld3")},
                        {QStringLiteral("Vendor:"), v.text("InvTxtFld4")},
                        {QStringLiteral("Label"), v.text("InvTxtFld5")},
                        {QStringLiteral("Tracks"), v.text("InvTxtFld6")},
                        {QStringLiteral("Cat Num."), v.text("InvTxtFld7")}},
                       orderFields(v, true, true), QStringLiteral("Total Audio Titles on Hand:"),
                       rows, env);
}

void layBooks(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layInventoryBlocks(doc, QStringLiteral("Book Inventory"),
                       {{QStringLiteral("Book Title:"), v.text("ItemName")},
                        {QStringLiteral("Location:"), v.text("Location")},
                        {QStringLiteral("Author:"), v.text("InvTxtFld1")},
                        {QStringLiteral("Catagory:"), v.text("InvTxtFld2")},
                        {QStringLiteral("Media:"), v.text("InvTxtFld3")},
                        {QStringLiteral("Vendor:"), v.text("InvTxtFld4")},
                        {QStringLiteral("Publisher:"), v.text("InvTxtFld5")},
                        {QStringLiteral("Length:"), v.text("InvTxtFld6")},
                        {QStringLiteral("Format:"), v.text("InvTxtFld7")}},
                       orderFields(v, false, false), {}, rows, env);
}

void layGalley(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layInventoryBlocks(doc, QStringLiteral("Kitchen Inventory"),
                       {{QStringLiteral("Description:"), v.text("ItemName")},
                        {QStringLiteral("Location:"), v.text("Location")},
                        {QStringLiteral("Brand:"), v.text("InvTxtFld1")},
                        {QStringLiteral("Size:"), v.text("InvTxtFld2")},
                        {QStringLiteral("Vendor:"), v.text("InvTxtFld3")},
                        {QStringLiteral("Isle:"), v.text("InvTxtFld5")}},
                       orderFields(v, false, false), {}, rows, env);
}

void layVessel(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    const auto page = [&](const QString& title, std::vector<Field> fields, int perLine,
                          QPageLayout::Orientation orientation, ValueFn memo = {}) {
        auto spec = std::make_shared<BlockSpec>();
        spec->perLine = perLine;
        spec->fields = std::move(fields);
        spec->memo = std::move(memo);
        spec->orientation = orientation;
        Frame frame;
        frame.title = title;
        frame.orientation = orientation;
        frame.footerDateTime = false;
        frame.dateTime = env.footerDateTime();
        frame.header = [env](double width, int column) {
            Band band = headerBand(width, env, true, column);
            if (band.height > 0)
                band.height += Gap;
            return band;
        };
        // One vessel record; a log without one still prints the empty pages.
        const Rows* data = rows.empty() ? &doc.keep(Rows(QStringList(), {{}})) : &rows;
        doc.addBands(std::move(frame), 1, [spec, data](int, double width) {
            return blockBand(*spec, data->at(0), width);
        });
    };
    page(QStringLiteral("Vessel Information - Owner"),
         {{QStringLiteral("Owner's Name:"), v.text("Owner")},
          lineBreak(),
          {QStringLiteral("Address:"), v.text("Address")},
          lineBreak(),
          {QStringLiteral("City:"), v.text("City")},
          {QStringLiteral("State:"), v.text("State")},
          {QStringLiteral("Postal Code:"), v.text("Postal")},
          {QStringLiteral("Country:"), v.text("Country")},
          lineBreak(),
          {QStringLiteral("Telephone #:"), v.text("Tel")},
          lineBreak(),
          {QStringLiteral("Passport:"), v.text("Passport")},
          {QStringLiteral("Expiration Date:"), v.date("PassExp")},
          lineBreak(),
          {QStringLiteral("Captain:"), v.text("Captain")}},
         2, QPageLayout::Landscape);
    page(QStringLiteral("Vessel Information - Particulars"),
         {heading(QStringLiteral("Vessel")),
          {QStringLiteral("Vessel Name:"), v.text("VesName")},
          {QStringLiteral("Document Number:"), v.text("IDNum")},
          {QStringLiteral("Home Port:"), v.text("Port")},
          {QStringLiteral("VHF Call Sign:"), v.text("Radio")},
          {QStringLiteral("Builder:"), v.text("Builder")},
          {QStringLiteral("Vessel Type:"),
           [](const Ref& r) {
               if (r.isNull(QStringLiteral("PwrSail")))
                   return QString();
               return r.boolean(QStringLiteral("PwrSail")) ? QStringLiteral("Sail")
                                                           : QStringLiteral("Power");
           }},
          {QStringLiteral("Model:"), v.text("BtModel")},
          {QStringLiteral("Year:"), v.text("BtYear")},
          {QStringLiteral("Construction:"), v.text("VesConst")},
          {QStringLiteral("Hull Color:"), v.text("HullClr")},
          {QStringLiteral("Trim Color:"), v.text("TrimClr")},
          {QStringLiteral("Num. Masts:"), v.whole("NumMst")},
          {QStringLiteral("Mast Heights:"), v.text("MstHts")},
          {QStringLiteral("Advertised Length:"), v.number("Length")},
          {QStringLiteral("LOA:"), v.number("LOA")},
          {QStringLiteral("LWL:"), v.number("LWL")},
          {QStringLiteral("Draft:"), v.number("Draft")},
          {QStringLiteral("Beam:"), v.number("Beam")},
          {QStringLiteral("Height:"), v.number("Height")},
          heading(QStringLiteral("Engine(s) Data")),
          {QStringLiteral("Engine Model(s):"), v.text("EngModel")},
          {QStringLiteral("Num Cylinders:"), v.whole("NumCyl")},
          {QStringLiteral("Fuel Usage:"), v.number("EngFuelUse")},
          {QStringLiteral("At RPM:"), v.number("UsageSpd")},
          {QStringLiteral("Eng. Hr. Marker:"), v.number("EngMarkr")},
          {QStringLiteral("Engine Oil:"), v.text("Oil")},
          heading(QStringLiteral("Engine 1")),
          {QStringLiteral("Make:"), v.text("Eng1")},
          {QStringLiteral("Model:"), v.text("EngModel")},
          {QStringLiteral("Start Hours:"), v.whole("StHrs1")},
          {QStringLiteral("End Hours:"), v.whole("EndHrs1")},
          heading(QStringLiteral("Engine 2")),
          {QStringLiteral("Make:"), v.text("Eng2")},
          {QStringLiteral("Model:"), v.text("EngModel")},
          {QStringLiteral("Start Hours:"), v.whole("StHrs2")},
          {QStringLiteral("End Hours:"), v.whole("EndHrs2")},
          heading(QStringLiteral("Propeller Data")),
          {QStringLiteral("Propeller 1"), {}},
          {QStringLiteral("Diameter:"), v.whole("Prop1")},
          {QStringLiteral("Pitch:"), v.whole("Pitch1")},
          {QStringLiteral("Rotation:"), v.text("Rot1")},
          {QStringLiteral("Propeller 2"), {}},
          {QStringLiteral("Diameter:"), v.whole("Prop2")},
          {QStringLiteral("Pitch:"), v.whole("Pitch2")},
          {QStringLiteral("Rotation:"), v.text("Rot2")},
          {QStringLiteral("Num Blades:"), v.whole("NumBlades")},
          heading(QStringLiteral("Transmission")),
          {QStringLiteral("Type:"), v.text("TransType")},
          {QStringLiteral("Model:"), v.text("TransModl")},
          {QStringLiteral("Transmission Oil:"), v.text("TransOil")},
          heading(QStringLiteral("Generator Data")),
          {QStringLiteral("Generator 1"), {}},
          {QStringLiteral("Make:"), v.text("GenMake")},
          {QStringLiteral("Model:"), v.text("GenModel")},
          {QStringLiteral("Fuel Use:"), v.number("GenFuelUse")},
          {QStringLiteral("Hr. Marker:"), v.number("GenMarkr")},
          {QStringLiteral("Generator 2"), {}},
          {QStringLiteral("Make:"), v.text("Gen2")},
          {QStringLiteral("Model:"), v.text("Gen2Mdl")},
          {QStringLiteral("Fuel Use:"), v.number("Gen2FuelUse")},
          {QStringLiteral("Hr. Marker:"), v.number("Gen2Markr")},
          heading(QStringLiteral("Watermaker")),
          {QStringLiteral("Output:"), v.number("WMGal")},
          {QStringLiteral("Hr. Marker:"), v.number("WMMarkr")}},
         5, QPageLayout::Landscape);
    page(QStringLiteral("Vessel Information - Notes"), {}, 1, QPageLayout::Portrait,
         v.text("Notes"));
}

void layContacts(Document& doc, const QString& title, std::vector<Field> fields, const Values& v,
                 bool notes, const Rows& rows, const ReportEnv& env)
{
    BlockSpec spec;
    spec.fields = std::move(fields);
    if (notes) {
        spec.memoCaption = QStringLiteral("Notes");
        spec.memo = v.text("Notes");
    }
    layBlocks(doc, title, spec, rows, env);
}

void layBoats(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layContacts(doc, QStringLiteral("Boat Contacts"),
                {{QStringLiteral("Boat Name:"), v.text("Boat")},
                 {QStringLiteral("Date:"), v.date("Date1")},
                 {QStringLiteral("Meeting Place:"), v.text("MeetPl")},
                 {QStringLiteral("Boat Model:"), v.text("BoatMdl")},
                 {QStringLiteral("Captain:"), v.text("Captain")},
                 {QStringLiteral("Telephone:"), v.text("Phone1")},
                 {QStringLiteral("Email 1:"), v.text("Email1")},
                 {QStringLiteral("Email 2:"), v.text("Email2")}},
                v, true, rows, env);
}

std::vector<Field> personFields(const Values& v, const QString& nameCaption, bool crew)
{
    std::vector<Field> f = {
        {nameCaption, v.text("Name")},
        {QStringLiteral("Age:"), v.blankZero("Age")},
        {QStringLiteral("Birthdate:"), v.date("Date1")},
        {QStringLiteral("Pri. Phone:"), v.text("Phone1")},
        {QStringLiteral("Email:"), v.text("Email1")},
        {crew ? QStringLiteral("Hire Date:") : QStringLiteral("Arrival Date:"), v.date("Date2")},
        {crew ? QStringLiteral("End Date:") : QStringLiteral("Depart Date:"), v.date("Date3")}};
    if (crew)
        f.push_back({QStringLiteral("Position:"), v.text("CrewPosition")});
    f.insert(f.end(), {{QStringLiteral("Emerg. Contact:"), v.text("EmerCont")},
                       {QStringLiteral("Emerg. Phone:"), v.text("Phone2")},
                       {QStringLiteral("Passport:"), v.text("Passport")},
                       {QStringLiteral("Place Issued:"), v.text("PassCntry")},
                       {QStringLiteral("Issue Dt:"), v.date("Date4")},
                       {QStringLiteral("Exp. Date:"), v.date("Date5")}});
    return f;
}

void layGuests(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layContacts(doc, QStringLiteral("Guests"),
                personFields(v, QStringLiteral("Guest Name:"), false), v, false, rows, env);
}

void layCrew(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layContacts(doc, QStringLiteral("Crew"), personFields(v, QStringLiteral("Full Name:"), true), v,
                false, rows, env);
}

std::vector<Field> companyFields(const Values& v, bool service)
{
    return {{QStringLiteral("Company Name:"), v.text("Name")},
            {service ? QStringLiteral("Service:") : QStringLiteral("Products:"), v.text("Product")},
            {service ? QStringLiteral("Serv. Types:") : QStringLiteral("Prod. Types:"),
             v.text("ProdType")},
            {QStringLiteral("Contact Name:"), v.text("EmerCont")},
            {QStringLiteral("Pri. Phone:"), v.text("Phone1")},
            {QStringLiteral("Sec. Phone:"), v.text("Phone2")},
            {QStringLiteral("Address:"), v.text("Addr")},
            {QStringLiteral("City:"), v.text("City")},
            {QStringLiteral("State:"), v.text("State")},
            {QStringLiteral("Country:"), v.text("Country")},
            {QStringLiteral("Postal:"), v.text("Phone3")},
            {QStringLiteral("Email:"), v.text("Email1")}};
}

void laySuppliers(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layContacts(doc, QStringLiteral("Supplier Report"), companyFields(v, false), v, true, rows,
                env);
}

void layServices(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    layContacts(doc, QStringLiteral("Service Providers"), companyFields(v, true), v, true, rows,
                env);
}

void layBattery(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.columns = {{QStringLiteral("Bank"), 12, v.text("BankTxt")},
                    {QStringLiteral("Batt Type"), 12, v.text("BattType")},
                    {QStringLiteral("Read Date"), 12, v.date("ReadDt")},
                    {QStringLiteral("Read Time"), 12, v.text("ReadTime")},
                    {QStringLiteral("Voltage"), 10, v.fixed("ReadVolt"), Qt::AlignRight},
                    {QStringLiteral("Charge Date"), 12, v.date("ChargeDt")},
                    {QStringLiteral("Charge Hours"), 10, v.number("ChargeHrs"), Qt::AlignRight}};
    spec.summary = [&f = env.formats](const Rows& rows) {
        Average volts;
        for (int i = 0; i < rows.size(); ++i) {
            if (!rows.at(i).isNull(QStringLiteral("ReadVolt")))
                volts.add(rows.at(i).number(QStringLiteral("ReadVolt")));
        }
        const auto avg = volts.value();
        return std::vector<SummaryLine>{
            {QStringLiteral("Ave. Voltage:"), avg ? fixedText(*avg, f) : QString(), 4}};
    };
    layTable(doc, QStringLiteral("Battery Readings and Charging"), spec, rows, env);
}

void layWaypoints(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    BlockSpec spec;
    spec.perLine = 4;
    spec.fields = {{QStringLiteral("WP Date:"), v.date("WPDate")},
                   {QStringLiteral("WP Name:"), v.text("WPName")},
                   {QStringLiteral("WP Description:"), v.text("WPDesc")},
                   {QStringLiteral("WP Amenity:"), v.text("WPAmenity")},
                   {QStringLiteral("WP City:"), v.yesNo("WPCity")},
                   {QStringLiteral("WP State:"), v.text("WPState")},
                   {QStringLiteral("WP Country:"), v.text("WPCountry")},
                   {QStringLiteral("WP Region:"), v.text("WPRegion")},
                   {QStringLiteral("WP Lattitude:"), v.text("WPLatt")},
                   {QStringLiteral("WP Longitude:"), v.text("WPLong")},
                   {QStringLiteral("WP Depth:"), v.whole("WPDepth")},
                   lineBreak(),
                   {QStringLiteral("Fish?"), v.yesNo("WPFish")},
                   {QStringLiteral("Port?"), v.yesNo("WPPort")},
                   {QStringLiteral("Anchorage?"), v.yesNo("WPAnch")},
                   {QStringLiteral("POI?"), v.yesNo("WPPOI")}};
    layBlocks(doc, QStringLiteral("Waypoints"), spec, rows, env);
}

void layUsage(Document& doc, const QString& title, const char* date, const char* stop,
              const QString& totalCaption, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.perPage = 2;
    spec.columns = {{QStringLiteral("Run Date"), 10, v.date(date)},
                    {QStringLiteral("Strt. Time"), 8, v.hhmm("TimeSt")},
                    {QStringLiteral("Stop Date"), 10, v.date(stop)},
                    {QStringLiteral("End Time"), 8, v.hhmm("TimeEnd")},
                    {QStringLiteral("Run Time"), 8, v.grouped("TotTime"), Qt::AlignRight}};
    spec.summary = [&f = env.formats, totalCaption](const Rows& rows) {
        return std::vector<SummaryLine>{
            {totalCaption, groupedText(sumNumber(rows, "TotTime"), f), 4}};
    };
    layTable(doc, title, spec, rows, env);
}

void layShopping(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.titleBox = false;
    spec.columns = {{QStringLiteral("Item"), 22, v.text("ItemName")},
                    {QStringLiteral("Description"), 24, v.text("Description")},
                    {QStringLiteral("Item Size"), 16, v.text("ItemSize")},
                    {QStringLiteral("Quantity"), 9, v.whole("NumItems"), Qt::AlignRight},
                    {QStringLiteral("Vendor"), 22, v.text("Vendor")}};
    spec.summary = countOf(QStringLiteral("Total Items:"));
    layTable(doc, QStringLiteral("Shopping List"), spec, rows, env);
}

void layReminders(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.titleBox = false;
    spec.orientation = QPageLayout::Portrait;
    spec.columns = {{QStringLiteral("Date"), 12, v.date("RemDate")},
                    {QStringLiteral("Type of Reminder"), 20, v.text("RemType")},
                    {QStringLiteral("Item"), 22, v.text("RemItem")},
                    {QStringLiteral("Description"), 24, v.text("RemDesc")},
                    {QStringLiteral("Cost"), 13, v.money("RemCost"), Qt::AlignRight}};
    spec.summary = [&f = env.formats](const Rows& rows) {
        return std::vector<SummaryLine>{
            {QStringLiteral("Total Cost"), moneyText(sumMoney(rows, "RemCost"), f), 4}};
    };
    layTable(doc, QStringLiteral("Reminders"), spec, rows, env);
}

void layExpenses(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    TableSpec spec;
    spec.columns = {{QStringLiteral("Date"), 10, v.date("ExpDate")},
                    {QStringLiteral("Type"), 10, v.text("ExpType")},
                    {QStringLiteral("Payee/Payor"), 24, v.text("ExpPay")},
                    {QStringLiteral("Payment"), 11, v.moneyNumber("ExpPayAmt"), Qt::AlignRight},
                    {QStringLiteral("Deposit"), 11, v.moneyNumber("ExpIncAmt"), Qt::AlignRight},
                    {QStringLiteral("Catagory"), 16, v.text("ExpCat")},
                    {QStringLiteral("Memo"), 22, v.text("ExpMemo")}};
    layTable(doc, QStringLiteral("Expense Summary and Register"), spec, rows, env);
}

void layTripPlan(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    BlockSpec spec;
    spec.perLine = 4;
    spec.fields = {{QStringLiteral("Leg:"), v.whole("Leg")},
                   {QStringLiteral("Origin:"), v.text("Origin")},
                   {QStringLiteral("Destination:"), v.text("Destination")},
                   {QStringLiteral("Distance:"), v.fixed("Distance")},
                   {QStringLiteral("Fuel Economy:"), v.number("FuelUse")},
                   {QStringLiteral("Speed:"), v.number("Speed")},
                   {QStringLiteral("Departure Date:"), v.date("DepDate")},
                   {QStringLiteral("Departure Time:"), v.time12("DepTime")},
                   {QStringLiteral("Generatpr Economy:"), v.fixed("GenUse")},
                   {QStringLiteral("Gen. Run Hours per Day:"), v.fixed("GenHours")},
                   {QStringLiteral("Destination Layover Days:"), v.fixed("LayDays")},
                   {QStringLiteral("Fuel Used on Leg:"), v.fixed("LegFuel")}};
    layBlocks(doc, QStringLiteral("Trip Plan Report"), spec, rows, env);
}

void laySchedMaint(Document& doc, const Rows& rows, const ReportEnv& env)
{
    const Values v{env.formats};
    const Formats& f = env.formats;
    const auto due = [&f](const Ref& r) {
        return schedDue(r.text(QStringLiteral("Sched_IntervalType")),
                        r.integer(QStringLiteral("Sched_MaintInt")),
                        r.integer(QStringLiteral("Sched_DateInterval")),
                        r.integer(QStringLiteral("Sched_NxtHrs")),
                        r.date(QStringLiteral("Sched_NxtDate")), f);
    };
    TableSpec spec;
    spec.heading = QStringLiteral("Maintenance");
    spec.columns = {
        {QStringLiteral("Date"), 9,
         [&f](const Ref& r) {
             const QDate done = r.date(QStringLiteral("Sched_MaintDT"));
             return done.isValid() ? dateText(done, f) : QStringLiteral("NOT DONE");
         }},
        {QStringLiteral("EngHrs"), 6, v.blankZero("Sched_EngHrs"), Qt::AlignRight},
        {QStringLiteral("Description"), 20, v.text("Sched_Description")},
        {QStringLiteral("Component"), 15, v.text("Sched_VesselSys")},
        {QStringLiteral("Cost"), 10, v.money("Sched_Cost"), Qt::AlignRight},
        {QStringLiteral("Int. Type"), 6, v.text("Sched_IntervalType")},
        {QStringLiteral("Interval"), 13, [due](const Ref& r) { return due(r).interval; }},
        {QStringLiteral("Next Hrs"), 7, [due](const Ref& r) { return due(r).nextHours; },
         Qt::AlignRight},
        {QStringLiteral("Next Date"), 9, [due](const Ref& r) { return due(r).nextDate; }}};
    spec.subline = [](const Ref& r) {
        QStringList parts;
        parts << QStringLiteral("Supplier: ") + r.text(QStringLiteral("Sched_Supplier"))
              << QStringLiteral("Part Number: ") + r.text(QStringLiteral("Sched_PartNo"));
        return parts.join(QLatin1String("      "));
    };
    spec.memo = v.text("Sched_Notes");
    spec.summary = [&f](const Rows& rows) {
        return std::vector<SummaryLine>{{QStringLiteral("Total Maint. Expenses:"),
                                         moneyText(sumMoney(rows, "Sched_Cost"), f), 4}};
    };
    layTable(doc, QStringLiteral("Scheduled Maintenance Report"), spec, rows, env);
}

using LayFn = void (*)(Document&, const Rows&, const ReportEnv&);

ReportDef def(const char* button, const char* title, QStringList names, const QString& sql,
              LayFn lay)
{
    ReportDef d;
    d.button = QLatin1String(button);
    d.title = QLatin1String(title);
    d.names = std::move(names);
    d.sql = sql;
    d.lay = lay;
    return d;
}

QString inventorySql(int kind)
{
    return QStringLiteral("select * from Inventory where InvType = %1").arg(kind);
}
QString contactSql(int kind)
{
    return QStringLiteral("select * from Contact where ContType = %1").arg(kind);
}

} // namespace

QString ReportEnv::footerDateTime() const
{
    return formats.shortDate(printedAt.date()) + QLatin1Char(' ') +
           formats.locale().toString(printedAt.time(), QLocale::ShortFormat);
}

ReportEnv ReportEnv::forLog(LogConnection& log, const Formats& formats, const QDateTime& now)
{
    ReportEnv env{formats, now, {}, true, QPageSize(QPageSize::Letter)};
    const Rows vessel = Rows::read(log, QStringLiteral("select VesName, Eng2 from BoatInfo"));
    if (!vessel.empty()) {
        env.titleBox = vessel.at(0).text(QStringLiteral("VesName")).trimmed();
        env.secondEngine = !vessel.at(0).text(QStringLiteral("Eng2")).trimmed().isEmpty();
    }
    if (env.titleBox.isEmpty())
        env.titleBox = QFileInfo(log.path()).completeBaseName();
    return env;
}

bool ReportDef::matches(const QString& name) const
{
    const QString n = name.trimmed();
    if (n.compare(button, Qt::CaseInsensitive) == 0 || n.compare(title, Qt::CaseInsensitive) == 0)
        return true;
    return std::any_of(names.begin(), names.end(), [&n](const QString& other) {
        return n.compare(other, Qt::CaseInsensitive) == 0;
    });
}

const std::vector<ReportDef>& catalogue()
{
    static const std::vector<ReportDef> reports = [] {
        std::vector<ReportDef> r = {
            def("Trips", "Trip Log", {QStringLiteral("Trip")},
                QStringLiteral(
                    "select * from TripLog where Archived = 0 order by TripDate, StartTime"),
                layTrips),
            def("Maint.", "Maintenance Report", {QStringLiteral("Maintenance")},
                QStringLiteral("select * from Maint where Archived = 0 order by MaintDT DESC"),
                layMaint),
            def("Project", "Projects", {},
                QStringLiteral("select * from Project where Archived = 0 "
                               "order by Complete, GoalDT, Priority ASC"),
                layProjects),
            def("Fuel", "Fuel Report", {},
                QStringLiteral("select * from Fuel where Archived = 0 order by fuelDate"), layFuel),
            def("Gen. Inv.", "General Inventory", {QStringLiteral("Inventory")}, inventorySql(1),
                layGeneralInventory),
            def("Chart", "Charts", {}, inventorySql(2), layCharts),
            def("Video", "Videos On Hand", {QStringLiteral("Videos")}, inventorySql(3), layVideos),
            def("Audio", "Audios On Hand", {QStringLiteral("Audios")}, inventorySql(4), layAudios),
            def("Book", "Book Inventory", {QStringLiteral("Books")}, inventorySql(5), layBooks),
            def("Galley", "Kitchen Inventory", {}, inventorySql(6), layGalley),
            def("Setup", "Vessel Information", {QStringLiteral("Vessel Info")},
                QStringLiteral("select * from BoatInfo"), layVessel),
            def("Boats", "Boat Contacts", {}, contactSql(1), layBoats),
            def("Guest", "Guests", {}, contactSql(2), layGuests),
            def("Crew", "Crew", {}, contactSql(3), layCrew),
            def("Supplier", "Supplier Report", {QStringLiteral("Suppliers")}, contactSql(4),
                laySuppliers),
            def("Service", "Service Providers", {QStringLiteral("Services")}, contactSql(5),
                layServices),
            def("Battery", "Battery Readings and Charging", {QStringLiteral("Batteries")},
                QStringLiteral("select * from Battery where Archived = 0 order by ReadDt"),
                layBattery),
            def("Waypoint", "Waypoints", {},
                QStringLiteral("select * from Waypoints where Archived = 0 order by WPLatt"),
                layWaypoints),
            def("GenSet", "Generator Usage", {QStringLiteral("Generator")},
                QStringLiteral("select * from GenUse where GenSet = 1 order by GenDt, TimeSt"),
                [](Document& d, const Rows& rows, const ReportEnv& env) {
                    layUsage(d, QStringLiteral("Generator Usage"), "GenDt", "GenStopDate",
                             QStringLiteral("Total Run Times ="), rows, env);
                }),
            def("WM", "Watermaker Usage", {QStringLiteral("Watermaker")},
                QStringLiteral("select * from WMUse order by WMDt, TimeSt"),
                [](Document& d, const Rows& rows, const ReportEnv& env) {
                    layUsage(d, QStringLiteral("Watermaker Usage"), "WMDt", "WMStopDate",
                             QStringLiteral("Total Run Time ="), rows, env);
                }),
            def("Shop List", "Shopping List", {},
                QStringLiteral("select * from ShopList where Archived = 0"), layShopping),
            def("Remindr", "Reminders", {},
                QStringLiteral(
                    "select * from Remind where Archived = 0 order by RemDate, Rem_Complete"),
                layReminders),
            def("Expense", "Expense Summary and Register", {QStringLiteral("Expenses")},
                QStringLiteral("select * from Expenses order by ExpDate"), layExpenses),
            def("Trip Plan", "Trip Plan Report", {QStringLiteral("Trip Planner")},
                QStringLiteral("select * from TripPlan order by Leg"), layTripPlan),
            def("Sched. Maint.", "Scheduled Maintenance Report",
                {QStringLiteral("Scheduled Maintenance")},
                QStringLiteral("select * from SchedMaint where (Sched_MaintComplete = 0) and "
                               "(Sched_Auto = 1) and (Sched_Archived = 0) order by Sched_NxtDate"),
                laySchedMaint),
        };
        r.back().hint = QStringLiteral("Click to enter Sheduled Maintenance");
        return r;
    }();
    return reports;
}

const ReportDef* findReport(const QString& name)
{
    for (const ReportDef& r : catalogue()) {
        if (r.matches(name))
            return &r;
    }
    return nullptr;
}

Document prepareReport(LogConnection& log, const ReportDef& report, const QString& sql,
                       const QVariantMap& params, const ReportEnv& env)
{
    Document doc;
    const Rows& rows = doc.keep(Rows::read(log, sql.isEmpty() ? report.sql : sql, params));
    doc.pageSize = env.pageSize;
    doc.title = report.title + QLatin1String(" - ") + env.titleBox;
    report.lay(doc, rows, env);
    return doc;
}

} // namespace hb::reports
