#include "records/ProjectsPage.h"

#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/RecordSetModel.h"
#include "records/ProjectRules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace hb {

namespace {
// The title kept in the log: the column holds 50 characters, the log keeps 40.
constexpr int TitleLength = 40;
const QString Order = QStringLiteral(" order by Complete, GoalDT, Priority ASC");
} // namespace

const QString ProjectsPage::ArchiveQuestion =
    QStringLiteral("This will Archive ALL projects that have been completed.  Are you sure you "
                   "want to do this?");
const QString ProjectsPage::ClientSort = QStringLiteral("GoalDT ASC, Priority ASC, Complete ASC");

const LogPageSpec& ProjectsPage::pageSpec()
{
    static const LogPageSpec spec{
        Page::ProjTab,
        QStringLiteral("Projects Log"),
        QStringLiteral("Proj"),
        QStringLiteral("Project"),
        QStringLiteral("Projects"),
        {{QStringLiteral("GoalDT"), QStringLiteral("Goal Date"), ColumnFormat::Date},
         {QStringLiteral("Title"), QStringLiteral("Title")},
         {QStringLiteral("ProjCatagory"), QStringLiteral("Catagory")},
         {QStringLiteral("StartDt"), QStringLiteral("Start Date"), ColumnFormat::Date},
         {QStringLiteral("EndDt"), QStringLiteral("End Date"), ColumnFormat::Date},
         {QStringLiteral("Priority"), QStringLiteral("Priority")},
         {QStringLiteral("SubDT"), QStringLiteral("Submit Date"), ColumnFormat::Date},
         {QStringLiteral("Complete"), QStringLiteral("Completed"), ColumnFormat::Check}},
        true,
        true,
        SearchSpec{nullptr,
                   {{"Goal Dates", "GoalDT"}, {"Fishish Dates", "EndDt"}},
                   {{"Title", "Title"}, {"Description", "Notes"}}},
        SearchBase{QStringLiteral("Project"), QStringLiteral("Archived = False"), {}, 0},
        QStringLiteral("Projects"),
        QStringLiteral("Show All"),
    };
    return spec;
}

