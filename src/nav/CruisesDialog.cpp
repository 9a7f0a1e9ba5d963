#include "nav/CruisesDialog.h"

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/AggQuery.h"
#include "pages/CommandGuard.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/RecordSetModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

const QString CruisesDialog::AllCruisesRefused =
    QStringLiteral("You can NOT edit the \"All Cruises\" record!  This record must stay as is!");

CruisesDialog::CruisesDialog(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Cruises"));
    setObjectName(QStringLiteral("CruiseDlg"));
    m_set = new RecordSet(*app.log, this);
    m_model = new RecordSetModel(
        *m_set, app.formats,
        {{QStringLiteral("CruiseName"), QStringLiteral("Cruise Name")},
         {QStringLiteral("Archived"), QStringLiteral("Archived"), ColumnFormat::Check},
         {QStringLiteral("BegDate"), QStringLiteral("Beg Date"), ColumnFormat::Date},
         {QStringLiteral("EndDate"), QStringLiteral("End Date"), ColumnFormat::Date},
         {QString(), QString()},
         {QStringLiteral("CruiseNum"), QStringLiteral("CruiseNum")}},
        this);
    m_list = new LogList(QStringLiteral("Cruises"));
    m_list->setObjectName(QStringLiteral("CruiseGrid"));
    m_list->setModel(m_model);
    m_binder = new FieldBinder(*m_set, QStringLiteral("Cruises"), this);

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("CruiseName"));
    m_name->setToolTip(QStringLiteral("enter name for cruise"));
    m_binder->bind(m_name, QStringLiteral("CruiseName"), QStringLiteral("Cruise Name"));
    m_start = new DateBox(QStringLiteral("cruise start date"));
    m_start->setObjectName(QStringLiteral("CruiseStart"));
    m_end = new DateBox(QStringLiteral("cruise end date"));
    m_end->setObjectName(QStringLiteral("CruiseEnd"));
    for (DateBox* d : {m_start, m_end}) {
        d->setDisplayPattern(app.formats.shortDatePattern());
        d->setToday(app.clock.today());
        m_binder->follow(d);
    }

    auto* fields = new QGridLayout;
    fields->addWidget(captionFor(QStringLiteral("Cruise Name"), m_name), 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(captionFor(QStringLiteral("cruise start date"), m_start), 1, 0);
    fields->addWidget(m_start, 1, 1);
    fields->addWidget(captionFor(QStringLiteral("cruise end date"), m_end), 2, 0);
    fields->addWidget(m_end, 2, 1);

    auto* bar = new QHBoxLayout;
    auto add = [&](const QString& caption, auto handler) {
        auto* b = new QPushButton(caption);
        b->setObjectName(caption);
        b->setAccessibleName(caption);
        bar->addWidget(b);
        connect(b, &QPushButton::clicked, this,
                [this, handler] { runCommand(m_app.messages, [this, handler] { handler(); }); });
    };
    add(QStringLiteral("New"), [this] { NewClick(); });
    add(QStringLiteral("Edit"), [this] { EditClick(); });
    add(QStringLiteral("Save"), [this] { SaveClick(); });
    add(QStringLiteral("Cancel"), [this] { CancelClick(); });
    bar->addStretch(1);
    add(QStringLiteral("Exit"), [this] { ExitClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(fields);
    layout->addLayout(bar);

    connect(m_list, &LogList::rowClicked, this, [this](int row) {
        runCommand(m_app.messages, [this, row] { m_set->moveTo(row + 1); });
    });
    connect(m_list, &LogList::wheelStep, this, [this](int step) {
        runCommand(m_app.messages, [this, step] { step > 0 ? m_set->next() : m_set->prior(); });
    });
    connect(m_set, &RecordSet::currentChanged, this, [this] { CruiseTableAfterScroll(); });
    connect(m_set, &RecordSet::dataReset, this, [this] { CruiseTableAfterScroll(); });
    connect(m_set, &RecordSet::stateChanged, this, [this] { followState(); });
    m_set->beforeEdit = [this](RecordSet&) { return CruiseTableBeforeEdit(); };
    m_set->beforePost = [this](RecordSet&) { return CruiseTableBeforePost(); };
    m_set->afterPost = [this](RecordSet&) { Q_EMIT cruiseSaved(); };
    m_set->afterInsert = [this](RecordSet& s) {
        s.setValue(QStringLiteral("Archived"), false);
        m_start->setDateOrNone(m_app.clock.today());
        m_end->setDateOrNone(m_app.clock.today());
    };

    runCommand(m_app.messages, [this] {
        // Table order: "All Cruises" first.
        m_set->open(QStringLiteral("select * from Cruises order by Cruise_ID"));
    });
    followState();
}

QPushButton* CruisesDialog::button(const QString& caption) const
{
    return findChild<QPushButton*>(caption);
}

void CruisesDialog::followState()
{
    const bool edit =
        m_set->state() == RecordSet::State::Insert || m_set->state() == RecordSet::State::Edit;
    m_binder->setEditable(edit);
    m_binder->load();
    m_list->setEnabled(!edit);
    for (const char* name : {"New", "Edit", "Exit"})
        if (QPushButton* b = button(QString::fromLatin1(name)))
            b->setEnabled(!edit);
    for (const char* name : {"Save", "Cancel"})
        if (QPushButton* b = button(QString::fromLatin1(name)))
            b->setEnabled(edit);
    if (!edit)
        CruiseTableAfterScroll();
}

void CruisesDialog::CruiseTableAfterScroll()
{
    const bool row = m_set->isOpen() && !m_set->isEmpty();
    m_list->showCurrentRow(row ? m_set->recNo() - 1 : -1);
    m_binder->load();
    if (m_set->state() == RecordSet::State::Insert)
        return;
    m_start->setDateOrNone(row ? m_set->date(QStringLiteral("BegDate")) : QDate());
    m_end->setDateOrNone(row ? m_set->date(QStringLiteral("EndDate")) : QDate());
}

void CruisesDialog::NewClick()
{
    m_set->append();
}

void CruisesDialog::EditClick()
{
    m_set->edit();
}

RecordSet::Verdict CruisesDialog::CruiseTableBeforeEdit()
{
    if (m_set->integer(QStringLiteral("CruiseNum")) == 0) {
        m_app.messages.error(AllCruisesRefused);
        return RecordSet::Abort;
    }
    return RecordSet::Proceed;
}

RecordSet::Verdict CruisesDialog::CruiseTableBeforePost()
{
    m_set->setValue(QStringLiteral("BegDate"), m_start->dateOrNone());
    m_set->setValue(QStringLiteral("EndDate"), m_end->dateOrNone());
    if (m_set->state() == RecordSet::State::Insert) {
        // The next number after the highest: a count of rows can repeat a number.
        const AggQuery top(*m_app.log, QStringLiteral("select max(CruiseNum) as top from Cruises"));
        m_set->setValue(QStringLiteral("CruiseNum"), int(top.integer(QStringLiteral("top"))) + 1);
    }
    return RecordSet::Proceed;
}

bool CruisesDialog::SaveClick()
{
    if (m_set->state() != RecordSet::State::Insert && m_set->state() != RecordSet::State::Edit)
        return true;
    m_set->post();
    return m_set->state() == RecordSet::State::Browse;
}

void CruisesDialog::CancelClick()
{
    m_set->cancel();
}

void CruisesDialog::ExitClick()
{
    accept();
}

} // namespace hb
