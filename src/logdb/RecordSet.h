#pragma once

#include "common/Money.h"
#include "logdb/LogConnection.h"
#include "logdb/Schema.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTime>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

namespace hb {

// Stands for a long memo text not read yet.
struct DeferredMemo
{
    bool operator==(const DeferredMemo&) const = default;
};
// Memo texts longer than this many bytes are read when first used rather than on open.
inline constexpr int DeferredMemoBytes = 256;

// A set of rows read from the log by one select statement, with a current row and the record
// events the pages hang their rules on.
//
// All rows are read on open; a long memo text of a set with a key is read from its row when
// first used, so that sets over years of notes stay small and fast to open. Fields are reached by
// name without regard to case. A row is changed in the insert or edit state and written by post(),
// one row by its primary key with bound values; a set whose rows do not come from one table with
// its key is read-only.
//
// Events fire in this order:
//   insert/append: BeforeInsert, (new empty row current) AfterInsert, AfterScroll
//   edit:          BeforeEdit, AfterEdit
//   post:          BeforePost, write, AfterPost
//   cancel:        AfterCancel (and AfterScroll when a new row was dropped)
//   remove:        BeforeDelete, removal, AfterDelete, AfterScroll
//   open and every move of the current row: AfterScroll
// A Before handler that returns Abort stops the operation: nothing happens, the row and the
// state stay as they were, and no message is shown.
//
// Moving to another row while a row is in insert or edit posts it first (a new row nobody
// changed is dropped instead). When that save is refused (BeforePost aborts) or fails, the
// move, insert, sort or requery that asked for it does not happen: the row stays in its
// insert or edit state with its values.
//
// Listeners are told before and after every change of the rows (aboutToReset/dataReset,
// aboutToInsertRow/rowInserted, aboutToRemoveRow/rowRemoved), so one item model can follow
// any set. While the change signals are suspended, the suspension itself counts as one reset.
//
// Errors are thrown as LogError carrying the engine's own text; a failing post leaves the
// row in its insert or edit state with the values as they were set.
class RecordSet : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };
    enum Verdict { Proceed, Abort };

    using BeforeHandler = std::function<Verdict(RecordSet&)>;
    using AfterHandler = std::function<void(RecordSet&)>;

    // A saved position: the same row, wherever a re-sort has moved it.
    struct Bookmark
    {
        quint64 id = 0;
        bool isValid() const { return id != 0; }
        bool operator==(const Bookmark&) const = default;
    };

    explicit RecordSet(LogConnection& connection, QObject* parent = nullptr);
    ~RecordSet() override;

    // Opens (or reopens) on a select statement; the current row is the first. A row being
    // added or edited is saved first; false when that save was refused (nothing happened).
    bool open(const QString& sql, const Params& params = {});
    // Reads the same statement again, keeping the current row when it still exists and the
    // sort order last set. False when a pending save was refused (nothing happened).
    bool requery();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    QString sql() const { return m_sql; }
    Params params() const { return m_params; }
    // The order last given to sort(); empty after open.
    QString sortText() const { return m_sortText; }
    // The table rows are written to; empty for a read-only set.
    QString tableName() const { return m_readOnly ? QString() : m_table; }

    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    int recNo() const { return m_rows.empty() ? 0 : m_current + 1; } // 1-based, 0 when empty
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    // Moves return false when nothing moved because a pending save was refused.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveTo(int recNo);

    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark& mark);

    // The primary key of the current row (invalid when the set has none or is empty); it
    // survives a reopen, unlike a bookmark.
    QVariant key() const;
    QVariant keyAt(int row) const;
    // Makes the first row whose field equals value current; false when there is none (or
    // a pending save was refused).
    bool locate(const QString& field, const QVariant& value);

    // Fields of the current row.
    QStringList fieldNames() const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    std::optional<LogType> fieldType(const QString& name) const;
    bool isNull(const QString& name) const;
    // The value as the log means it: money as double, dates as QDate/QTime/QDateTime,
    // yes/no as bool; a null value is an invalid QVariant.
    QVariant value(const QString& name) const;
    QString text(const QString& name) const;
    int integer(const QString& name) const;
    double number(const QString& name) const;
    Money money(const QString& name) const;
    bool boolean(const QString& name) const;
    // An empty date, or the zero date 30 December 1899, reads as an invalid QDate.
    QDate date(const QString& name) const;
    QTime time(const QString& name) const;
    QDateTime dateTime(const QString& name) const;
    // The stored value, as the engine holds it.
    QVariant storedValue(const QString& name) const;
    // Values of another row (0-based), for grids and reports; the current row stays.
    QVariant storedValueAt(int row, int column) const;
    // As value(), for any row (0-based); invalid for a null value or a row out of range.
    QVariant valueAt(int row, int column) const;
    QVariant valueAt(int row, const QString& name) const;
    std::optional<LogType> columnType(int column) const;
    int columnCount() const { return int(m_columns.size()); }
    int fieldIndex(const QString& name) const;

    // Sets a field of the current row; only in the insert or edit state.
    void setValue(const QString& name, const QVariant& value);
    void setNull(const QString& name) { setValue(name, QVariant()); }
    bool isModified() const { return m_modified; }

    // A new row before the current one / at the end; false when a pending save was refused
    // or BeforeInsert aborted.
    bool insert();
    bool append();
    void edit();
    void post();
    void cancel();
    void remove();

    // Re-sorts the rows already read: "Column ASC", "Column DESC", or several separated by
    // commas. Text sorts without regard to case (every letter, not only A to Z); nulls come
    // first. The current row stays current. False when a pending save was refused.
    bool sort(const QString& order);

    // Suspends and resumes the change signals (nested); events still fire.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

    BeforeHandler beforeInsert, beforeEdit, beforePost, beforeDelete;
    AfterHandler afterInsert, afterEdit, afterPost, afterCancel, afterDelete, afterScroll;

