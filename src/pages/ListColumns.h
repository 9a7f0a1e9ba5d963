#pragma once

#include <QString>

#include <vector>

namespace hb {

// How a list column shows its field.
enum class ColumnFormat {
    Text,
    Date,          // the user's short date; no date shows nothing
    DateOrNoEntry, // as Date; no date (or the zero date) shows "No Entry"
    Number,        // with the column's pattern ("00.00")
    Money,         // the currency symbol and "#,##0.00"
    Check,         // a yes/no field drawn as a check box
};

struct ListColumn
{
    ListColumn(QString field, QString title, ColumnFormat format = ColumnFormat::Text,
               QString pattern = {})
        : field(std::move(field)), title(std::move(title)), format(format),
          pattern(std::move(pattern))
    {}
    QString field;
    QString title;
    ColumnFormat format;
    QString pattern; // for Number
};
using ListColumns = std::vector<ListColumn>;

} // namespace hb
