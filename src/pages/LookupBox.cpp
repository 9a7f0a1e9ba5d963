#include "pages/LookupBox.h"

#include "common/AppContext.h"
#include "common/Messages.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "pages/Lookups.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace hb {

const QString LookupBox::AddQuestion = QStringLiteral("Would you like to add this to the list?");
const QString LookupBox::AddFailed =
    QStringLiteral("Unable to add this item to the drop down list!");

LookupBox::LookupBox(AppContext& app, LookupBinding binding, QWidget* parent)
    : QComboBox(parent), m_app(app), m_binding(std::move(binding)),
      m_maxLength(lookupMaxLength(m_binding.table, m_binding.column, m_binding.targetTable,
                                  m_binding.targetColumn))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typing does not complete to an entry: the check compares the whole text.
    setCompleter(nullptr);
    if (m_maxLength > 0)
        lineEdit()->setMaxLength(m_maxLength);
}

void LookupBox::refill()
{
    const QString text = currentText();
    const bool blocked = blockSignals(true);
    clear();
    if (m_app.log && m_app.log->isOpen())
        addItems(readLookup(*m_app.log, m_binding.table, m_binding.column));
    const int at = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (at >= 0)
        setCurrentIndex(at);
    else
        setEditText(text);
    blockSignals(blocked);
}

void LookupBox::exitCheck()
{
    const QString text = lookupText(currentText(), m_maxLength);
    const int at = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (at >= 0) {
        setCurrentIndex(at);
        setEditText(text);
        Q_EMIT checked(text, true);
        return;
    }
    setEditText(text);
    // Nothing typed is nothing to add.
    if (text.isEmpty()) {
        Q_EMIT checked(text, false);
        return;
    }
    const auto answer =
        m_app.messages.show(Messages::Kind::Information, AddQuestion, Messages::Buttons::YesNo);
    bool added = false;
    if (answer == Messages::Answer::Yes) {
        try {
            if (!m_app.log || !m_app.log->isOpen())
                throw LogError(AddFailed);
            addLookupEntry(*m_app.log, m_binding.table, m_binding.column, text);
            added = true;
        } catch (const LogError& e) {
            m_app.messages.error(m_binding.check == LookupBinding::Check::Inventory ? e.text()
                                                                                    : AddFailed);
        }
        if (added) {
            refill();
            setCurrentIndex(count() - 1);
        }
    } else {
        setCurrentIndex(-1);
    }
    setEditText(text);
    Q_EMIT checked(text, added);
}

bool LookupBox::changedSinceEditStarted() const
{
    return lookupText(currentText(), m_maxLength) != lookupText(m_editStartText, m_maxLength);
}

void LookupBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the box's own list is not leaving it.
    if (event->reason() != Qt::PopupFocusReason && isEnabled() && !lineEdit()->isReadOnly())
        exitCheck();
}

void LookupBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    // The binder enables the box when editing starts.
    if (event->type() == QEvent::EnabledChange && isEnabled())
        m_editStartText = currentText();
}

} // namespace hb
