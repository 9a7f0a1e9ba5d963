#include "pages/FieldBinder.h"

#include "logdb/RecordSet.h"
#include "logdb/Schema.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace hb {

FieldBinder::FieldBinder(RecordSet& set, const QString& table, QObject* parent)
    : QObject(parent), m_set(set), m_table(table)
{}

int FieldBinder::columnSize(const QString& table, const QString& field)
{
    const TableDef* t = findLogTable(table);
    const ColumnDef* c = t ? t->column(field) : nullptr;
    return c && c->type == LogType::Text ? c->size : 0;
}

void FieldBinder::bind(QLineEdit* edit, const QString& field, const QString& caption,
                       KeyFilter filter)
{
    edit->setAccessibleName(caption);
    if (const int size = columnSize(m_table, field))
        edit->setMaxLength(size);
    setFieldKeys(edit, filter);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { write(field, text); });
    m_fields.push_back({edit, field, Kind::Line});
    edit->setReadOnly(!m_editable);
}

void FieldBinder::bind(QPlainTextEdit* memo, const QString& field, const QString& caption)
{
    memo->setAccessibleName(caption);
    memo->setTabChangesFocus(true);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, field] {
        if (!m_loading && m_editable)
            write(field, memo->toPlainText());
    });
    m_fields.push_back({memo, field, Kind::Memo});
    memo->setReadOnly(!m_editable);
}

void FieldBinder::bind(QCheckBox* box, const QString& field)
{
    box->setAccessibleName(box->text());
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        if (!m_loading && m_editable)
            write(field, on);
    });
    m_fields.push_back({box, field, Kind::Check});
    box->setEnabled(m_editable);
}

void FieldBinder::bind(QComboBox* box, const QString& field, const QString& caption)
{
    box->setAccessibleName(caption);
    if (box->isEditable()) {
        // A box may already take less (a lookup list's column).
        if (const int size = columnSize(m_table, field);
            size && size < box->lineEdit()->maxLength())
            box->lineEdit()->setMaxLength(size);
        setFieldKeys(box);
    }
    connect(box, &QComboBox::currentTextChanged, this, [this, field](const QString& text) {
        if (!m_loading && m_editable)
            write(field, text);
    });
    m_fields.push_back({box, field, Kind::Combo});
    box->setEnabled(m_editable);
}

void FieldBinder::follow(QWidget* field, const QString& caption)
{
    if (!caption.isEmpty())
        field->setAccessibleName(caption);
    m_fields.push_back({field, QString(), Kind::Own});
    field->setEnabled(m_editable);
}

void FieldBinder::write(const QString& field, const QVariant& value)
{
    if (m_loading || !m_editable)
        return;
    if (m_set.state() != RecordSet::State::Insert && m_set.state() != RecordSet::State::Edit)
        return;
    // An empty text is no value.
    if (value.typeId() == QMetaType::QString && value.toString().isEmpty())
        m_set.setNull(field);
    else
        m_set.setValue(field, value);
}

void FieldBinder::load()
{
    m_loading = true;
    const bool hasRow = m_set.isOpen() && !m_set.isEmpty();
    for (const Bound& b : m_fields) {
        if (b.kind == Kind::Own)
            continue;
        const bool known = hasRow && m_set.hasField(b.field);
        switch (b.kind) {
        case Kind::Line: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            e->setText(known ? m_set.text(b.field) : QString());
            e->setCursorPosition(0);
            break;
        }
        case Kind::Memo:
            static_cast<QPlainTextEdit*>(b.widget)->setPlainText(known ? m_set.text(b.field)
                                                                       : QString());
            break;
        case Kind::Check:
            static_cast<QCheckBox*>(b.widget)->setChecked(known && m_set.boolean(b.field));
            break;
        case Kind::Combo: {
            auto* c = static_cast<QComboBox*>(b.widget);
            const QString text = known ? m_set.text(b.field) : QString();
            const int at = c->findText(text);
            if (at >= 0)
                c->setCurrentIndex(at);
            else if (c->isEditable())
                c->setEditText(text);
            else
                c->setCurrentIndex(-1);
            break;
        }
        case Kind::Own:
            break;
        }
    }
    m_loading = false;
}

void FieldBinder::setEditable(bool editable)
{
    m_editable = editable;
    for (const Bound& b : m_fields) {
        switch (b.kind) {
        case Kind::Line:
            static_cast<QLineEdit*>(b.widget)->setReadOnly(!editable);
            break;
        case Kind::Memo:
            static_cast<QPlainTextEdit*>(b.widget)->setReadOnly(!editable);
            break;
        default:
            b.widget->setEnabled(editable);
            break;
        }
    }
}

QLabel* captionFor(const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(caption);
    return label;
}

} // namespace hb