ProjectsPage::ProjectsPage(PageContext& context, QWidget* parent)
    : LogPage(context, pageSpec(), parent)
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    auto dateBox = [&](const char* name, const QString& caption, int row, int col,
                       const QString& hint = {}) {
        auto* d = new DateBox(caption);
        d->setObjectName(QString::fromLatin1(name));
        d->setToolTip(hint);
        setFieldKeys(d);
        b.follow(d);
        g->addWidget(captionFor(caption, d), row, col);
        g->addWidget(d, row, col + 1);
        return d;
    };
    m_sub = dateBox("SubDT", QStringLiteral("Submission Date"), 0, 0);
    m_goal = dateBox("GoalDT", QStringLiteral("Goal Date"), 1, 0,
                     QStringLiteral("desired date to finish project"));
    m_start = dateBox("StartDt", QStringLiteral("Start Date"), 2, 0);
    m_end = dateBox("EndDt", QStringLiteral("Finish Date"), 3, 0);

    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setMaxLength(TitleLength);
    setFieldKeys(m_title);
    b.follow(m_title);
    g->addWidget(captionFor(QStringLiteral("Project Title"), m_title), 0, 2);
    g->addWidget(m_title, 0, 3);

    auto* category = new QLineEdit;
    category->setObjectName(QStringLiteral("ProjCatagory"));
    b.bind(category, QStringLiteral("ProjCatagory"), QStringLiteral("Project Category"));
    g->addWidget(captionFor(QStringLiteral("Project Category"), category), 1, 2);
    g->addWidget(category, 1, 3);

    m_priority = new QSpinBox;
    m_priority->setObjectName(QStringLiteral("Priority"));
    m_priority->setRange(0, 10);
    setFieldKeys(m_priority, KeyFilter::WholeNumber);
    b.follow(m_priority);
    g->addWidget(captionFor(QStringLiteral("Priority"), m_priority), 2, 2);
    g->addWidget(m_priority, 2, 3);

    m_complete = new QCheckBox(QStringLiteral("Completed"));
    m_complete->setObjectName(QStringLiteral("Complete"));
    b.follow(m_complete, QStringLiteral("Completed"));
    g->addWidget(m_complete, 3, 3);

    auto* notes = new QPlainTextEdit;
    notes->setObjectName(QStringLiteral("Notes"));
    b.bind(notes, QStringLiteral("Notes"), QStringLiteral("Project Description"));
    g->addWidget(captionFor(QStringLiteral("Project Description"), notes), 4, 0);
    g->addWidget(notes, 4, 1, 1, 3);

    auto* archived = new QCheckBox(QStringLiteral("Archive Current Project?"));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    g->addWidget(archived, 5, 1);

    connect(m_start, &QDateEdit::dateChanged, this, [this] {
        if (!binder().loading() && editing())
            m_startChanged = true;
    });
    connect(m_end, &QDateEdit::dateChanged, this, [this] {
        if (!binder().loading() && editing())
            m_endChanged = true;
    });

    m_archiveAll = addButton(QStringLiteral("Archive ALL Completed"));
    m_archiveAll->setToolTip(QStringLiteral("Archive Completed Projects"));
    connect(m_archiveAll, &QPushButton::clicked, this,
            [this] { command([this] { ArchCompBtnClick(); }); });
    connect(addButton(QStringLiteral("Calculator")), &QPushButton::clicked, this, [this] {
        if (!this->context().app.shell.startProgram(QStringLiteral("gnome-calculator"), {}) &&
            !this->context().app.shell.startProgram(QStringLiteral("kcalc"), {}) &&
            !this->context().app.shell.startProgram(QStringLiteral("galculator"), {}))
            messages().error(QStringLiteral("No calculator program was found on this computer."));
    });

    model().rowColour = [this](int row) {
        const RecordSet& q = query();
        return colourOf(projectColour(q.valueAt(row, QStringLiteral("GoalDT")).toDate(),
                                      q.valueAt(row, QStringLiteral("Complete")).toBool(),
                                      clock().today()));
    };

    RecordSet& q = query();
    q.beforeInsert = [this](RecordSet&) { return ProjQueryBeforeInsert(); };
    q.afterInsert = [this](RecordSet&) { ProjQueryAfterInsert(); };
    q.beforeEdit = [this](RecordSet&) { return ProjQueryBeforeEdit(); };
    q.afterEdit = [this](RecordSet&) { ProjQueryAfterEdit(); };
    q.beforePost = [this](RecordSet&) { return ProjQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { ProjQueryAfterPost(); };
}

Selection ProjectsPage::normalSelection() const
{
    return {QStringLiteral("select * from project where Archived = False order by Complete, "
                           "GoalDT, Priority ASC"),
            {}};
}

Selection ProjectsPage::showAllSelection(bool all) const
{
    return hb::showAllSelection(QStringLiteral("Project"), all,
                                QStringLiteral("Complete, GoalDT, Priority ASC"));
}

Selection ProjectsPage::afterSaveSelection() const
{
    return {QStringLiteral("select * from Project where Archived = ") +
                (showAllTicked() ? QStringLiteral("False or Archived = True")
                                 : QStringLiteral("False")) +
                Order,
            {}};
}

void ProjectsPage::pageShown()
{
    ProjTabShow();
}

void ProjectsPage::ProjTabShow()
{
    for (DateBox* d : {m_sub, m_goal, m_start, m_end}) {
        d->setDisplayPattern(formats().shortDatePattern());
        d->setToday(clock().today());
    }
    query().sort(ClientSort);
    m_startChanged = m_endChanged = false;
    showCurrent();
}

