#include "pages/RecordSetModel.h"

#include "common/Formats.h"
#include "logdb/RecordSet.h"

#include <QFont>

namespace hb {

RecordSetModel::RecordSetModel(RecordSet& set, const Formats& formats, ListColumns columns,
                               QObject* parent)
    : QAbstractTableModel(parent), m_set(set), m_formats(formats), m_columns(std::move(columns))
{
    connect(&m_set, &RecordSet::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_set, &RecordSet::dataReset, this, [this] {
        m_fieldIndex.clear();
        endResetModel();
    });
    connect(&m_set, &RecordSet::aboutToInsertRow, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(&m_set, &RecordSet::rowInserted, this, [this] { endInsertRows(); });
    connect(&m_set, &RecordSet::aboutToRemoveRow, this,
            [this](int row) { beginRemoveRows({}, row, row); });
    connect(&m_set, &RecordSet::rowRemoved, this, [this] { endRemoveRows(); });
    connect(&m_set, &RecordSet::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount() && columnCount() > 0)
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int RecordSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_set.recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int RecordSetModel::fieldOf(int column) const
{
    if (m_fieldIndex.size() != m_columns.size()) {
        m_fieldIndex.resize(m_columns.size());
        for (size_t c = 0; c < m_columns.size(); ++c)
            m_fieldIndex[c] = m_set.isOpen() ? m_set.fieldIndex(m_columns[c].field) : -1;
    }
    return m_fieldIndex[size_t(column)];
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    if (role == Qt::BackgroundRole) {
        if (rowColour) {
            const QColor colour = rowColour(row);
            if (colour.isValid())
                return colour;
        }
        return {};
    }
    const ListColumn& column = m_columns[size_t(index.column())];
    const int field = fieldOf(index.column());
    if (field < 0)
        return {};
    if (column.format == ColumnFormat::Check) {
        if (role == Qt::CheckStateRole)
            return m_set.valueAt(row, field).toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QVariant v = m_set.valueAt(row, field);
    if (!v.isValid())
        return column.format == ColumnFormat::DateOrNoEntry ? QStringLiteral("No Entry")
                                                            : QString();
    switch (column.format) {
    case ColumnFormat::Date:
    case ColumnFormat::DateOrNoEntry:
        return m_formats.shortDate(v.toDate());
    case ColumnFormat::Number:
        return m_formats.number(v.toDouble(), column.pattern);
    case ColumnFormat::Money:
        return m_formats.money(v.toDouble());
    default:
        break;
    }
    if (v.typeId() == QMetaType::QDate)
        return m_formats.shortDate(v.toDate());
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::QTime)
        return v.toTime().toString(QStringLiteral("HH:mm"));
    return v.toString();
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_columns[size_t(section)].title;
    if (role == Qt::FontRole && section == m_bold) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

void RecordSetModel::setBoldColumn(int column)
{
    if (column == m_bold)
        return;
    const int before = m_bold;
    m_bold = column;
    if (before >= 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, before, before);
    if (m_bold >= 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, m_bold, m_bold);
}

QString RecordSetModel::exportText(int row, int column) const
{
    const int field = fieldOf(column);
    if (field < 0)
        return {};
    const QVariant v = m_set.valueAt(row, field);
    if (!v.isValid())
        return {};
    const ListColumn& c = m_columns[size_t(column)];
    if (c.format == ColumnFormat::Check || v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Double:
        if (m_set.columnType(field) == LogType::Currency)
            return formatNumber(v.toDouble(), QStringLiteral("0.00"));
        return QString::number(v.toDouble(), 'g', 15);
    default:
        return v.toString();
    }
}

} // namespace hb
