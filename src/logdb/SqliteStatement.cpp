#include "logdb/SqliteStatement.h"

#include "logdb/LogError.h"

#include <QSqlDriver>

#include <sqlite3.h>

namespace hb {

namespace {

sqlite3* handleOf(LogConnection& connection)
{
    if (!connection.isOpen())
        throw LogError(QStringLiteral("No log is open."));
    const QVariant handle = connection.database().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    throw LogError(QStringLiteral("The log connection has no SQLite handle."));
}

} // namespace

SqliteStatement::SqliteStatement(LogConnection& connection, const QString& sql)
    : m_db(handleOf(connection))
{
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_stmt, &tail) != SQLITE_OK)
        fail();
    if (!m_stmt)
        throw LogError(QStringLiteral("The statement is empty."));
    if (tail && !QByteArray(tail).trimmed().isEmpty()) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw LogError(QStringLiteral("Unable to execute multiple statements at a time"));
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::fail() const
{
    throw LogError(QString::fromUtf8(sqlite3_errmsg(m_db)));
}

void SqliteStatement::bind(const Params& params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        const QByteArray name = (it.key().startsWith(u':') ? it.key() : u':' + it.key()).toUtf8();
        const int index = sqlite3_bind_parameter_index(m_stmt, name.constData());
        if (index == 0)
            throw LogError(QStringLiteral("Parameter %1 is not in the statement.")
                               .arg(QString::fromUtf8(name)));
        bindAt(index, it.value());
    }
}

void SqliteStatement::bindAt(int index, const QVariant& raw)
{
    const QVariant value = LogConnection::toStorage(raw);
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Long:
        case QMetaType::Short:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::ULongLong:
        case QMetaType::ULong:
            rc = sqlite3_bind_int64(m_stmt, index, qint64(value.toULongLong()));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_text64(m_stmt, index, bytes.constData(), quint64(bytes.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        default: {
            const QByteArray bytes = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, bytes.constData(), quint64(bytes.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail();
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString SqliteStatement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QString SqliteStatement::tableName(int i) const
{
    const char* t = sqlite3_column_table_name(m_stmt, i);
    return t ? QString::fromUtf8(t) : QString();
}

QString SqliteStatement::originName(int i) const
{
    const char* o = sqlite3_column_origin_name(m_stmt, i);
    return o ? QString::fromUtf8(o) : QString();
}

QVariant SqliteStatement::value(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_stmt, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, i);
    case SQLITE_NULL:
        return {};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
        return QByteArray(text, sqlite3_column_bytes(m_stmt, i));
    }
    }
}

int SqliteStatement::bytes(int i) const
{
    return sqlite3_column_type(m_stmt, i) == SQLITE_TEXT ? sqlite3_column_bytes(m_stmt, i) : 0;
}

qint64 SqliteStatement::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteStatement::changes() const
{
    return sqlite3_changes(m_db);
}

} // namespace hb
