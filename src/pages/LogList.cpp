#include "pages/LogList.h"

#include <QHeaderView>
#include <QWheelEvent>

namespace hb {

LogList::LogList(const QString& caption, QWidget* parent) : QTableView(parent)
{
    setAccessibleName(caption);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setSortingEnabled(false);
    setAlternatingRowColors(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &LogList::titleClicked);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!m_showing && index.isValid())
            Q_EMIT rowClicked(index.row());
    });
}

void LogList::showCurrentRow(int row)
{
    if (!model())
        return;
    m_showing = true;
    if (row >= 0 && row < model()->rowCount()) {
        const QModelIndex index = model()->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    m_showing = false;
}

void LogList::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (!m_wheelMoves || !isEnabled())
        return;
    m_wheelRest += event->angleDelta().y();
    while (m_wheelRest <= -120) {
        m_wheelRest += 120;
        Q_EMIT wheelStep(+1);
    }
    while (m_wheelRest >= 120) {
        m_wheelRest -= 120;
        Q_EMIT wheelStep(-1);
    }
}

} // namespace hb
