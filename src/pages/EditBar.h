#pragma once

#include <QWidget>

class QPushButton;
class QLabel;

namespace hb {

// The edit bar of a log page: first row, last row, New, Delete, Edit, Save and Cancel, with
// their one caption line under the bar. While a row is added or edited only Save and Cancel
// show.
class EditBar : public QWidget
{
    Q_OBJECT
public:
    enum Button { First, Last, New, Delete, Edit, Save, Cancel };
    explicit EditBar(QWidget* parent = nullptr);

    void setEditing(bool editing);
    bool editing() const { return m_editing; }
    // Whether rows may be changed (New, Delete, Edit); moving stays possible.
    void setChangesAllowed(bool allowed);
    // Whether there is a current row to delete or edit.
    void setRowsPresent(bool present);
    QPushButton* button(Button b) const { return m_buttons[b]; }

Q_SIGNALS:
    void clicked(hb::EditBar::Button button);

private:
    void update();

    QPushButton* m_buttons[7];
    QLabel* m_caption;
    bool m_editing = false;
    bool m_changesAllowed = true;
    bool m_rowsPresent = true;
};

} // namespace hb
