#include "logdb/RecordSet.h"

#include "logdb/LogError.h"
#include "logdb/SqliteStatement.h"

#include <algorithm>
#include <cmath>

namespace hb {

namespace {

QString quoted(const QString& identifier)
{
    QString q = identifier;
    q.replace(u'"', QLatin1String("\"\""));
    return u'"' + q + u'"';
}

bool isNumericType(std::optional<LogType> t)
{
    if (!t)
        return false;
    switch (*t) {
    case LogType::Counter:
    case LogType::SmallInt:
    case LogType::Integer:
    case LogType::Float:
    case LogType::Currency:
    case LogType::YesNo:
        return true;
    default:
        return false;
    }
}

const QDate ZeroDate(1899, 12, 30);

} // namespace

RecordSet::RecordSet(LogConnection& connection, QObject* parent)
    : QObject(parent), m_connection(connection)
{
    m_connection.attach(this);
}

RecordSet::~RecordSet()
{
    m_connection.detach(this);
}

void RecordSet::emitAboutToReset()
{
    if (signalsOn())
        Q_EMIT aboutToReset();
}

void RecordSet::emitReset()
{
    if (signalsOn())
        Q_EMIT dataReset();
}

bool RecordSet::open(const QString& sql, const Params& params)
{
    if ((m_state == State::Insert || m_state == State::Edit) && !ensureBrowse())
        return false;
    emitAboutToReset();
    // The rows of the last statement go before the new ones are read: a set never holds two
    // lists at once.
    std::vector<Row>().swap(m_rows);
    try {
        read(sql, params);
    } catch (...) {
        // A statement that fails leaves the set closed.
        clearRows();
        emitReset();
        throw;
    }
    m_sql = sql;
    m_params = params;
    m_sortText.clear();
    m_current = 0;
    m_bof = true;
    m_eof = m_rows.empty();
    m_modified = false;
    setState(State::Browse);
    emitReset();
    fireScroll();
    return true;
}

bool RecordSet::requery()
{
    if (!isOpen())
        throw LogError(QStringLiteral("The record set is not open."));
    if (!ensureBrowse())
        return false;
    const QVariant key = m_keyColumn >= 0 && !m_rows.empty()
                             ? m_rows[size_t(m_current)].values[size_t(m_keyColumn)]
                             : QVariant();
    const QString sql = m_sql;
    const Params params = m_params;
    emitAboutToReset();
    try {
        read(sql, params);
    } catch (...) {
        emitReset();
        throw;
    }
    if (!m_sortText.isEmpty())
        sortRows(m_sortText);
    m_current = 0;
    if (key.isValid()) {
        for (size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].values[size_t(m_keyColumn)] == key) {
                m_current = int(i);
                break;
            }
        }
    }
    m_bof = m_current == 0;
    m_eof = m_rows.empty();
    emitReset();
    fireScroll();
    return true;
}

void RecordSet::read(const QString& sql, const Params& params)
{
    SqliteStatement statement(m_connection, sql);
    statement.bind(params);
    bool more = statement.step(); // the first step also settles the column metadata

    const int count = statement.columnCount();
    std::vector<Column> columns(static_cast<size_t>(count));
    std::vector<QString> origins(static_cast<size_t>(count));
    QHash<QString, int> index;
    QString table;
    bool oneTable = count > 0;
    int keyColumn = -1;
    for (int i = 0; i < count; ++i) {
        Column& c = columns[size_t(i)];
        c.name = statement.columnName(i);
        index.insert(c.name.toLower(), i);
        const QString t = statement.tableName(i);
        if (t.isEmpty()) {
            oneTable = false;
            continue;
        }
        origins[size_t(i)] = statement.originName(i);
        c.type = m_connection.columnType(t, origins[size_t(i)]);
        if (table.isEmpty())
            table = t;
        else if (table.compare(t, Qt::CaseInsensitive) != 0)
            oneTable = false;
        if (c.type == LogType::Counter)
            keyColumn = i;
    }
    // Long memo texts of a set that can reach its rows by key are fetched when first used.
    const bool writable = oneTable && keyColumn >= 0;
    std::vector<char> deferrable(size_t(count), 0);
    for (int i = 0; i < count; ++i)
        deferrable[size_t(i)] = writable && columns[size_t(i)].type == LogType::Memo;
    const QVariant deferred = QVariant::fromValue(DeferredMemo{});

    std::vector<Row> rows;
    for (; more; more = statement.step()) {
        Row row;
        row.id = m_nextId++;
        row.values.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            if (deferrable[size_t(i)] && statement.bytes(i) > DeferredMemoBytes)
                row.values.push_back(deferred);
            else
                row.values.push_back(statement.value(i));
        }
        rows.push_back(std::move(row));
    }

    m_origins = std::move(origins);
    m_columns = std::move(columns);
    m_columnIndex = std::move(index);
    m_rows = std::move(rows);
    m_table = writable ? table : QString();
    m_keyColumn = writable ? keyColumn : -1;
    m_readOnly = !writable || m_connection.isReadOnly();
}

