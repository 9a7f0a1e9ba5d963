#pragma once

#include "pages/Selection.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QLabel;

namespace hb {

// Asks the user for a page's search criteria; tests answer from a script.
class SearchDialogs
{
public:
    virtual ~SearchDialogs() = default;
    // The criteria, or none when the user cancelled.
    virtual std::optional<SearchInput> askSearch(const SearchSpec& spec, const QDate& today,
                                                 QWidget* parent) = 0;
};

// The search window: the explanation, up to two date ranges ("From Date", "To Date", "Search by
// Date"), up to four text criteria typed in capitals, "Execute" and "Cancel". Ranges and
// criteria a page does not have are hidden.
class TSearchForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSearchForm(QWidget* parent = nullptr);
    // Sets the window up for a page; the dates start at today.
    void prepare(const SearchSpec& spec, const QDate& today);
    SearchInput input() const;

    QCheckBox* rangeBox(int i) const { return m_range[i].box; }
    QDateEdit* fromDate(int i) const { return m_range[i].from; }
    QDateEdit* toDate(int i) const { return m_range[i].to; }
    QLineEdit* criterion(int i) const { return m_criteria[i].edit; }

private:
    struct RangeRow
    {
        QWidget* group;
        QLabel* caption;
        QCheckBox* box;
        QDateEdit* from;
        QDateEdit* to;
    };
    struct CriterionRow
    {
        QLabel* label;
        QLineEdit* edit;
    };
    RangeRow m_range[2];
    CriterionRow m_criteria[4];
};

// The search window on screen.
class QtSearchDialogs : public SearchDialogs
{
public:
    std::optional<SearchInput> askSearch(const SearchSpec& spec, const QDate& today,
                                         QWidget* parent) override;

private:
    QString m_caption = QStringLiteral("Search");
};

} // namespace hb
