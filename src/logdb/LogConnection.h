#pragma once

#include "logdb/Schema.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QVariantMap>

#include <optional>

namespace hb {

class RecordSet;

// Values bound to a statement by name (":theTrip"). Dates, times, booleans and Money are
// turned into their stored forms when bound.
using Params = QVariantMap;

// The connection to one log file (a SQLite database).
//
// Opening never creates a file: a mistyped path fails instead of making an empty log. The
// log is opened with the engine's defensive settings: a rollback journal (so a closed log is
// one self-contained file), full sync, and schema code of its own (triggers, views) not
// trusted. Closing the connection closes every record set on it.
class LogConnection : public QObject
{
    Q_OBJECT
public:
    enum class Mode { ReadWrite, ReadOnly };

    explicit LogConnection(QObject* parent = nullptr);
    ~LogConnection() override;

    // Throws LogError with the engine's text when the file cannot be opened.
    void open(const QString& path, Mode mode = Mode::ReadWrite);
    void close();
    bool isOpen() const;
    bool isReadOnly() const { return m_mode == Mode::ReadOnly; }
    QString path() const { return m_path; }
    QSqlDatabase database() const;

    // Runs one statement without result rows; returns the number of rows changed.
    // Throws LogError with the engine's text.
    int exec(const QString& sql, const Params& params = {});

    // Makes rows written through other record sets visible to the next read. SQLite reads
    // its own writes at once, so there is nothing to refresh; kept so callers can say what
    // they rely on.
    void flush() {}

    // The log type of a table's column, read from the file's own catalogue (so logs of older
    // structures and other databases are described correctly). Empty when unknown.
    std::optional<LogType> columnType(const QString& table, const QString& column);
    // The columns of a table as "Name TYPE" in the log's own type names ("VesName TEXT(25)",
    // "Ves_ID COUNTER"), in column order, read from the catalogue.
    QStringList catalogueColumns(const QString& table);
    QStringList tableNames();

    // Multi-statement work: commits on commit(), rolls back when destroyed otherwise.
    class Transaction
    {
    public:
        explicit Transaction(LogConnection& connection);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        LogConnection& m_connection;
        bool m_done = false;
    };

    // Binds params to a prepared query, turning values into their stored forms.
    static void bind(class QSqlQuery& query, const Params& params);
    // A value in the form it is stored: QDate "YYYY-MM-DD", QTime "HH:MM:SS", bool 0/1,
    // Money in ten-thousandths.
    static QVariant toStorage(const QVariant& value);
    // The engine's own text for a failed query.
    static QString engineText(const class QSqlError& error);

private:
    friend class RecordSet;
    void attach(RecordSet* set);
    void detach(RecordSet* set);
    void loadCatalogue();

    QString m_connectionName;
    QString m_path;
    Mode m_mode = Mode::ReadWrite;
    QList<QPointer<RecordSet>> m_sets;
    // table (lower case) -> column (lower case) -> type; filled on first use.
    QHash<QString, QHash<QString, LogType>> m_types;
    bool m_catalogueLoaded = false;
};

// Describes a column from its CREATE TABLE clause as written by columnSql(); the log type
// name ("TEXT(25)", "SMALLINT"...) or the clause's declared type when it is not one of ours.
QString logTypeFromColumnClause(const QString& clause, std::optional<LogType>* type = nullptr);

} // namespace hb
