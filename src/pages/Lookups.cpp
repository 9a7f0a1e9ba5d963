#include "pages/Lookups.h"

#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "logdb/Schema.h"

#include <algorithm>

namespace hb {

namespace {

int textSize(const QString& table, const QString& column)
{
    const TableDef* t = findLogTable(table);
    const ColumnDef* c = t ? t->column(column) : nullptr;
    return c && c->type == LogType::Text ? c->size : 0;
}

int smaller(int a, int b)
{
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    return std::min(a, b);
}

} // namespace

const std::vector<LookupTable>& lookupTables()
{
    static const std::vector<LookupTable> tables = {
        {"Locations", "Location", "Storage Lockers", {{"Inventory", "Location"}}},
        {"InvSystems", "InvSystem", "Inventory Systems", {{"Inventory", "InvTxtFld1"}}},
        {"InvCatagory", "Cat", "Inventory Categories", {{"Inventory", "InvTxtFld2"}}},
        {"City", "Name", "Fuel Dock Locations", {{"Fuel", "Location"}}},
        {"MaintItems",
         "Items",
         "Maint. Descriptions",
         {{"Maint", "Description"}, {"SchedMaint", "Sched_Description"}}},
        {"Systems",
         "System",
         "Maint.Components",
         {{"Maint", "VesselSys"}, {"SchedMaint", "Sched_VesselSys"}}},
        {"CrsLocation",
         "CrsLocation",
         "Trip Destinations",
         {{"TripLog", "tripFrom"},
          {"TripLog", "TripTo"},
          {"TripPlan", "Origin"},
          {"TripPlan", "Destination"}}},
        {"ExpCat", "ExpCat", "Expense Categories", {{"Expenses", "ExpCat"}}},
        {"Exp_PayTypes", "PayType", "Expense Pay Types", {{"Expenses", "ExpType"}}},
        {"RemType", "RemType", "Reminder Types", {{"Remind", "RemType"}}},
    };
    return tables;
}

const LookupTable* findLookupTable(const QString& table)
{
    for (const LookupTable& t : lookupTables()) {
        if (table.compare(QLatin1String(t.table), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

int lookupMaxLength(const QString& table, const QString& column, const QString& targetTable,
                    const QString& targetColumn)
{
    return smaller(textSize(table, column), textSize(targetTable, targetColumn));
}

int lookupEntryLimit(const LookupTable& table)
{
    int limit = textSize(QLatin1String(table.table), QLatin1String(table.column));
    for (const LookupTarget& t : table.targets)
        limit = smaller(limit, textSize(QLatin1String(t.table), QLatin1String(t.column)));
    return limit;
}

QString lookupText(const QString& typed, int maxLength)
{
    return (maxLength > 0 ? typed.left(maxLength) : typed).toUpper();
}

QStringList readLookup(LogConnection& log, const QString& table, const QString& column)
{
    // Names come from the lookup declarations only, never from user text.
    const TableDef* def = findLogTable(table);
    if (!def || !def->column(column))
        return {};
    RecordSet set(log);
    set.open(QStringLiteral("select %1 from %2 order by %3")
                 .arg(QLatin1String(def->column(column)->name), QLatin1String(def->name),
                      def->primaryKey()));
    QStringList entries;
    entries.reserve(set.recordCount());
    const int col = set.fieldIndex(column);
    for (int row = 0; row < set.recordCount(); ++row)
        entries << set.storedValueAt(row, col).toString();
    return entries;
}

void addLookupEntry(LogConnection& log, const QString& table, const QString& column,
                    const QString& text)
{
    const TableDef* def = findLogTable(table);
    if (!def || !def->column(column))
        throw LogError(QStringLiteral("No lookup list %1.%2").arg(table, column));
    log.exec(QStringLiteral("insert into %1 (%2) values (:text)")
                 .arg(QLatin1String(def->name), QLatin1String(def->column(column)->name)),
             {{QStringLiteral("text"), text}});
}

Component componentOf(const QString& text, bool twoEngines)
{
    const QString t = text.toUpper();
    if (t.contains(QLatin1String("ENGINE"))) {
        if (twoEngines && (t.contains(QLatin1String("STBD")) || t.contains(QLatin1String("STAR"))))
            return Component::Engine2;
        return Component::Engine1;
    }
    if (t.contains(QLatin1String("GENERATOR")) || t == QLatin1String("GEN SET"))
        return t.contains(QLatin1String("TWO")) ? Component::Generator2 : Component::Generator1;
    return Component::Other;
}

} // namespace hb
