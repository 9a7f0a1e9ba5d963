#include "logdb/LogConnection.h"

#include "common/Money.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "logdb/TextMatch.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace hb {

namespace {

QAtomicInt connectionCounter;

// Splits "a INTEGER, b TEXT CHECK(length(b) <= 5)" at the commas outside parentheses.
QStringList splitColumnClauses(const QString& body)
{
    QStringList out;
    int depth = 0;
    QChar quote;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (c == u',' && depth == 0) {
            out << body.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    out << body.mid(start).trimmed();
    return out;
}

QString unquoteName(QString name)
{
    if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'`' || name.front() == u'['))
        name = name.mid(1, name.size() - 2);
    return name;
}

} // namespace

QString logTypeFromColumnClause(const QString& clause, std::optional<LogType>* type)
{
    auto result = [&](LogType t, QString name) {
        if (type)
            *type = t;
        return name;
    };
    static const QRegularExpression textSize(
        QStringLiteral(R"(CHECK\s*\(\s*length\s*\(\s*\S+\s*\)\s*<=\s*(\d+)\s*\))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString upper = clause.toUpper();
    if (upper.contains(QLatin1String("PRIMARY KEY")))
        return result(LogType::Counter, QStringLiteral("COUNTER"));
    if (const auto m = textSize.match(clause); m.hasMatch())
        return result(LogType::Text, QStringLiteral("TEXT(%1)").arg(m.captured(1)));
    if (upper.contains(QLatin1String("BETWEEN -32768 AND 32767")))
        return result(LogType::SmallInt, QStringLiteral("SMALLINT"));
    if (upper.contains(QLatin1String("BETWEEN -2147483648 AND 2147483647")))
        return result(LogType::Integer, QStringLiteral("INTEGER"));
    if (upper.contains(QLatin1String("IN (0, 1)")))
        return result(LogType::YesNo, QStringLiteral("YESNO"));
    if (upper.contains(QLatin1String(" GLOB ")))
        return result(LogType::DateTime, QStringLiteral("DATETIME"));
    const QStringList words = clause.simplified().split(u' ');
    const QString declared = words.size() > 1 ? words.at(1).toUpper() : QString();
    if (declared == QLatin1String("INTEGER") || declared == QLatin1String("INT"))
        return result(LogType::Currency, QStringLiteral("CURRENCY"));
    if (declared == QLatin1String("REAL"))
        return result(LogType::Float, QStringLiteral("FLOAT"));
    if (declared == QLatin1String("TEXT"))
        return result(LogType::Memo, QStringLiteral("MEMO"));
    if (type)
        type->reset();
    return declared;
}

LogConnection::LogConnection(QObject* parent)
    : QObject(parent),
      m_connectionName(QStringLiteral("hb-log-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{}

LogConnection::~LogConnection()
{
    close();
}

void LogConnection::open(const QString& path, Mode mode)
{
    close();
    if (!QFileInfo(path).isFile())
        throw LogError(QStringLiteral("The file \"%1\" does not exist.").arg(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        QString uri =
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
        uri += mode == Mode::ReadOnly ? QLatin1String("?mode=ro") : QLatin1String("?mode=rw");
        db.setDatabaseName(uri);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString text = engineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw LogError(text);
        }
    }
    m_path = path;
    m_mode = mode;
    try {
        // A log may come from anywhere: triggers and views stored in it never run, and the
        // engine refuses writes that could corrupt the file's own structures.
        const QVariant handle = database().driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            throw LogError(QStringLiteral("The log connection has no SQLite handle."));
        sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        addTextMatchFunction(db);
        exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
        exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        exec(QStringLiteral("PRAGMA synchronous = FULL"));
        if (mode == Mode::ReadWrite)
            exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    } catch (const LogError&) {
        close();
        throw;
    }
}

void LogConnection::close()
{
    for (const QPointer<RecordSet>& set : std::as_const(m_sets)) {
        if (set)
            set->close();
    }
    m_types.clear();
    m_catalogueLoaded = false;
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_path.clear();
}

bool LogConnection::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase LogConnection::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QString LogConnection::engineText(const QSqlError& error)
{
    const QString db = error.databaseText();
    return db.isEmpty() ? error.text() : db;
}

QVariant LogConnection::toStorage(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate: {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
    }
    case QMetaType::QTime: {
        const QTime t = value.toTime();
        return t.isValid() ? QVariant(t.toString(QStringLiteral("HH:mm:ss"))) : QVariant();
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid())
            return {};
        return dt.time() == QTime(0, 0) ? dt.date().toString(Qt::ISODate)
                                        : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        if (value.canConvert<Money>() && value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>().units();
        return value;
    }
}

void LogConnection::bind(QSqlQuery& query, const Params& params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        const QString name = it.key().startsWith(u':') ? it.key() : u':' + it.key();
        query.bindValue(name, toStorage(it.value()));
    }
}

int LogConnection::exec(const QString& sql, const Params& params)
{
    if (!isOpen())
        throw LogError(QStringLiteral("No log is open."));
    QSqlQuery query(database());
    if (!query.prepare(sql))
        throw LogError(engineText(query.lastError()));
    bind(query, params);
    if (!query.exec())
        throw LogError(engineText(query.lastError()));
    const QString verb = sql.trimmed().section(u' ', 0, 0).toUpper();
    if (verb == QLatin1String("CREATE") || verb == QLatin1String("ALTER") ||
        verb == QLatin1String("DROP")) {
        m_types.clear();
        m_catalogueLoaded = false;
    }
    return query.numRowsAffected();
}

void LogConnection::loadCatalogue()
{
    if (m_catalogueLoaded)
        return;
    m_catalogueLoaded = true;
    m_types.clear();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table'")))
        return;
    while (query.next()) {
        const QString table = query.value(0).toString().toLower();
        const QString sql = query.value(1).toString();
        const qsizetype open = sql.indexOf(u'(');
        const qsizetype close = sql.lastIndexOf(u')');
        if (open < 0 || close <= open)
            continue;
        QHash<QString, LogType>& columns = m_types[table];
        for (const QString& clause : splitColumnClauses(sql.mid(open + 1, close - open - 1))) {
            const QString name = unquoteName(clause.section(u' ', 0, 0));
            std::optional<LogType> type;
            logTypeFromColumnClause(clause, &type);
            if (type)
                columns.insert(name.toLower(), *type);
        }
    }
}

std::optional<LogType> LogConnection::columnType(const QString& table, const QString& column)
{
    loadCatalogue();
    const auto t = m_types.constFind(table.toLower());
    if (t == m_types.cend())
        return std::nullopt;
    const auto c = t->constFind(column.toLower());
    if (c == t->cend())
        return std::nullopt;
    return *c;
}

QStringList LogConnection::tableNames()
{
    QStringList out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
            "ORDER BY rowid"))) {
        while (query.next())
            out << query.value(0).toString();
    }
    return out;
}

