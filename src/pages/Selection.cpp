#include "pages/Selection.h"

#include <QStringList>

namespace hb {

SearchPlan buildSearch(const SearchBase& base, const SearchSpec& spec, const SearchInput& input)
{
    SearchPlan plan;
    bool entered = false;
    QStringList where{QLatin1Char('(') + base.condition + QLatin1Char(')')};
    QVariantMap params;
    if (!base.kindColumn.isEmpty()) {
        where << base.kindColumn + QLatin1String(" = :kind");
        params.insert(QStringLiteral(":kind"), base.kind);
    }
    QString order;
    for (size_t i = 0; i < spec.ranges.size() && i < input.ranges.size(); ++i) {
        const SearchInput::Range& r = input.ranges[i];
        if (!r.on)
            continue;
        // A range that starts before the earliest date or ends before it starts is no search.
        if (!r.from.isValid() || !r.to.isValid() || r.from < EarliestSearchDate || r.to < r.from)
            return {};
        entered = true;
        const QString column = QString::fromLatin1(spec.ranges[i].column);
        const QString from = QStringLiteral(":from%1").arg(i + 1);
        const QString to = QStringLiteral(":to%1").arg(i + 1);
        where << QStringLiteral("(date(%1) >= %2 and date(%1) <= %3)").arg(column, from, to);
        params.insert(from, r.from);
        params.insert(to, r.to);
        if (i == 0)
            order = column;
    }
    for (size_t i = 0; i < spec.criteria.size() && i < input.criteria.size(); ++i) {
        const QString text = input.criteria[i];
        if (text.isEmpty())
            continue;
        entered = true;
        const QString name = QStringLiteral(":text%1").arg(i + 1);
        where << QStringLiteral("hb_contains(%1, %2)")
                     .arg(QString::fromLatin1(spec.criteria[i].column), name);
        params.insert(name, text);
    }
    if (!entered)
        return {};
    plan.outcome = SearchPlan::Outcome::Narrowed;
    plan.selection.sql = QLatin1String("select * from ") + base.table + QLatin1String(" where ") +
                         where.join(QLatin1String(" and "));
    if (!order.isEmpty())
        plan.selection.sql += QLatin1String(" order by ") + order;
    plan.selection.params = params;
    return plan;
}

Selection showAllSelection(const QString& table, bool all, const QString& order)
{
    QString sql = QLatin1String("select * from ") + table +
                  (all ? QLatin1String(" where (Archived = True or Archived = False)")
                       : QLatin1String(" where (Archived = False)"));
    if (!order.isEmpty())
        sql += QLatin1String(" order by ") + order;
    return {sql, {}};
}

QString toggledSort(const QString& currentSortText, const QString& column)
{
    // The first word of the sort text is its column: "ExpPay" is not "ExpPayAmt".
    const QStringList words = currentSortText.simplified().split(u' ', Qt::SkipEmptyParts);
    const bool sameColumn =
        !words.isEmpty() && words.first().compare(column, Qt::CaseInsensitive) == 0;
    const bool descending = currentSortText.contains(QLatin1String(" DESC"), Qt::CaseInsensitive);
    return column + (sameColumn && !descending ? QLatin1String(" DESC") : QLatin1String(" ASC"));
}

} // namespace hb
