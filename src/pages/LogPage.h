#pragma once

#include "logdb/RecordSet.h"
#include "pages/ListColumns.h"
#include "pages/PageContext.h"
#include "pages/PageHost.h"
#include "pages/Selection.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace hb {

class Clock;
class EditBar;
class FieldBinder;
class Formats;
class LogList;
class Messages;
class RecordSetModel;

// What a log page declares: where its rows live, how its list looks, its search.
struct LogPageSpec
{
    Page page;
    QString title;       // heading of the page
    QString leaveName;   // the log's name in the leave question ("WP")
    QString table;       // the table it lists and edits
    QString listCaption; // the list's name for screen readers
    ListColumns columns;
    bool sortable = true;   // a title click sorts
    bool wheelMoves = true; // the mouse wheel moves the current row
    std::optional<SearchSpec> search;
    SearchBase searchBase; // the rows a search looks in
    QString report;        // the report "Print" runs
    QString showAllCaption = QStringLiteral("Show All");
};

// The shared behaviour of every log page: the list of the page's rows over its record set,
// detail fields for the current row, the edit bar, the "Show All" box, sorting by column
// title, the mouse wheel, the leave question, the delete question, search, "Print" and
// "Export list as CSV..". A page adds its fields, its selections and its record handlers.
class LogPage : public QWidget, public HostedPage
{
    Q_OBJECT
public:
    LogPage(PageContext& context, LogPageSpec spec, QWidget* parent = nullptr);
    ~LogPage() override;

    const LogPageSpec& spec() const { return m_spec; }
    RecordSet& query() { return *m_query; }
    RecordSetModel& model() { return *m_model; }
    LogList& list() { return *m_list; }
    EditBar& editBar() { return *m_editBar; }
    QCheckBox& showAllBox() { return *m_showAll; }
    bool showAllTicked() const;
    FieldBinder& binder() { return *m_binder; }
    bool editing() const;
    // Whether a search result is shown.
    bool searchShown() const { return m_searchShown; }

    // HostedPage
    QWidget* widget() override { return this; }
    bool offersSearch() const override { return m_spec.search.has_value(); }
    bool leaveStep() override;
    void showStep() override;
    void search() override;
    void cancelSearch() override;
    std::vector<std::pair<Page, QPushButton*>> pageButtons() const override
    {
        return m_pageButtons;
    }

    // The edit bar's commands; each runs guarded (an error shows its text and ends it).
    void firstRow();
    void lastRow();
    void newRow();
    void deleteRow();
    void editRow();
    // Saves the row being added or edited; false when the save was refused or failed (the row
    // stays in edit with its values).
    bool saveRow();
    void cancelRow();
    void exportCsv();
    void print();

    static QString leaveQuestion(const QString& name);
    static const QString DeleteQuestion;

protected:
    // The page's normal selection: its list when shown, and the base of its search.
    virtual Selection normalSelection() const = 0;
    // The list the "Show All" box asks for.
    virtual Selection showAllSelection(bool all) const = 0;
    // The page's own steps after its list opened on showing.
    virtual void pageShown() {}
    // Shows the current row in the page's own (unbound) fields, on every change of row while
    // browsing (a new row's own fields are set by the page's insert handler).
    virtual void showCurrent() {}
    // The page's own controls follow the edit state.
    virtual void editingChanged(bool editing) { Q_UNUSED(editing); }

    // Reopens the list on a selection; the sort title goes back to plain.
    void reopen(const Selection& selection);
    // The list matching the "Show All" box.
    Selection boxSelection() const;
    // Asks the delete question; Abort when the user answers No.
    RecordSet::Verdict confirmDelete();
    // Runs a command guarded.
    bool command(const std::function<void()>& run);

    QGridLayout* details() const { return m_details; }
    QPushButton* addButton(const QString& caption);
    QPushButton* addPageButton(const QString& caption, Page to);
    PageContext& context() { return m_context; }
    Messages& messages();
    const Clock& clock() const;
    const Formats& formats() const;

private:
    void titleClicked(int column);
    void wheelStep(int step);
    void rowClicked(int row);
    void followState();
    void followCurrent();
    void showAllClicked();

    PageContext& m_context;
    LogPageSpec m_spec;
    RecordSet* m_query;
    RecordSetModel* m_model;
    LogList* m_list;
    EditBar* m_editBar;
    QCheckBox* m_showAll;
    FieldBinder* m_binder;
    QGridLayout* m_details;
    QVBoxLayout* m_buttons;
    Selection m_normal;
    std::vector<std::pair<Page, QPushButton*>> m_pageButtons;
    bool m_searchShown = false;
};

} // namespace hb