QStringList LogConnection::catalogueColumns(const QString& table)
{
    QStringList out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND "
                                 "name = :name COLLATE NOCASE"));
    query.bindValue(QStringLiteral(":name"), table);
    if (!query.exec() || !query.next())
        return out;
    const QString sql = query.value(0).toString();
    const qsizetype open = sql.indexOf(u'(');
    const qsizetype close = sql.lastIndexOf(u')');
    if (open < 0 || close <= open)
        return out;
    for (const QString& clause : splitColumnClauses(sql.mid(open + 1, close - open - 1)))
        out << unquoteName(clause.section(u' ', 0, 0)) + u' ' + logTypeFromColumnClause(clause);
    return out;
}

void LogConnection::attach(RecordSet* set)
{
    m_sets.removeAll(nullptr);
    m_sets.append(set);
}

void LogConnection::detach(RecordSet* set)
{
    m_sets.removeAll(set);
}

LogConnection::Transaction::Transaction(LogConnection& connection) : m_connection(connection)
{
    connection.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

LogConnection::Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_connection.exec(QStringLiteral("ROLLBACK"));
        } catch (const LogError&) {
            // Nothing more to undo when the engine already rolled back.
        }
    }
}

void LogConnection::Transaction::commit()
{
    m_connection.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace hb
