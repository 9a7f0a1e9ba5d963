#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

#include <array>
#include <optional>
#include <vector>

namespace hb {

// A select statement with its values bound by name.
struct Selection
{
    QString sql;
    QVariantMap params;
    bool operator==(const Selection&) const = default;
};

// What a page's search window offers: up to two date ranges and up to four text criteria, each
// with its caption and the column it searches.
struct SearchField
{
    const char* caption;
    const char* column;
};
struct SearchSpec
{
    const char* caption = nullptr; // the window's caption; none keeps the one it had
    std::vector<SearchField> ranges;
    std::vector<SearchField> criteria;
};

// What the user entered in the search window.
struct SearchInput
{
    struct Range
    {
        bool on = false;
        QDate from, to;
    };
    std::array<Range, 2> ranges;
    std::array<QString, 4> criteria;
};

// The rows a page's search looks in: its table, the condition every row meets ("Archived = 0",
// "Expense_ID > 0"), and for pages that share a table, the kind column and the page's kind.
struct SearchBase
{
    QString table;
    QString condition;
    QString kindColumn;
    int kind = 0;
};

// The outcome of the search window: a narrowed selection, or (nothing entered, or a date range
// that cannot be meant) the whole list again. Decided before any query runs.
struct SearchPlan
{
    enum class Outcome { Narrowed, ShowAll };
    Outcome outcome = Outcome::ShowAll;
    Selection selection;
};

// The earliest date a search range may start on.
inline const QDate EarliestSearchDate{1980, 1, 1};

// Builds the search: every criterion is bound and matched as text contained in the column
// without regard to case (any character, "%" and "_" included, stands for itself); date ranges
// are bound as dates and compared by day; the first ticked range orders the result.
SearchPlan buildSearch(const SearchBase& base, const SearchSpec& spec, const SearchInput& input);

// The simple logs' "Show All" form: the rows not archived (or all of them) in the page's order.
// `order` is a column list as code writes it ("WPDate", "MaintDT DESC").
Selection showAllSelection(const QString& table, bool all, const QString& order);

// The sort text a click on a column's title asks for: ascending, unless the list is sorted on
// that same column ascending already (then descending).
QString toggledSort(const QString& currentSortText, const QString& column);

} // namespace hb