void RecordSet::close()
{
    if (m_state == State::Inactive)
        return;
    emitAboutToReset();
    clearRows();
    emitReset();
}

void RecordSet::clearRows()
{
    m_rows.clear();
    m_columns.clear();
    m_columnIndex.clear();
    m_origins.clear();
    m_table.clear();
    m_keyColumn = -1;
    m_current = 0;
    m_bof = m_eof = true;
    m_modified = false;
    m_sortText.clear();
    setState(State::Inactive);
}

void RecordSet::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    if (signalsOn())
        Q_EMIT stateChanged(s);
}

void RecordSet::fireScroll()
{
    if (signalsOn())
        Q_EMIT currentChanged(m_current);
    if (afterScroll)
        afterScroll(*this);
}

bool RecordSet::ensureBrowse()
{
    if (m_state == State::Insert && !m_modified)
        cancel();
    else if (m_state == State::Insert || m_state == State::Edit)
        post();
    return m_state == State::Browse;
}

void RecordSet::setCurrent(int index, bool scroll)
{
    const bool moved = index != m_current;
    m_current = index;
    if (moved && scroll)
        fireScroll();
}

bool RecordSet::first()
{
    if (!isOpen() || !ensureBrowse())
        return false;
    setCurrent(0);
    m_bof = true;
    m_eof = m_rows.empty();
    return true;
}

