#pragma once

#include "pages/ListColumns.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>

namespace hb {

class Formats;
class RecordSet;

// A read-only table over a record set: one row per row of the set, the columns of a page's
// list with their formats. It follows every change of the set (told before and after), and
// reads rows without moving the set's current row.
class RecordSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    RecordSetModel(RecordSet& set, const Formats& formats, ListColumns columns,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const ListColumns& columns() const { return m_columns; }
    // The column whose title is drawn bold (the sorted one); -1 for none.
    void setBoldColumn(int column);
    int boldColumn() const { return m_bold; }
    // A row's background; an invalid colour leaves the list's own.
    std::function<QColor(int row)> rowColour;

    // A cell as text for export: dates ISO, numbers and money as plain decimal text with ".",
    // check columns "Yes"/"No".
    QString exportText(int row, int column) const;

private:
    int fieldOf(int column) const;

    RecordSet& m_set;
    const Formats& m_formats;
    ListColumns m_columns;
    mutable std::vector<int> m_fieldIndex; // column -> field index of the set; -1 unknown
    int m_bold = -1;
};

} // namespace hb
