#include "pages/LogPage.h"

#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/ReportPrinter.h"
#include "pages/CommandGuard.h"
#include "pages/Csv.h"
#include "pages/EditBar.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/LookupBox.h"
#include "pages/RecordSetModel.h"
#include "pages/SearchForm.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

const QString LogPage::DeleteQuestion =
    QStringLiteral("You are about to delete information from your log! \r\n              THIS "
                   "CANNOT BE UNDONE!\r\n         Are you sure you want to do this?");

namespace {

const QString CannotSearch =
    QStringLiteral("You can NOT search when you are\r\n      adding or editing a record!");
const QString ShowingAll = QStringLiteral("Now showing ALL records, editing is enabled!");
const QString NoMatch = QStringLiteral("No records match that criteria!");
const QString ShowingMatches =
    QStringLiteral("                 Now only showing records that match that criteria!");

} // namespace

QString LogPage::leaveQuestion(const QString& name)
{
    return QStringLiteral(
               "Would you like to save your changes before\r\n              leaving the ") +
           name + QStringLiteral(" log?");
}

LogPage::LogPage(PageContext& context, LogPageSpec spec, QWidget* parent)
    : QWidget(parent), m_context(context), m_spec(std::move(spec))
{
    setObjectName(QString::fromLatin1(pageInfo(m_spec.page).name));
    m_query = new RecordSet(*m_context.app.log, this);
    m_model = new RecordSetModel(*m_query, m_context.app.formats, m_spec.columns, this);
    m_binder = new FieldBinder(*m_query, m_spec.table, this);

    auto* heading = new QLabel(m_spec.title);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);

    m_list = new LogList(m_spec.listCaption.isEmpty() ? m_spec.title : m_spec.listCaption);
    m_list->setObjectName(QStringLiteral("List"));
    m_list->setModel(m_model);
    m_list->setWheelMoves(m_spec.wheelMoves);
    m_list->horizontalHeader()->setSectionsClickable(m_spec.sortable);

    m_editBar = new EditBar;
    m_showAll = new QCheckBox(m_spec.showAllCaption);
    m_showAll->setObjectName(QStringLiteral("ShowAll"));
    m_showAll->setAccessibleName(m_spec.showAllCaption);

    m_details = new QGridLayout;
    m_buttons = new QVBoxLayout;
    m_buttons->setAlignment(Qt::AlignTop);

    auto* detailsAndButtons = new QHBoxLayout;
    detailsAndButtons->addLayout(m_details, 1);
    detailsAndButtons->addLayout(m_buttons);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_editBar);
    bar->addSpacing(12);
    bar->addWidget(m_showAll);
    bar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(bar);
    layout->addLayout(detailsAndButtons);

    QPushButton* print = addButton(QStringLiteral("Print"));
    connect(print, &QPushButton::clicked, this, [this] { command([this] { this->print(); }); });
    QPushButton* csv = addButton(QStringLiteral("Export list as CSV.."));
    connect(csv, &QPushButton::clicked, this, [this] { command([this] { exportCsv(); }); });

    connect(m_editBar, &EditBar::clicked, this, [this](EditBar::Button b) {
        switch (b) {
        case EditBar::First:
            firstRow();
            break;
        case EditBar::Last:
            lastRow();
            break;
        case EditBar::New:
            newRow();
            break;
        case EditBar::Delete:
            deleteRow();
            break;
        case EditBar::Edit:
            editRow();
            break;
        case EditBar::Save:
            saveRow();
            break;
        case EditBar::Cancel:
            cancelRow();
            break;
        }
    });
    connect(m_list, &LogList::titleClicked, this, &LogPage::titleClicked);
    connect(m_list, &LogList::wheelStep, this, &LogPage::wheelStep);
    connect(m_list, &LogList::rowClicked, this, &LogPage::rowClicked);
    connect(m_showAll, &QCheckBox::clicked, this, &LogPage::showAllClicked);
    connect(m_query, &RecordSet::stateChanged, this, &LogPage::followState);
    connect(m_query, &RecordSet::currentChanged, this, &LogPage::followCurrent);
    connect(m_query, &RecordSet::dataReset, this, [this] {
        followState();
        followCurrent();
    });
    connect(m_query, &RecordSet::rowRemoved, this, [this] { followState(); });
    connect(m_query, &RecordSet::rowInserted, this, [this] { followState(); });
    // Every delete asks first, whatever else a page does before it.
    m_query->beforeDelete = [this](RecordSet&) { return confirmDelete(); };
    followState();
}

