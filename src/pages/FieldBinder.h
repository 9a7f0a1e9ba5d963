#pragma once

#include "pages/FieldKeys.h"

#include <QObject>
#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace hb {

class RecordSet;

// Ties a page's detail fields to the columns of its record set. A bound field shows the current
// row's value and writes what the user types into the row at once, so any save sees it. Fields
// are read-only while browsing and editable while a row is added or edited; text fields take at
// most what their column holds. Each field is named by its caption for screen readers.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    // `table`: the table the set writes to, for the columns' sizes.
    FieldBinder(RecordSet& set, const QString& table, QObject* parent = nullptr);

    void bind(QLineEdit* edit, const QString& field, const QString& caption,
              KeyFilter filter = KeyFilter::Any);
    void bind(QPlainTextEdit* memo, const QString& field, const QString& caption);
    void bind(QCheckBox* box, const QString& field); // named by its own text
    void bind(QComboBox* box, const QString& field, const QString& caption);
    // A field of the page's own (not bound) that is editable exactly while a row is edited.
    void follow(QWidget* field, const QString& caption = {});

    // Shows the current row in the bound fields.
    void load();
    void setEditable(bool editable);
    bool editable() const { return m_editable; }
    // Whether a value is being shown (changes then are not the user's).
    bool loading() const { return m_loading; }

    // The maximum length of a text column, 0 when unknown or not text.
    static int columnSize(const QString& table, const QString& field);

private:
    enum class Kind { Line, Memo, Check, Combo, Own };
    struct Bound
    {
        QWidget* widget;
        QString field;
        Kind kind;
    };
    void write(const QString& field, const QVariant& value);

    RecordSet& m_set;
    QString m_table;
    std::vector<Bound> m_fields;
    bool m_editable = false;
    bool m_loading = false;
};

// A caption label for a field: its buddy is the field and the field is named by the caption.
QLabel* captionFor(const QString& caption, QWidget* field);

} // namespace hb
