#pragma once

#include <QComboBox>

namespace hb {

struct AppContext;

// Where a drop-down's list comes from and where its text goes. The names are given, never
// derived from one another.
struct LookupBinding
{
    enum class Check {
        General,  // an empty text is kept without a question; a failed add is reported
        Inventory // as General; a failed add shows the log's own error text
    };
    QString table;        // the lookup list
    QString column;       // its text column
    QString targetTable;  // the log table the page writes
    QString targetColumn; // the column the box's text goes into
    Check check = Check::General;
};

// A drop-down box bound to a log column and a lookup list. It takes at most what both the list
// and the column can hold, is filled from the list in table order each time its page is shown
// (refill()), and on being left checks its text: the text is put in capitals and, when the list
// does not hold it, the user is asked "Would you like to add this to the list?". The page
// binds the box to its column with the field binder like any other box.
class LookupBox : public QComboBox
{
    Q_OBJECT
public:
    LookupBox(AppContext& app, LookupBinding binding, QWidget* parent = nullptr);

    const LookupBinding& binding() const { return m_binding; }
    int maxLength() const { return m_maxLength; }
    // Fills the list from the lookup table (a closed log leaves it empty).
    void refill();
    // The check run when the box is left while its row is edited.
    void exitCheck();
    // Whether the text differs from the one shown when editing began.
    bool changedSinceEditStarted() const;

    static const QString AddQuestion;
    static const QString AddFailed;

Q_SIGNALS:
    // After the exit check: the text the row now takes, and whether the list held it.
    void checked(const QString& text, bool inList);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    AppContext& m_app;
    LookupBinding m_binding;
    int m_maxLength;
    QString m_editStartText;
};

} // namespace hb