LogPage::~LogPage() = default;

Messages& LogPage::messages()
{
    return m_context.app.messages;
}

const Clock& LogPage::clock() const
{
    return m_context.app.clock;
}

const Formats& LogPage::formats() const
{
    return m_context.app.formats;
}

bool LogPage::command(const std::function<void()>& run)
{
    return runCommand(messages(), run);
}

QPushButton* LogPage::addButton(const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(caption);
    b->setAccessibleName(caption);
    m_buttons->addWidget(b);
    return b;
}

QPushButton* LogPage::addPageButton(const QString& caption, Page to)
{
    QPushButton* b = addButton(caption);
    connect(b, &QPushButton::clicked, this, [this, to] { m_context.host.showPage(to); });
    return b;
}

bool LogPage::editing() const
{
    const RecordSet::State s = m_query->state();
    return s == RecordSet::State::Insert || s == RecordSet::State::Edit;
}

void LogPage::followState()
{
    const bool edit = editing();
    m_editBar->setEditing(edit);
    m_editBar->setChangesAllowed(!m_searchShown);
    m_editBar->setRowsPresent(m_query->isOpen() && !m_query->isEmpty());
    m_list->setEnabled(!edit);
    // Controls that reload the list wait until the row is saved or cancelled.
    m_showAll->setEnabled(!edit && !m_searchShown);
    if (m_binder->editable() != edit) {
        m_binder->setEditable(edit);
        m_binder->load();
        // While a row is added or edited the page's own fields hold what the user typed.
        if (!edit)
            showCurrent();
    }
    editingChanged(edit);
}

void LogPage::followCurrent()
{
    m_list->showCurrentRow(m_query->isOpen() && !m_query->isEmpty() ? m_query->recNo() - 1 : -1);
    m_binder->load();
    if (!editing())
        showCurrent();
}

void LogPage::reopen(const Selection& selection)
{
    m_model->setBoldColumn(-1);
    m_query->open(selection.sql, selection.params);
}

bool LogPage::showAllTicked() const
{
    return m_showAll->isChecked();
}

Selection LogPage::boxSelection() const
{
    return m_showAll->isChecked() ? showAllSelection(true) : m_normal;
}

void LogPage::showStep()
{
    command([this] {
        m_normal = normalSelection();
        m_searchShown = false;
        // The list matches the "Show All" box as the user left it.
        // Drop-down lists are filled afresh: the lookup editor or another page may have
        // changed them.
        for (LookupBox* box : findChildren<LookupBox*>())
            box->refill();
        reopen(boxSelection());
        pageShown();
    });
    followState();
}

bool LogPage::leaveStep()
{
    if (!editing())
        return true;
    if (messages().confirm(leaveQuestion(m_spec.leaveName)))
        return saveRow();
    command([this] { m_query->cancel(); });
    return !editing();
}

RecordSet::Verdict LogPage::confirmDelete()
{
    const Messages::Answer a =
        messages().show(Messages::Kind::Warning, DeleteQuestion, Messages::Buttons::YesNo);
    return a == Messages::Answer::Yes ? RecordSet::Proceed : RecordSet::Abort;
}

void LogPage::firstRow()
{
    command([this] { m_query->first(); });
}

void LogPage::lastRow()
{
    command([this] { m_query->last(); });
}

void LogPage::newRow()
{
    command([this] { m_query->append(); });
}

void LogPage::deleteRow()
{
    command([this] { m_query->remove(); });
}

void LogPage::editRow()
{
    command([this] { m_query->edit(); });
}

