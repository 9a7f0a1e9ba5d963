#include "pages/FieldKeys.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace hb {

namespace {

class FieldKeyFilter : public QObject
{
public:
    FieldKeyFilter(QWidget* field, KeyFilter filter)
        : QObject(field), m_field(field), m_filter(filter)
    {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Memo fields keep Enter for their line breaks.
            if (qobject_cast<QPlainTextEdit*>(m_field) || qobject_cast<QTextEdit*>(m_field))
                return false;
            QWidget* to = key->modifiers() & Qt::ShiftModifier ? m_field->previousInFocusChain()
                                                               : m_field->nextInFocusChain();
            // Skip what cannot take the focus (labels, disabled fields).
            for (int guard = 0; to && guard < 200; ++guard) {
                if (to->isEnabled() && to->isVisible() && (to->focusPolicy() & Qt::TabFocus) &&
                    to != m_field && !m_field->isAncestorOf(to))
                    break;
                to = key->modifiers() & Qt::ShiftModifier ? to->previousInFocusChain()
                                                          : to->nextInFocusChain();
            }
            if (to)
                to->setFocus(key->modifiers() & Qt::ShiftModifier ? Qt::BacktabFocusReason
                                                                  : Qt::TabFocusReason);
            return true;
        }
        if (m_filter == KeyFilter::Any)
            return false;
        const QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ControlModifier))
            return false; // navigation, Backspace, shortcuts
        for (const QChar c : text) {
            if (!keyAccepted(m_filter, c))
                return true;
        }
        return false;
    }

private:
    QWidget* m_field;
    KeyFilter m_filter;
};

} // namespace

bool keyAccepted(KeyFilter filter, QChar c)
{
    switch (filter) {
    case KeyFilter::Any:
        return true;
    case KeyFilter::WholeNumber:
        return (c >= u'0' && c <= u'9') || c == u'-' || c == QChar(8);
    case KeyFilter::Decimal:
        return (c >= u'0' && c <= u'9') || c == u'.' || c == QChar(8);
    }
    return false;
}

void setFieldKeys(QWidget* field, KeyFilter filter)
{
    auto* f = new FieldKeyFilter(field, filter);
    field->installEventFilter(f);
    // Spin and date boxes take their keys in an inner line edit.
    if (qobject_cast<QAbstractSpinBox*>(field)) {
        if (auto* inner = field->findChild<QLineEdit*>())
            inner->installEventFilter(f);
    }
}

} // namespace hb