Q_SIGNALS:
    // For views: the whole set changed, one row changed, the current row or state changed.
    void aboutToReset();
    void aboutToInsertRow(int row);
    void aboutToRemoveRow(int row);
    void dataReset();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);
    void stateChanged(hb::RecordSet::State state);
    // A row was written (after AfterPost), or an insert or edit was cancelled (after
    // AfterCancel): for work that must wait until the user has decided, such as removing a
    // file the row no longer uses.
    void posted();
    void cancelled();

private:
    struct Column
    {
        QString name;
        std::optional<LogType> type;
    };
    struct Row
    {
        quint64 id = 0;
        std::vector<QVariant> values;
    };

    void read(const QString& sql, const Params& params);
    // Saves or drops a pending row; false when it is still pending (the save was refused).
    bool ensureBrowse();
    bool startInsert(bool atEnd);
    void sortRows(const QString& order);
    QVariant typed(const QVariant& stored, int column) const;
    void emitAboutToReset();
    // Forgets the rows and columns: the set is closed (listeners are told by the caller).
    void clearRows();
    void emitReset();
    void setCurrent(int index, bool fireScroll = true);
    void fireScroll();
    void writeInsert(Row& row);
    void writeUpdate(const Row& row);
    void refreshRow(Row& row, qint64 key);
    const QVariant& raw(const QString& name) const;
    // A value of the set, fetching a deferred memo text on first use.
    const QVariant& cell(int row, int column) const;
    void loadColumn(int column);
    void requireWritable() const;
    int requireField(const QString& name) const;
    QVariant toStored(int column, const QVariant& value) const;
    void setState(State s);
    bool signalsOn() const { return m_disabled == 0; }

    LogConnection& m_connection;
    QString m_sql;
    Params m_params;
    QString m_sortText;
    QString m_table;
    int m_keyColumn = -1;
    bool m_readOnly = true;
    std::vector<Column> m_columns;
    std::vector<QString> m_origins;    // each column's name in its table; empty for expressions
    QHash<QString, int> m_columnIndex; // lower-case name -> index
    mutable std::vector<Row> m_rows;   // deferred memo texts are filled in on first use
    int m_current = 0;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Inactive;
    mutable Row m_original; // the row before edit; deferred texts filled in on use
    int m_insertedFrom = 0; // current row before an insert
    bool m_modified = false;
    quint64 m_nextId = 1;
    int m_disabled = 0;
};

} // namespace hb

Q_DECLARE_METATYPE(hb::DeferredMemo)
