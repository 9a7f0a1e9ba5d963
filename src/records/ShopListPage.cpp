#include "records/ShopListPage.h"

#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "pages/CommandGuard.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/RecordSetModel.h"
#include "records/Contacts.h"
#include "records/ShopList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

namespace {

const ListColumns ShopColumns = {
    {QStringLiteral("ItemName"), QStringLiteral("Item Name")},
    {QStringLiteral("Description"), QStringLiteral("Description")},
    {QStringLiteral("ItemSize"), QStringLiteral("Item Size")},
    {QStringLiteral("NumItems"), QStringLiteral("Num Items")},
    {QStringLiteral("Vendor"), QStringLiteral("Vendor")},
};

} // namespace

const QString ShopListPage::ClearQuestion =
    QStringLiteral("This will delete every item on the shopping list (archived items are kept). "
                   "Are you sure you want to do this?");

const LogPageSpec& ShopListPage::pageSpec()
{
    static const LogPageSpec spec{
        Page::ShopList,
        QStringLiteral("Current Shopping List"),
        QStringLiteral("Shop"),
        QStringLiteral("ShopList"),
        QStringLiteral("Shopping List"),
        ShopColumns,
        true,
        false,
        std::nullopt,
        {},
        QStringLiteral("Shop List"),
        QStringLiteral("Show All"),
    };
    return spec;
}

ShopListPage::ShopListPage(PageContext& context, QWidget* parent)
    : LogPage(context, pageSpec(), parent)
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    struct Line
    {
        const char* column;
        const char* caption;
        const char* hint;
        int maxLength;
    };
    const Line lines[] = {
        {"ItemName", "Item", "item name or description", 30},
        {"Description", "Description", "further item description", 30},
        {"ItemSize", "Size", "size of item", 30},
        {"NumItems", "Num. Items", "number of items", 4},
    };
    int row = 0;
    for (const Line& l : lines) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(l.column));
        e->setToolTip(QString::fromLatin1(l.hint));
        const bool number = row == 3;
        b.bind(e, QString::fromLatin1(l.column), QString::fromLatin1(l.caption),
               number ? KeyFilter::WholeNumber : KeyFilter::Any);
        e->setMaxLength(l.maxLength);
        g->addWidget(captionFor(QString::fromLatin1(l.caption), e), row, 0);
        g->addWidget(e, row++, 1);
    }
    m_vendor = new QComboBox;
    m_vendor->setObjectName(QStringLiteral("Vendor"));
    m_vendor->setEditable(true);
    m_vendor->setInsertPolicy(QComboBox::NoInsert);
    b.bind(m_vendor, QStringLiteral("Vendor"), QStringLiteral("Vendor"));
    g->addWidget(captionFor(QStringLiteral("Vendor"), m_vendor), row, 0);
    g->addWidget(m_vendor, row++, 1);
    auto* archived = new QCheckBox(QStringLiteral("Archive Current Item?"));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    g->addWidget(archived, row, 1);

    m_clear = addButton(QStringLiteral("Clear List"));
    m_clear->setToolTip(QStringLiteral("Clear all items in list"));
    connect(m_clear, &QPushButton::clicked, this,
            [this] { command([this] { ClearListBtnClick(); }); });
    m_useArchived = addButton(QStringLiteral("Use Archived Items"));
    connect(m_useArchived, &QPushButton::clicked, this,
            [this] { command([this] { UseArchBtnClick(); }); });
    if (auto* print = findChild<QPushButton*>(QStringLiteral("Print")))
        print->setToolTip(QStringLiteral("Print Shopping List"));
    connect(addButton(QStringLiteral("Calculator")), &QPushButton::clicked, this, [this] {
        Shell& shell = this->context().app.shell;
        if (!shell.startProgram(QStringLiteral("gnome-calculator"), {}) &&
            !shell.startProgram(QStringLiteral("kcalc"), {}) &&
            !shell.startProgram(QStringLiteral("galculator"), {}))
            messages().error(QStringLiteral("No calculator program was found on this computer."));
    });

    RecordSet& q = query();
    q.afterInsert = [this](RecordSet&) { ShopQueryAfterInsert(); };
    q.afterPost = [this](RecordSet&) { ShopQueryAfterPost(); };
    q.afterCancel = [this](RecordSet&) { ShopQueryAfterCancel(); };
}

Selection ShopListPage::normalSelection() const
{
    return showAllSelection(false);
}

Selection ShopListPage::showAllSelection(bool all) const
{
    return {all ? QStringLiteral("select * from ShopList")
                : QStringLiteral("select * from ShopList where Archived = False"),
            {}};
}

void ShopListPage::pageShown()
{
    ShopListShow();
}

void ShopListPage::ShopListShow()
{
    context().host.setStatusText(pageInfo(Page::ShopList).statusText);
    // The vendors afresh each time: suppliers, then service providers, shown sorted.
    const bool blocked = m_vendor->blockSignals(true);
    m_vendor->clear();
    if (context().app.log && context().app.log->isOpen()) {
        QStringList names =
            contactNames(*context().app.log, {ContactKind::Suppliers, ContactKind::Services});
        names.sort(Qt::CaseInsensitive);
        m_vendor->addItems(names);
    }
    m_vendor->blockSignals(blocked);
    binder().load();
}