bool RecordSet::last()
{
    if (!isOpen() || !ensureBrowse())
        return false;
    setCurrent(m_rows.empty() ? 0 : int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
    return true;
}

bool RecordSet::next()
{
    if (!isOpen() || !ensureBrowse())
        return false;
    if (m_current + 1 < int(m_rows.size())) {
        setCurrent(m_current + 1);
        m_bof = false;
        m_eof = false;
    } else {
        m_eof = true;
    }
    return true;
}

bool RecordSet::prior()
{
    if (!isOpen() || !ensureBrowse())
        return false;
    if (m_current > 0) {
        setCurrent(m_current - 1);
        m_bof = false;
        m_eof = false;
    } else {
        m_bof = true;
    }
    return true;
}

bool RecordSet::moveTo(int recNo)
{
    if (!isOpen() || m_rows.empty() || !ensureBrowse() || m_rows.empty())
        return false;
    const int index = std::clamp(recNo - 1, 0, int(m_rows.size()) - 1);
    setCurrent(index);
    m_bof = m_eof = false;
    return true;
}

QVariant RecordSet::keyAt(int row) const
{
    if (m_keyColumn < 0 || row < 0 || row >= int(m_rows.size()))
        return {};
    return m_rows[size_t(row)].values[size_t(m_keyColumn)];
}

QVariant RecordSet::key() const
{
    return keyAt(m_current);
}

bool RecordSet::locate(const QString& field, const QVariant& value)
{
    const int column = requireField(field);
    if (!isOpen())
        return false;
    const QVariant wanted = toStored(column, value);
    auto matches = [&](int r) {
        const QVariant& v = cell(r, column);
        if (v.isNull() || wanted.isNull())
            return v.isNull() && wanted.isNull();
        if (v.typeId() == QMetaType::QByteArray || wanted.typeId() == QMetaType::QString)
            return storedText(v) == wanted.toString();
        return v == wanted;
    };
    for (int r = 0; r < int(m_rows.size()); ++r) {
        if (matches(r)) {
            const quint64 id = m_rows[size_t(r)].id;
            if (!ensureBrowse())
                return false;
            for (int j = 0; j < int(m_rows.size()); ++j) {
                if (m_rows[size_t(j)].id == id) {
                    setCurrent(j);
                    m_bof = m_eof = false;
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

RecordSet::Bookmark RecordSet::bookmark() const
{
    if (m_rows.empty())
        return {};
    return {m_rows[size_t(m_current)].id};
}

bool RecordSet::gotoBookmark(const Bookmark& mark)
{
    if (!mark.isValid() || !isOpen())
        return false;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == mark.id) {
            if (!ensureBrowse())
                return false;
            // A post may have dropped a new row: look again.
            for (size_t j = 0; j < m_rows.size(); ++j) {
                if (m_rows[j].id == mark.id) {
                    setCurrent(int(j));
                    m_bof = m_eof = false;
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

QStringList RecordSet::fieldNames() const
{
    QStringList names;
    for (const Column& c : m_columns)
        names << c.name;
    return names;
}

int RecordSet::fieldIndex(const QString& name) const
{
    return m_columnIndex.value(name.toLower(), -1);
}

int RecordSet::requireField(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw LogError(QStringLiteral("Field '%1' not found").arg(name));
    return i;
}

std::optional<LogType> RecordSet::fieldType(const QString& name) const
{
    const int i = fieldIndex(name);
    return i < 0 ? std::nullopt : m_columns[size_t(i)].type;
}

const QVariant& RecordSet::raw(const QString& name) const
{
    static const QVariant none;
    const int i = requireField(name);
    if (m_rows.empty())
        return none;
    return cell(m_current, i);
}

const QVariant& RecordSet::cell(int row, int column) const
{
    QVariant& v = m_rows[size_t(row)].values[size_t(column)];
    if (v.metaType() == QMetaType::fromType<DeferredMemo>()) {
        SqliteStatement select(m_connection,
                               QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                   .arg(quoted(m_origins[size_t(column)]), quoted(m_table),
                                        quoted(m_origins[size_t(m_keyColumn)])));
        select.bindAt(1, m_rows[size_t(row)].values[size_t(m_keyColumn)]);
        v = select.step() ? select.value(0) : QVariant();
        // The copy kept for cancel holds the same text, so an unchanged memo is not rewritten.
        if (m_state == State::Edit && row == m_current)
            m_original.values[size_t(column)] = v;
    }
    return v;
}

QVariant RecordSet::storedValue(const QString& name) const
{
    const QVariant& v = raw(name);
    return v.typeId() == QMetaType::QByteArray ? QVariant(storedText(v)) : v;
}

QVariant RecordSet::storedValueAt(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= int(m_columns.size()))
        return {};
    const QVariant& v = cell(row, column);
    return v.typeId() == QMetaType::QByteArray ? QVariant(storedText(v)) : v;
}

bool RecordSet::isNull(const QString& name) const
{
    return raw(name).isNull();
}

QVariant RecordSet::typed(const QVariant& stored, int column) const
{
    const QVariant v =
        stored.typeId() == QMetaType::QByteArray ? QVariant(storedText(stored)) : stored;
    if (v.isNull())
        return {};
    switch (m_columns[size_t(column)].type.value_or(LogType::Memo)) {
    case LogType::Currency:
        return Money::fromUnits(v.toLongLong()).toDouble();
    case LogType::YesNo:
        return v.toLongLong() != 0;
    case LogType::DateTime: {
        const QString s = v.toString();
        if (s.size() == 8)
            return QTime::fromString(s, QStringLiteral("HH:mm:ss"));
        const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (!d.isValid() || d == ZeroDate)
            return s.size() > 10 && d == ZeroDate
                       ? QVariant(QDateTime(
                             ZeroDate, QTime::fromString(s.mid(11, 8), QStringLiteral("HH:mm:ss"))))
                       : QVariant();
        if (s.size() == 10)
            return d;
        const QTime t = QTime::fromString(s.mid(11, 8), QStringLiteral("HH:mm:ss"));
        return QDateTime(d, t.isValid() ? t : QTime(0, 0));
    }
    default:
        return v;
    }
}

QVariant RecordSet::value(const QString& name) const
{
    const int i = requireField(name);
    if (m_rows.empty())
        return {};
    return typed(cell(m_current, i), i);
}

QVariant RecordSet::valueAt(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= int(m_columns.size()))
        return {};
    return typed(cell(row, column), column);
}

QVariant RecordSet::valueAt(int row, const QString& name) const
{
    return valueAt(row, fieldIndex(name));
}

std::optional<LogType> RecordSet::columnType(int column) const
{
    if (column < 0 || column >= int(m_columns.size()))
        return std::nullopt;
    return m_columns[size_t(column)].type;
}

QString RecordSet::text(const QString& name) const
{
    const QVariant& v = raw(name);
    if (v.isNull())
        return {};
    switch (m_columns[size_t(fieldIndex(name))].type.value_or(LogType::Memo)) {
    case LogType::Currency:
        return Money::fromUnits(v.toLongLong()).toString();
    case LogType::YesNo:
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return storedText(v);
    }
}

int RecordSet::integer(const QString& name) const
{
    const QVariant v = storedValue(name);
    if (m_columns[size_t(fieldIndex(name))].type == LogType::Currency)
        return int(std::lround(Money::fromUnits(v.toLongLong()).toDouble()));
    if (v.typeId() == QMetaType::Double)
        return int(std::lround(v.toDouble()));
    return v.toInt();
}

double RecordSet::number(const QString& name) const
{
    const QVariant v = storedValue(name);
    if (m_columns[size_t(fieldIndex(name))].type == LogType::Currency)
        return Money::fromUnits(v.toLongLong()).toDouble();
    return v.toDouble();
}

Money RecordSet::money(const QString& name) const
{
    const QVariant v = storedValue(name);
    if (m_columns[size_t(fieldIndex(name))].type == LogType::Currency)
        return Money::fromUnits(v.toLongLong());
    return Money::fromDouble(v.toDouble());
}

bool RecordSet::boolean(const QString& name) const
{
    const QVariant v = storedValue(name);
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        return s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || s == u"1" ||
               s == u"-1";
    }
    return v.toLongLong() != 0;
}

QDate RecordSet::date(const QString& name) const
{
    const QString s = storedText(raw(name));
    const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    return d == ZeroDate ? QDate() : d;
}

QTime RecordSet::time(const QString& name) const
{
    const QString s = storedText(raw(name));
    return QTime::fromString(s.right(8), QStringLiteral("HH:mm:ss"));
}

QDateTime RecordSet::dateTime(const QString& name) const
{
    const QString s = storedText(raw(name));
    if (s.size() == 8)
        return QDateTime(ZeroDate, time(name));
    const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    if (!d.isValid())
        return {};
    const QTime t =
        s.size() >= 19 ? QTime::fromString(s.mid(11, 8), QStringLiteral("HH:mm:ss")) : QTime(0, 0);
    return QDateTime(d, t.isValid() ? t : QTime(0, 0));
}

QVariant RecordSet::toStored(int column, const QVariant& value) const
{
    const std::optional<LogType> type = m_columns[size_t(column)].type;
    if (!type)
        return LogConnection::toStorage(value);
    if (value.isNull() || !value.isValid())
        return *type == LogType::YesNo ? QVariant(0) : QVariant();
    const int id = value.typeId();
    const bool isText = id == QMetaType::QString;
    switch (*type) {
    case LogType::Currency: {
        if (value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>().units();
        if (isText) {
            if (const auto m = Money::parse(value.toString()))
                return m->units();
            return value; // the engine refuses it
        }
        bool ok = false;
        const double d = value.toDouble(&ok);
        return ok ? QVariant(Money::fromDouble(d).units()) : value;
    }
    case LogType::DateTime:
        return LogConnection::toStorage(value);
    case LogType::YesNo:
        if (id == QMetaType::Bool)
            return value.toBool() ? 1 : 0;
        if (isText) {
            const QString s = value.toString();
            if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return 1;
            if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return 0;
        }
        return value;
    case LogType::Counter:
    case LogType::SmallInt:
    case LogType::Integer: {
        if (id == QMetaType::Double) {
            const double d = value.toDouble();
            if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15)
                return qlonglong(d);
            return value;
        }
        if (isText) {
            bool ok = false;
            const qlonglong n = value.toString().trimmed().toLongLong(&ok);
            return ok ? QVariant(n) : value;
        }
        if (id == QMetaType::Bool)
            return value.toBool() ? 1 : 0;
        return value;
    }
    case LogType::Float:
        if (isText) {
            bool ok = false;
            const double d = value.toString().trimmed().toDouble(&ok);
            return ok ? QVariant(d) : value;
        }
        return value;
    case LogType::Text:
    case LogType::Memo:
        return LogConnection::toStorage(value);
    }
    return value;
}

void RecordSet::setValue(const QString& name, const QVariant& value)
{
    const int i = requireField(name);
    if (m_state != State::Insert && m_state != State::Edit)
        throw LogError(QStringLiteral("Dataset not in edit or insert mode"));
    if (i == m_keyColumn || m_columns[size_t(i)].type == LogType::Counter)
        throw LogError(
            QStringLiteral("Field '%1' cannot be modified").arg(m_columns[size_t(i)].name));
    m_rows[size_t(m_current)].values[size_t(i)] = toStored(i, value);
    m_modified = true;
    if (signalsOn())
        Q_EMIT rowChanged(m_current);
}

void RecordSet::requireWritable() const
{
    if (!isOpen())
        throw LogError(QStringLiteral("The record set is not open."));
    if (m_readOnly)
        throw LogError(QStringLiteral("Cannot modify a read-only dataset"));
}

bool RecordSet::insert()
{
    return startInsert(false);
}

bool RecordSet::append()
{
    return startInsert(true);
}

bool RecordSet::startInsert(bool atEnd)
{
    requireWritable();
    if (!ensureBrowse())
        return false;
    if (beforeInsert && beforeInsert(*this) == Abort)
        return false;
    Row row;
    row.id = m_nextId++;
    row.values.resize(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].type == LogType::YesNo)
            row.values[i] = 0;
    }
    m_insertedFrom = m_current;
    const int at = atEnd || m_rows.empty() ? int(m_rows.size()) : m_current;
    if (signalsOn())
        Q_EMIT aboutToInsertRow(at);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    m_current = at;
    m_bof = m_eof = false;
    m_modified = false;
    setState(State::Insert);
    if (signalsOn())
        Q_EMIT rowInserted(at);
    if (afterInsert)
        afterInsert(*this);
    fireScroll();
    return true;
}

void RecordSet::edit()
{
    requireWritable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_rows.empty())
        throw LogError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (beforeEdit && beforeEdit(*this) == Abort)
        return;
    m_original = m_rows[size_t(m_current)];
    m_modified = false;
    setState(State::Edit);
    if (afterEdit)
        afterEdit(*this);
}

void RecordSet::post()
{
    if (m_state != State::Insert && m_state != State::Edit)
        throw LogError(QStringLiteral("Dataset not in edit or insert mode"));
    if (beforePost && beforePost(*this) == Abort)
        return;
    Row& row = m_rows[size_t(m_current)];
    if (m_state == State::Insert)
        writeInsert(row);
    else
        writeUpdate(row);
    m_modified = false;
    setState(State::Browse);
    if (signalsOn())
        Q_EMIT rowChanged(m_current);
    if (afterPost)
        afterPost(*this);
    Q_EMIT posted();
}

void RecordSet::writeInsert(Row& row)
{
    QStringList names, marks;
    std::vector<const QVariant*> values;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (int(i) == m_keyColumn || m_origins[i].isEmpty() || row.values[i].isNull())
            continue;
        names << quoted(m_origins[i]);
        marks << QStringLiteral("?");
        values.push_back(&row.values[i]);
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoted(m_table), names.join(QLatin1String(", ")),
                                       marks.join(QLatin1String(", ")));
    SqliteStatement insert(m_connection, sql);
    for (size_t i = 0; i < values.size(); ++i)
        insert.bindAt(int(i) + 1, *values[i]);
    insert.step();
    refreshRow(row, insert.lastInsertRowId());
}

void RecordSet::writeUpdate(const Row& row)
{
    QStringList sets;
    std::vector<const QVariant*> values;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (int(i) == m_keyColumn || m_origins[i].isEmpty())
            continue;
        const QVariant& now = row.values[i];
        const QVariant& before = m_original.values[i];
        if (now.isNull() && before.isNull())
            continue;
        if (!now.isNull() && !before.isNull() && now.typeId() == before.typeId() && now == before)
            continue;
        sets << quoted(m_origins[i]) + QLatin1String(" = ?");
        values.push_back(&now);
    }
    if (sets.isEmpty())
        return;
    SqliteStatement update(m_connection, QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                             .arg(quoted(m_table), sets.join(QLatin1String(", ")),
                                                  quoted(m_origins[size_t(m_keyColumn)])));
    int at = 1;
    for (const QVariant* v : values)
        update.bindAt(at++, *v);
    update.bindAt(at, row.values[size_t(m_keyColumn)]);
    update.step();
    if (update.changes() != 1)
        throw LogError(QStringLiteral("The row being saved is no longer in the log."));
}

void RecordSet::refreshRow(Row& row, qint64 key)
{
    // Read the row back so that the key and the column defaults are what the log holds.
    SqliteStatement select(m_connection,
                           QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                               .arg(quoted(m_table), quoted(m_origins[size_t(m_keyColumn)])));
    select.bindAt(1, key);
    if (!select.step()) {
        row.values[size_t(m_keyColumn)] = key;
        return;
    }
    QHash<QString, int> at;
    for (int c = 0; c < select.columnCount(); ++c)
        at.insert(select.columnName(c).toLower(), c);
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_origins[i].isEmpty())
            continue;
        const int c = at.value(m_origins[i].toLower(), -1);
        if (c >= 0)
            row.values[i] = select.value(c);
    }
}