void ProjectsPage::showCurrent()
{
    const RecordSet& q = query();
    const bool row = q.isOpen() && !q.isEmpty();
    auto date = [&](const char* field) {
        return row ? q.date(QString::fromLatin1(field)) : QDate();
    };
    // Submission and goal dates not later than 1 January 1980 show that date; start and finish
    // show no date when they have none.
    const QDate floor(1980, 1, 1);
    m_sub->setDateOrNone(row ? std::max(date("SubDT"), floor) : QDate());
    m_goal->setDateOrNone(row ? std::max(date("GoalDT"), floor) : QDate());
    m_start->setDateOrNone(date("StartDt"));
    m_end->setDateOrNone(date("EndDt"));
    m_title->setText(row ? q.text(QStringLiteral("Title")) : QString());
    m_title->setCursorPosition(0);
    m_priority->setValue(row ? q.integer(QStringLiteral("Priority")) : 0);
    m_complete->setChecked(row && q.boolean(QStringLiteral("Complete")));
}

void ProjectsPage::editingChanged(bool editing)
{
    // Archiving reloads the list: not while a row is added or edited.
    m_archiveAll->setEnabled(!editing && !searchShown());
}

RecordSet::Verdict ProjectsPage::ProjQueryBeforeInsert()
{
    m_title->clear();
    m_priority->setValue(0);
    m_complete->setChecked(false);
    return RecordSet::Proceed;
}

void ProjectsPage::ProjQueryAfterInsert()
{
    const QDate today = clock().today();
    m_sub->setDateOrNone(today);
    m_goal->setDateOrNone(today.addDays(1));
    m_start->setDateOrNone(today.addDays(1));
    m_end->setDateOrNone(today.addDays(1));
    m_startChanged = m_endChanged = false;
    m_goal->setFocus();
}

RecordSet::Verdict ProjectsPage::ProjQueryBeforeEdit()
{
    const QDate start = query().date(QStringLiteral("StartDt"));
    if (!start.isValid() || start.year() < 1950) {
        m_start->setDateOrNone(clock().today());
        m_end->setDateOrNone(clock().today());
    }
    return RecordSet::Proceed;
}

void ProjectsPage::ProjQueryAfterEdit()
{
    m_startChanged = m_endChanged = false;
    m_goal->setFocus();
}

RecordSet::Verdict ProjectsPage::ProjQueryBeforePost()
{
    RecordSet& q = query();
    q.setValue(QStringLiteral("SubDT"), m_sub->dateOrNone());
    q.setValue(QStringLiteral("GoalDT"), m_goal->dateOrNone());
    if (m_endChanged)
        q.setValue(QStringLiteral("EndDt"), m_end->dateOrNone());
    if (m_startChanged)
        q.setValue(QStringLiteral("StartDt"), m_start->dateOrNone());
    const QString title = m_title->text().left(TitleLength);
    q.setValue(QStringLiteral("Title"), title.isEmpty() ? QVariant() : QVariant(title));
    q.setValue(QStringLiteral("Priority"), m_priority->value());
    q.setValue(QStringLiteral("Complete"), m_complete->isChecked());
    return RecordSet::Proceed;
}

void ProjectsPage::ProjQueryAfterPost()
{
    RecordSet& q = query();
    const QVariant key = q.key();
    reopen(afterSaveSelection());
    q.sort(ClientSort);
    if (key.isValid())
        q.locate(QStringLiteral("Proj_ID"), key);
    m_startChanged = m_endChanged = false;
}

void ProjectsPage::ArchCompBtnClick()
{
    if (editing())
        return;
    if (messages().show(Messages::Kind::Warning, ArchiveQuestion, Messages::Buttons::OkCancel,
                        QString()) != Messages::Answer::Ok)
        return;
    QString failed;
    try {
        context().app.log->exec(
            QStringLiteral("UPDATE Project SET Archived = :yes WHERE Complete = :yes"),
            {{QStringLiteral(":yes"), true}});
    } catch (const LogError& e) {
        failed = e.text();
    }
    // The list follows the "Show All" box, whether or not the update went through.
    reopen(boxSelection());
    query().sort(ClientSort);
    if (!failed.isEmpty())
        messages().error(QStringLiteral("The completed projects could not be archived: ") + failed);
}

} // namespace hb