bool LogPage::saveRow()
{
    if (!editing())
        return true;
    command([this] { m_query->post(); });
    return !editing();
}

void LogPage::cancelRow()
{
    command([this] { m_query->cancel(); });
}

void LogPage::titleClicked(int column)
{
    if (!m_spec.sortable || editing() || column < 0 || column >= int(m_spec.columns.size()))
        return;
    const QString field = m_spec.columns[size_t(column)].field;
    command([this, field, column] {
        if (m_query->sort(toggledSort(m_query->sortText(), field)))
            m_model->setBoldColumn(column);
    });
}

void LogPage::wheelStep(int step)
{
    command([this, step] {
        if (step > 0)
            m_query->next();
        else
            m_query->prior();
    });
}

void LogPage::rowClicked(int row)
{
    command([this, row] { m_query->moveTo(row + 1); });
    followCurrent();
}

void LogPage::showAllClicked()
{
    if (editing() || m_searchShown)
        return;
    command([this] { reopen(showAllSelection(m_showAll->isChecked())); });
}

void LogPage::search()
{
    if (!m_spec.search)
        return;
    if (editing()) {
        messages().error(CannotSearch);
        return;
    }
    PageHost& host = m_context.host;
    host.showSearchButtons(true);
    const std::optional<SearchInput> input =
        m_context.searchDialogs.askSearch(*m_spec.search, clock().today(), this);
    if (!input) {
        host.showSearchButtons(false);
        host.setSearchActive(false);
        return;
    }
    host.setSearchActive(true);
    SearchBase base = m_spec.searchBase;
    if (base.table.isEmpty())
        base.table = m_spec.table;
    const SearchPlan plan = buildSearch(base, *m_spec.search, *input);
    if (plan.outcome == SearchPlan::Outcome::ShowAll) {
        m_searchShown = false;
        command([this] { reopen(boxSelection()); });
        messages().information(ShowingAll);
        host.setSearchActive(false);
        host.showSearchButtons(false);
        followState();
        return;
    }
    const bool ran = command([this, &plan] { reopen(plan.selection); });
    if (!ran || m_query->isEmpty()) {
        m_searchShown = false;
        command([this] { reopen(boxSelection()); });
        if (ran)
            messages().warning(NoMatch);
        followState();
        return; // the search stays active until "Cancel Search"
    }
    m_searchShown = true;
    followState();
    messages().information(ShowingMatches);
}

void LogPage::cancelSearch()
{
    // The whole list comes back by reading it again: a row being added or edited is asked
    // about first, as when leaving the page.
    if (!leaveStep())
        return;
    m_searchShown = false;
    command([this] { reopen(boxSelection()); });
    followState();
    PageHost& host = m_context.host;
    host.setStatusText(QString());
    host.showSearchButtons(false);
    messages().information(ShowingAll);
    host.setSearchActive(false);
}

void LogPage::exportCsv()
{
    const QString path =
        m_context.app.fileDialogs.saveFile(QStringLiteral("Export list as CSV"), QDir::homePath(),
                                           QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QByteArray content;
    QStringList header;
    for (const ListColumn& c : m_spec.columns)
        header << c.title;
    content += csvRecord(header);
    const int rows = m_model->rowCount();
    for (int r = 0; r < rows; ++r) {
        QStringList fields;
        for (int c = 0; c < int(m_spec.columns.size()); ++c)
            fields << m_model->exportText(r, c);
        content += csvRecord(fields);
    }
    const QString target = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                               ? path
                               : path + QLatin1String(".csv");
    const QString failed = writeCsvFile(target, content);
    if (!failed.isEmpty())
        messages().error(QStringLiteral("The list could not be written to %1: %2")
                             .arg(QDir::toNativeSeparators(target), failed));
}

void LogPage::print()
{
    if (ReportPrinter* reports = m_context.app.reports) {
        reports->printReport(m_spec.report, m_query->sql(), m_query->params());
        return;
    }
    messages().information(QStringLiteral("Printing comes in a later version of Helmbook."));
}

} // namespace hb
