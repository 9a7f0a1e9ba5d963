#include "records/LookupEditor.h"

#include "common/AppContext.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "pages/CommandGuard.h"
#include "pages/EditBar.h"
#include "pages/FieldBinder.h"
#include "pages/FieldKeys.h"
#include "pages/LogList.h"
#include "pages/LogPage.h"
#include "pages/Lookups.h"
#include "pages/RecordSetModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace hb {

const QString LookupEditor::CannotOpen = QStringLiteral("Can't open a table!");

LookupEditor::LookupEditor(AppContext& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("LookupEditor"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Lookup Table Information"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    m_tables = new QComboBox;
    m_tables->setObjectName(QStringLiteral("TableSelCombo"));
    for (const LookupTable& t : lookupTables())
        m_tables->addItem(QString::fromLatin1(t.editorName), QString::fromLatin1(t.table));
    grid->addWidget(captionFor(QStringLiteral("Select Table To Edit"), m_tables), 0, 0);
    grid->addWidget(m_tables, 0, 1);
    m_entry = new QLineEdit;
    m_entry->setObjectName(QStringLiteral("LookupEntry"));
    m_entry->setReadOnly(true);
    setFieldKeys(m_entry);
    grid->addWidget(captionFor(QStringLiteral("Entry"), m_entry), 1, 0);
    grid->addWidget(m_entry, 1, 1);
    layout->addLayout(grid);
    m_bar = new EditBar;
    layout->addWidget(m_bar);
    m_list = new LogList(QStringLiteral("Lookup Table Entries"));
    m_list->setMaximumHeight(220);
    layout->addWidget(m_list);
    auto* note = new QLabel(QStringLiteral(
        "Use this to edit the values in each of the lookup tables used in Helmbook\n\n"
        "NOTE: Any changes made here will not be felt until the next time you run Helmbook!!"));
    note->setWordWrap(true);
    layout->addWidget(note);

    connect(m_tables, &QComboBox::activated, this,
            [this](int index) { runCommand(m_app.messages, [&] { TableSelComboChange(index); }); });
    connect(m_bar, &EditBar::clicked, this, [this](EditBar::Button b) { barClicked(int(b)); });
    connect(m_entry, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_set && editing())
            m_set->setValue(QString::fromLatin1(m_table->column), text);
    });
    connect(m_list, &LogList::rowClicked, this, [this](int row) {
        runCommand(m_app.messages, [&] {
            if (m_set && !editing())
                m_set->moveTo(row + 1);
        });
    });
    follow();
}

LookupEditor::~LookupEditor() = default;

QString LookupEditor::currentTable() const
{
    return m_table ? QString::fromLatin1(m_table->table) : QString();
}

bool LookupEditor::editing() const
{
    return m_set &&
           (m_set->state() == RecordSet::State::Insert || m_set->state() == RecordSet::State::Edit);
}

bool LookupEditor::LookupEditShow(const QString& table)
{
    const LookupTable* t = findLookupTable(table);
    if (!t)
        t = &lookupTables().front();
    m_tables->setCurrentIndex(int(t - lookupTables().data()));
    try {
        open(*t);
    } catch (const LogError&) {
        return false;
    }
    return true;
}

void LookupEditor::TableSelComboChange(int index)
{
    if (editing() && !saveEntry())
        return;
    open(lookupTables().at(size_t(index)));
    Q_EMIT tableChosen(currentTable());
}

void LookupEditor::open(const LookupTable& table)
{
    if (m_set && editing())
        m_set->cancel();
    m_list->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
    m_set.reset();
    m_table = &table;
    if (!m_app.log || !m_app.log->isOpen())
        throw LogError(CannotOpen);
    const TableDef* def = findLogTable(QString::fromLatin1(table.table));
    const QString column = QString::fromLatin1(table.column);
    m_set = std::make_unique<RecordSet>(*m_app.log);
    connect(m_set.get(), &RecordSet::currentChanged, this, [this] { follow(); });
    connect(m_set.get(), &RecordSet::stateChanged, this, [this] { follow(); });
    m_set->beforePost = [this, column](RecordSet& set) {
        const QString text = set.text(column).trimmed().toUpper();
        const int limit = lookupEntryLimit(*m_table);
        if (text.isEmpty()) {
            m_app.messages.error(QStringLiteral("An entry of this list cannot be empty."));
            return RecordSet::Abort;
        }
        if (limit > 0 && text.size() > limit) {
            m_app.messages.error(
                QStringLiteral("An entry of this list can hold at most %1 characters.").arg(limit));
            return RecordSet::Abort;
        }
        set.setValue(column, text);
        return RecordSet::Proceed;
    };
    m_set->beforeDelete = [this](RecordSet&) {
        return m_app.messages.show(Messages::Kind::Warning, LogPage::DeleteQuestion,
                                   Messages::Buttons::YesNo) == Messages::Answer::Yes
                   ? RecordSet::Proceed
                   : RecordSet::Abort;
    };
    m_set->open(QStringLiteral("select * from %1 order by %2")
                    .arg(QLatin1String(def->name), def->primaryKey()));
    m_model = new RecordSetModel(*m_set, m_app.formats,
                                 {{column, QString::fromLatin1(table.editorName)}}, this);
    m_list->setModel(m_model);
    m_entry->setMaxLength(lookupEntryLimit(table));
    follow();
}

bool LookupEditor::saveEntry()
{
    bool saved = false;
    runCommand(m_app.messages, [&] {
        if (!m_set || !editing())
            return;
        m_set->setValue(QString::fromLatin1(m_table->column), m_entry->text());
        m_set->post();
        saved = !editing();
    });
    follow();
    return saved;
}

void LookupEditor::cancelEntry()
{
    if (m_set && editing())
        m_set->cancel();
    follow();
}

void LookupEditor::barClicked(int button)
{
    runCommand(m_app.messages, [&] {
        if (!m_set)
            return;
        switch (EditBar::Button(button)) {
        case EditBar::First:
            m_set->first();
            break;
        case EditBar::Last:
            m_set->last();
            break;
        case EditBar::New:
            m_set->append();
            m_entry->setFocus();
            break;
        case EditBar::Delete:
            if (!m_set->isEmpty())
                m_set->remove();
            break;
        case EditBar::Edit:
            if (!m_set->isEmpty())
                m_set->edit();
            m_entry->setFocus();
            break;
        case EditBar::Save:
            saveEntry();
            break;
        case EditBar::Cancel:
            cancelEntry();
            break;
        }
    });
    follow();
}

void LookupEditor::follow()
{
    const bool edit = editing();
    m_bar->setEditing(edit);
    m_bar->setRowsPresent(m_set && !m_set->isEmpty());
    m_entry->setReadOnly(!edit);
    m_tables->setEnabled(!edit);
    if (!edit) {
        m_entry->setText(m_set && !m_set->isEmpty()
                             ? m_set->text(QString::fromLatin1(m_table->column))
                             : QString());
        if (m_set && !m_set->isEmpty())
            m_list->showCurrentRow(m_set->recNo() - 1);
    } else if (m_set->state() == RecordSet::State::Insert &&
               m_entry->text() != m_set->text(QString::fromLatin1(m_table->column))) {
        m_entry->setText(m_set->text(QString::fromLatin1(m_table->column)));
    }
}

} // namespace hb