void RecordSet::cancel()
{
    if (m_state == State::Insert) {
        const int at = m_current;
        if (signalsOn())
            Q_EMIT aboutToRemoveRow(at);
        m_rows.erase(m_rows.begin() + at);
        if (signalsOn())
            Q_EMIT rowRemoved(at);
        m_current = m_rows.empty() ? 0 : std::clamp(m_insertedFrom, 0, int(m_rows.size()) - 1);
        m_bof = m_current == 0;
        m_eof = m_rows.empty();
        m_modified = false;
        setState(State::Browse);
        if (afterCancel)
            afterCancel(*this);
        Q_EMIT cancelled();
        fireScroll();
    } else if (m_state == State::Edit) {
        m_rows[size_t(m_current)] = m_original;
        m_modified = false;
        setState(State::Browse);
        if (signalsOn())
            Q_EMIT rowChanged(m_current);
        if (afterCancel)
            afterCancel(*this);
        Q_EMIT cancelled();
    }
}

void RecordSet::remove()
{
    requireWritable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_rows.empty())
        throw LogError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (beforeDelete && beforeDelete(*this) == Abort)
        return;
    if (m_state == State::Edit) {
        m_rows[size_t(m_current)] = m_original;
        setState(State::Browse);
    }
    const QVariant key = m_rows[size_t(m_current)].values[size_t(m_keyColumn)];
    m_connection.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = :key")
                          .arg(quoted(m_table), quoted(m_origins[size_t(m_keyColumn)])),
                      {{QStringLiteral(":key"), key}});
    const int at = m_current;
    if (signalsOn())
        Q_EMIT aboutToRemoveRow(at);
    m_rows.erase(m_rows.begin() + at);
    if (signalsOn())
        Q_EMIT rowRemoved(at);
    if (m_current >= int(m_rows.size()))
        m_current = std::max(0, int(m_rows.size()) - 1);
    m_bof = m_current == 0;
    m_eof = m_rows.empty();
    if (afterDelete)
        afterDelete(*this);
    fireScroll();
}