void ShopListPage::editingChanged(bool editing)
{
    // Clearing and the archive window change the list: not while a row is being edited.
    m_clear->setEnabled(!editing);
    m_useArchived->setEnabled(!editing);
}

void ShopListPage::ShopQueryAfterInsert()
{
    if (auto* item = findChild<QLineEdit*>(QStringLiteral("ItemName")))
        item->setFocus();
}

void ShopListPage::ShopQueryAfterPost()
{
    query().requery();
}

void ShopListPage::ShopQueryAfterCancel()
{
    query().requery();
}

void ShopListPage::ClearListBtnClick()
{
    if (editing())
        return;
    if (!messages().confirm(ClearQuestion))
        return;
    QString failed;
    try {
        clearShopList(*context().app.log);
    } catch (const LogError& e) {
        failed = e.text();
    }
    reopen(boxSelection());
    if (!failed.isEmpty())
        messages().error(QStringLiteral("The shopping list could not be cleared: ") + failed);
}

void ShopListPage::UseArchBtnClick()
{
    if (editing())
        return;
    ShopArchiveDialog dialog(context().app, this);
    dialog.exec();
    query().requery();
}

ShopArchiveDialog::ShopArchiveDialog(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Shopping Archived Items"));
    m_query = new RecordSet(*app.log, this);
    ListColumns columns = ShopColumns;
    columns.insert(columns.begin(),
                   {QStringLiteral("Archived"), QStringLiteral("Archived"), ColumnFormat::Check});
    auto* model = new RecordSetModel(*m_query, app.formats, columns, this);
    auto* list = new LogList(QStringLiteral("Archived items"));
    list->setModel(model);
    connect(list, &LogList::rowClicked, this, [this](int row) {
        runCommand(m_app.messages, [this, row] { m_query->moveTo(row + 1); });
    });
    connect(m_query, &RecordSet::currentChanged, this, [this, list] {
        list->showCurrentRow(m_query->isEmpty() ? -1 : m_query->recNo() - 1);
        followState();
    });
    connect(list, &LogList::titleClicked, this, [this, columns, model](int column) {
        if (m_query->state() != RecordSet::State::Browse)
            return;
        const QString field = columns[size_t(column)].field;
        if (m_query->sort(toggledSort(m_query->sortText(), field)))
            model->setBoldColumn(column);
    });
    m_archived = new QCheckBox(QStringLiteral("Archived"));
    m_archived->setAccessibleName(m_archived->text());
    connect(m_archived, &QCheckBox::clicked, this, [this](bool on) {
        if (m_query->state() == RecordSet::State::Edit)
            m_query->setValue(QStringLiteral("Archived"), on);
    });
    auto* buttons = new QHBoxLayout;
    for (const char* caption : {"Edit", "Save", "Cancel", "OK"}) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(b->text());
        b->setAccessibleName(b->text());
        buttons->addWidget(b);
    }
    connect(button(QStringLiteral("Edit")), &QPushButton::clicked, this, [this] { editRow(); });
    connect(button(QStringLiteral("Save")), &QPushButton::clicked, this, [this] { saveRow(); });
    connect(button(QStringLiteral("Cancel")), &QPushButton::clicked, this, [this] { cancelRow(); });
    connect(button(QStringLiteral("OK")), &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(m_archived);
    layout->addLayout(buttons);
    runCommand(m_app.messages, [this] {
        m_query->open(QStringLiteral("select * from ShopList where Archived = True"));
    });
    followState();
}

QPushButton* ShopArchiveDialog::button(const QString& caption) const
{
    return findChild<QPushButton*>(caption);
}

void ShopArchiveDialog::followState()
{
    const bool edit = m_query->state() == RecordSet::State::Edit;
    const bool row = m_query->isOpen() && !m_query->isEmpty();
    m_archived->setChecked(row && m_query->boolean(QStringLiteral("Archived")));
    m_archived->setEnabled(edit);
    button(QStringLiteral("Edit"))->setEnabled(!edit && row);
    button(QStringLiteral("Save"))->setEnabled(edit);
    button(QStringLiteral("Cancel"))->setEnabled(edit);
    // "OK" waits until the row is saved or cancelled.
    button(QStringLiteral("OK"))->setEnabled(!edit);
}

void ShopArchiveDialog::editRow()
{
    runCommand(m_app.messages, [this] {
        if (m_query->isOpen() && !m_query->isEmpty())
            m_query->edit();
    });
    followState();
}

void ShopArchiveDialog::saveRow()
{
    runCommand(m_app.messages, [this] { m_query->post(); });
    followState();
}

void ShopArchiveDialog::cancelRow()
{
    runCommand(m_app.messages, [this] { m_query->cancel(); });
    followState();
}

} // namespace hb
