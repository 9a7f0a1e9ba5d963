#pragma once

#include <QTableView>

namespace hb {

// The list of a log page: read-only, whole rows, one current row. A click on a column title
// asks for a sort; each notch of the mouse wheel asks for the next or the previous row (the
// list does not scroll by itself).
class LogList : public QTableView
{
    Q_OBJECT
public:
    explicit LogList(const QString& caption, QWidget* parent = nullptr);
    // Whether the wheel moves the current row (some lists ignore the wheel).
    void setWheelMoves(bool on) { m_wheelMoves = on; }
    // Shows `row` (0-based) as the current row without asking for a move.
    void showCurrentRow(int row);

Q_SIGNALS:
    void titleClicked(int column);
    void wheelStep(int step); // +1 next row, -1 previous row
    void rowClicked(int row);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_wheelMoves = true;
    int m_wheelRest = 0;
    bool m_showing = false;
};

} // namespace hb