bool RecordSet::sort(const QString& order)
{
    if (!isOpen())
        return false;
    if (!ensureBrowse())
        return false;
    emitAboutToReset();
    try {
        sortRows(order);
    } catch (...) {
        emitReset();
        throw;
    }
    m_sortText = order;
    if (signalsOn()) {
        Q_EMIT dataReset();
        Q_EMIT currentChanged(m_current);
    }
    return true;
}

namespace {

// A text as a key that sorts without regard to case: ASCII folded in place, other text
// case-folded by Unicode rules.
QByteArray foldedKey(const QVariant& v)
{
    QByteArray bytes =
        v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
    bool ascii = true;
    for (const char c : std::as_const(bytes)) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!ascii)
        return QString::fromUtf8(bytes).toCaseFolded().toUtf8();
    for (char& c : bytes) {
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    }
    return bytes;
}

} // namespace

void RecordSet::sortRows(const QString& order)
{
    struct Key
    {
        int column;
        bool descending;
        bool numeric;
        std::vector<char> isNull;
        std::vector<double> numbers;
        std::vector<QByteArray> texts;
    };
    std::vector<Key> keys;
    for (const QString& part : order.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const int column = requireField(words.value(0));
        bool descending = false;
        if (words.size() > 1) {
            const QString dir = words.at(1).toUpper();
            if (dir == QLatin1String("DESC"))
                descending = true;
            else if (dir != QLatin1String("ASC"))
                throw LogError(QStringLiteral("Invalid sort order: %1").arg(part.trimmed()));
        }
        keys.push_back(
            {column, descending, isNumericType(m_columns[size_t(column)].type), {}, {}, {}});
    }
    const size_t n = m_rows.size();
    // Sort keys are worked out once per row, not once per comparison.
    for (Key& k : keys) {
        if (m_columns[size_t(k.column)].type == LogType::Memo)
            loadColumn(k.column);
        k.isNull.resize(n);
        if (k.numeric)
            k.numbers.resize(n);
        else
            k.texts.resize(n);
        for (size_t r = 0; r < n; ++r) {
            const QVariant& v = m_rows[r].values[size_t(k.column)];
            k.isNull[r] = v.isNull();
            if (v.isNull())
                continue;
            if (k.numeric)
                k.numbers[r] = v.toDouble();
            else
                k.texts[r] = foldedKey(v);
        }
    }
    std::vector<int> perm(n);
    for (size_t r = 0; r < n; ++r)
        perm[r] = int(r);
    std::stable_sort(perm.begin(), perm.end(), [&keys](int a, int b) {
        for (const Key& k : keys) {
            int c = 0;
            const bool an = k.isNull[size_t(a)], bn = k.isNull[size_t(b)];
            if (an || bn) {
                c = an == bn ? 0 : (an ? -1 : 1);
            } else if (k.numeric) {
                const double x = k.numbers[size_t(a)], y = k.numbers[size_t(b)];
                c = x < y ? -1 : (x > y ? 1 : 0);
            } else {
                const int t = k.texts[size_t(a)].compare(k.texts[size_t(b)]);
                c = t < 0 ? -1 : (t > 0 ? 1 : 0);
            }
            if (c != 0)
                return k.descending ? c > 0 : c < 0;
        }
        return false;
    });
    const quint64 currentId = n ? m_rows[size_t(m_current)].id : 0;
    std::vector<Row> sorted;
    sorted.reserve(n);
    for (const int r : perm)
        sorted.push_back(std::move(m_rows[size_t(r)]));
    m_rows = std::move(sorted);
    m_current = 0;
    for (size_t i = 0; i < n; ++i) {
        if (m_rows[i].id == currentId) {
            m_current = int(i);
            break;
        }
    }
}

void RecordSet::loadColumn(int column)
{
    QHash<qlonglong, int> rowOfKey;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (m_rows[r].values[size_t(column)].metaType() == QMetaType::fromType<DeferredMemo>())
            rowOfKey.insert(m_rows[r].values[size_t(m_keyColumn)].toLongLong(), int(r));
    }
    if (rowOfKey.isEmpty())
        return;
    SqliteStatement select(m_connection,
                           QStringLiteral("SELECT %1, %2 FROM %3")
                               .arg(quoted(m_origins[size_t(m_keyColumn)]),
                                    quoted(m_origins[size_t(column)]), quoted(m_table)));
    while (select.step()) {
        const auto it = rowOfKey.constFind(select.value(0).toLongLong());
        if (it != rowOfKey.cend())
            m_rows[size_t(*it)].values[size_t(column)] = select.value(1);
    }
    // Rows no longer in the log read as empty.
    for (const int r : std::as_const(rowOfKey)) {
        QVariant& v = m_rows[size_t(r)].values[size_t(column)];
        if (v.metaType() == QMetaType::fromType<DeferredMemo>())
            v = QVariant();
    }
}

void RecordSet::disableControls()
{
    // Listeners see the whole suspension as one reset.
    if (m_disabled++ == 0)
        Q_EMIT aboutToReset();
}

void RecordSet::enableControls()
{
    if (m_disabled > 0 && --m_disabled == 0) {
        Q_EMIT dataReset();
        Q_EMIT currentChanged(m_current);
    }
}

} // namespace hb
