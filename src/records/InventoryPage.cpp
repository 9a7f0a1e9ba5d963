#include "records/InventoryPage.h"

#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "pages/AttachmentWidgets.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/LookupBox.h"
#include "records/Contacts.h"
#include "records/InventoryKinds.h"
#include "records/ShopList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <stdexcept>

namespace hb {

namespace {

const QString Inventory = QStringLiteral("Inventory");
const QString InvDate = QStringLiteral("InvDate");
const QString InvShipDate = QStringLiteral("InvShipDate");
const QString OrderQty = QStringLiteral("InvNumFld3");

const InventoryKind& kindOf(Page page)
{
    const InventoryKind* k = inventoryKindOf(page);
    if (!k)
        throw std::invalid_argument("not an inventory page");
    return *k;
}

QString latin(const char* text)
{
    return text ? QString::fromLatin1(text) : QString();
}

// Money as typed: digits with one decimal point; the currency symbol, blanks and grouping as
// shown are allowed. None when it is not a sum.
std::optional<double> parseMoney(QString text, const Formats& formats)
{
    text.remove(formats.currencySymbol());
    text.remove(u' ');
    text.remove(u',');
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace

LogPageSpec InventoryPage::pageSpec(const InventoryKind& kind)
{
    return LogPageSpec{
        kind.page,
        latin(kind.heading),
        QStringLiteral("Inv"),
        Inventory,
        latin(kind.heading),
        kind.columns,
        true,
        kind.wheelMoves,
        kind.search,
        SearchBase{Inventory, QStringLiteral("Archived = False"), QStringLiteral("InvType"),
                   kind.type},
        latin(kind.report),
        QStringLiteral("Show All"),
    };
}

InventoryPage::InventoryPage(PageContext& context, Page page, QWidget* parent)
    : LogPage(context, pageSpec(kindOf(page)), parent), m_kind(kindOf(page))
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    list().setToolTip(latin(m_kind.listHint));
    int row = 0;
    int col = 0;
    // Boxes go down two columns of caption and box; memos take a whole row at the end.
    const int perColumn = int(m_kind.fields.size() + 1) / 2;
    auto place = [&](const QString& caption, QWidget* w) {
        g->addWidget(captionFor(caption, w), row, col);
        g->addWidget(w, row, col + 1);
        if (++row >= perColumn) {
            row = 0;
            col += 2;
        }
    };
    QPlainTextEdit* memo = nullptr;
    QString memoCaption;
    for (const InvField& f : m_kind.fields) {
        const QString column = latin(f.column);
        const QString caption = latin(f.caption);
        QWidget* w = nullptr;
        switch (f.box) {
        case InvField::Box::Text:
        case InvField::Box::Number: {
            auto* e = new QLineEdit;
            b.bind(e, column, caption,
                   f.box == InvField::Box::Number ? KeyFilter::WholeNumber : KeyFilter::Any);
            if (f.maxLength > 0 && (e->maxLength() == 0 || f.maxLength < e->maxLength()))
                e->setMaxLength(f.maxLength);
            if (column == QLatin1String("ItemName"))
                m_name = e;
            w = e;
            break;
        }
        case InvField::Box::Money: {
            m_cost = new QLineEdit;
            setFieldKeys(m_cost, KeyFilter::Decimal);
            b.follow(m_cost, caption);
            // A followed line is disabled while browsing; it should read like the others.
            m_cost->setEnabled(true);
            m_cost->setReadOnly(true);
            w = m_cost;
            break;
        }
        case InvField::Box::Memo:
            memo = new QPlainTextEdit;
            memo->setObjectName(column);
            b.bind(memo, column, caption);
            memoCaption = caption;
            m_boxes.insert(column, memo);
            continue;
        case InvField::Box::Location:
        case InvField::Box::System:
        case InvField::Box::Category: {
            const char* table = f.box == InvField::Box::Location ? "Locations"
                                : f.box == InvField::Box::System ? "InvSystems"
                                                                 : "InvCatagory";
            const char* text = f.box == InvField::Box::Location ? "Location"
                               : f.box == InvField::Box::System ? "InvSystem"
                                                                : "Cat";
            auto* l = new LookupBox(context.app, {latin(table), latin(text), Inventory, column,
                                                  LookupBinding::Check::Inventory});
            b.bind(l, column, caption);
            w = l;
            break;
        }
        case InvField::Box::Supplier:
            m_supplier = new QComboBox;
            m_supplier->setEditable(true);
            m_supplier->setInsertPolicy(QComboBox::NoInsert);
            // The box takes at most what the column holds (the binder sets it).
            b.bind(m_supplier, column, caption);
            w = m_supplier;
            break;
        case InvField::Box::Date: {
            auto* d = new DateBox(caption);
            setFieldKeys(d);
            b.follow(d, caption);
            m_dates.insert(column, d);
            connect(d, &QDateEdit::dateChanged, this, [this, column] {
                if (editing() && !binder().loading())
                    m_dateChanged[column] = true;
            });
            w = d;
            break;
        }
        case InvField::Box::Check: {
            auto* c = new QCheckBox(caption);
            c->setObjectName(column);
            if (f.hint)
                c->setToolTip(latin(f.hint));
            b.bind(c, column);
            m_boxes.insert(column, c);
            if (column == QLatin1String("InvTF2")) {
                m_onOrder = c;
                connect(c, &QCheckBox::clicked, this,
                        [this] { command([this] { DBorderCheckClick(); }); });
            }
            g->addWidget(c, row, col + 1);
            if (++row >= perColumn) {
                row = 0;
                col += 2;
            }
            continue;
        }
        }
        w->setObjectName(column);
        if (f.hint)
            w->setToolTip(latin(f.hint));
        m_boxes.insert(column, w);
        place(caption, w);
    }
    int next = perColumn + 1;
    if (memo) {
        g->addWidget(captionFor(memoCaption, memo), next, 0);
        g->addWidget(memo, next++, 1, 1, 3);
    }
    auto* archived = new QCheckBox(latin(m_kind.archiveCaption));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    g->addWidget(archived, next, 1);
    if (m_kind.shop.itemName) {
        m_shopBox = new QCheckBox(QStringLiteral("Add To Shopping List?"));
        m_shopBox->setObjectName(QStringLiteral("ShopListBox"));
        m_shopBox->setAccessibleName(m_shopBox->text());
        g->addWidget(m_shopBox, next, 3);
        if (m_kind.shopTick)
            connect(m_shopBox, &QCheckBox::clicked, this,
                    [this] { command([this] { ChrtShopListClick(); }); });
    }
    if (m_kind.ordering) {
        m_received = addButton(QStringLiteral("Received"));
        m_received->setToolTip(QStringLiteral("Click to Clear the order"));
        connect(m_received, &QPushButton::clicked, this,
                [this] { command([this] { receiveBtnClick(); }); });
        m_total = new QLabel;
        m_total->setObjectName(QStringLiteral("TotalItems"));
        m_total->setAccessibleName(QStringLiteral("Total Items"));
        auto* totalRow = new QHBoxLayout;
        totalRow->addWidget(new QLabel(QStringLiteral("Total Items")));
        totalRow->addWidget(m_total);
        totalRow->addStretch(1);
        g->addLayout(totalRow, next + 1, 1);
        m_photo = new AttachmentField(context.app, query(), QStringLiteral("Photo"),
                                      {QStringLiteral("InvPic"), {}});
        m_photo->setObjectName(QStringLiteral("InvPic"));
        g->addWidget(m_photo, 0, col + 2, perColumn, 1);
        connect(&query(), &RecordSet::dataReset, this, [this] { showTotal(); });
        connect(&query(), &RecordSet::rowInserted, this, [this] { showTotal(); });
        connect(&query(), &RecordSet::rowRemoved, this, [this] { showTotal(); });
    }
    for (const InventoryKind& other : inventoryKinds()) {
        if (other.page != m_kind.page)
            addPageButton(latin(other.buttonCaption), other.page)
                ->setToolTip(latin(other.buttonHint));
    }

    RecordSet& q = query();
    q.beforeInsert = [this](RecordSet&) {
        m_dateChanged.clear();
        return RecordSet::Proceed;
    };
    q.afterInsert = [this](RecordSet&) { InvQueryAfterInsert(); };
    q.afterEdit = [this](RecordSet&) { InvQueryAfterEdit(); };
    q.beforePost = [this](RecordSet&) { return InvQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { InvQueryAfterPost(); };
}

Selection InventoryPage::normalSelection() const
{
    return showAllSelection(false);
}

Selection InventoryPage::showAllSelection(bool all) const
{
    return {QStringLiteral("select * from Inventory where ") +
                (all ? QString() : QStringLiteral("Archived = False and ")) +
                QStringLiteral("InvType = :kind order by ItemName COLLATE hb_nocase"),
            {{QStringLiteral(":kind"), m_kind.type}}};
}

void InventoryPage::pageShown()
{
    InvTabShow();
}

void InventoryPage::InvTabShow()
{
    context().host.setStatusText(latin(m_kind.statusText));
    for (DateBox* d : std::as_const(m_dates)) {
        d->setDisplayPattern(formats().shortDatePattern());
        d->setToday(clock().today());
    }
    if (m_supplier)
        fillSuppliers();
    if (m_kind.ordering && !query().isEmpty())
        list().resizeColumnToContents(0);
    showCurrent();
    showTotal();
}

void InventoryPage::fillSuppliers()
{
    const QString text = m_supplier->currentText();
    const bool blocked = m_supplier->blockSignals(true);
    m_supplier->clear();
    LogConnection* log = context().app.log;
    if (log && log->isOpen())
        m_supplier->addItems(contactNames(*log, {ContactKind::Suppliers, ContactKind::Services}));
    m_supplier->setEditText(text);
    m_supplier->blockSignals(blocked);
    binder().load();
}

void InventoryPage::showTotal()
{
    if (m_total)
        m_total->setText(QString::number(query().isOpen() ? query().recordCount() : 0));
}

QString InventoryPage::moneyText(const QVariant& value, bool editing) const
{
    if (!value.isValid())
        return {};
    const QString pattern = editing ? QStringLiteral("0.00") : QStringLiteral("#,##0.00");
    const QString n = formats().number(value.toDouble(), pattern);
    return editing ? n : formats().currencySymbol() + QLatin1Char(' ') + n;
}

void InventoryPage::showCurrent()
{
    RecordSet& q = query();
    const bool row = q.isOpen() && !q.isEmpty();
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        it.value()->setDateOrNone(row ? q.date(it.key()) : QDate());
    if (m_cost)
        m_cost->setText(row ? moneyText(q.value(QStringLiteral("InvReal1")), false) : QString());
    if (m_shopBox) {
        LogConnection* log = context().app.log;
        m_shopBox->setChecked(row && log && log->isOpen() &&
                              onShopList(*log, q.text(QStringLiteral("ItemName"))));
    }
}

void InventoryPage::editingChanged(bool editing)
{
    if (m_shopBox)
        m_shopBox->setEnabled(!editing && !searchShown());
    if (m_received)
        m_received->setEnabled(editing && m_onOrder && m_onOrder->isChecked());
    if (m_cost) {
        m_cost->setEnabled(true);
        m_cost->setReadOnly(!editing);
        if (editing && query().isOpen() && !query().isEmpty())
            m_cost->setText(moneyText(query().value(QStringLiteral("InvReal1")), true));
    }
}

void InventoryPage::InvQueryAfterInsert()
{
    // A new item is not on order; the kinds that order through the shopping list start their
    // order date at today.
    query().setValue(QStringLiteral("InvTF1"), false);
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        it.value()->setDateOrNone(!m_kind.ordering && it.key() == InvDate ? clock().today()
                                                                          : QDate());
    m_dateChanged.insert(InvDate, true);
    m_dateChanged.insert(InvShipDate, true);
    // The tick showed the row left behind; a new item is on no list yet.
    if (m_shopBox)
        m_shopBox->setChecked(false);
    if (m_cost)
        m_cost->clear();
    if (m_name)
        m_name->setFocus();
}

void InventoryPage::InvQueryAfterEdit()
{
    // Editing keeps the row's order flag and dates as they are.
    m_dateChanged.clear();
    if (m_name)
        m_name->setFocus();
}

RecordSet::Verdict InventoryPage::InvQueryBeforePost()
{
    RecordSet& q = query();
    if (m_cost) {
        const std::optional<double> cost = parseMoney(m_cost->text(), formats());
        if (!cost) {
            messages().error(QStringLiteral("The unit cost must be a sum of money, for example "
                                            "12.50."));
            m_cost->setFocus();
            return RecordSet::Abort;
        }
        q.setValue(QStringLiteral("InvReal1"),
                   m_cost->text().trimmed().isEmpty() ? QVariant() : QVariant(*cost));
    }
    // A row keeps the kind it was added with.
    if (q.state() == RecordSet::State::Insert)
        q.setValue(QStringLiteral("InvType"), m_kind.type);
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        if (m_dateChanged.value(it.key()))
            q.setValue(it.key(), it.value()->dateOrNone());
    }
    m_handOffPending = m_shopBox && m_shopBox->isChecked();
    return RecordSet::Proceed;
}

void InventoryPage::InvQueryAfterPost()
{
    RecordSet& q = query();
    const QVariant key = q.key();
    InvChkForShopList();
    m_dateChanged.clear();
    if (!searchShown()) {
        reopen(boxSelection());
        if (key.isValid())
            q.locate(QStringLiteral("Inv_ID"), key);
    } else {
        q.requery();
    }
    showTotal();
}

void InventoryPage::InvChkForShopList()
{
    if (!m_handOffPending)
        return;
    m_handOffPending = false;
    // The item is saved whatever happens here; a hand-off that fails is told and the page
    // goes on.
    try {
        handToShopList(*context().app.log, shopItemFor(m_kind, query()));
    } catch (const LogError& e) {
        messages().error(e.text());
    }
}

void InventoryPage::DBorderCheckClick()
{
    // While browsing the box shows the row and a click changes nothing.
    if (!editing() || !m_onOrder)
        return;
    RecordSet& q = query();
    auto* qty = qobject_cast<QLineEdit*>(box(OrderQty));
    if (m_onOrder->isChecked()) {
        q.setValue(OrderQty, 1);
        if (qty)
            qty->setText(QStringLiteral("1"));
        m_received->setEnabled(true);
        return;
    }
    q.setValue(OrderQty, 0);
    if (qty)
        qty->setText(QStringLiteral("0"));
    q.setValue(QStringLiteral("InvTF2"), false);
    for (const QString& column : {InvDate, InvShipDate}) {
        if (DateBox* d = m_dates.value(column))
            d->setDateOrNone(QDate());
        m_dateChanged.insert(column, true);
    }
    m_received->setEnabled(false);
}

void InventoryPage::receiveBtnClick()
{
    if (editing() && m_onOrder && m_onOrder->isChecked())
        m_onOrder->click();
}

void InventoryPage::ChrtShopListClick()
{
    RecordSet& q = query();
    if (editing() || !q.isOpen() || q.isEmpty())
        return;
    LogConnection& log = *context().app.log;
    const QString name = q.text(QStringLiteral("ItemName"));
    if (name.isEmpty()) {
        messages().error(
            QStringLiteral("An item needs a name before it can go on the shopping list."));
        m_shopBox->setChecked(false);
        return;
    }
    if (m_shopBox->isChecked()) {
        ShopItem item;
        item.itemName = name;
        item.description = latin(m_kind.word);
        item.itemSize = q.text(QStringLiteral("InvTxtFld2"));
        if (!q.isNull(OrderQty))
            item.numItems = q.integer(OrderQty);
        item.vendor = q.text(QStringLiteral("InvTxtFld4"));
        item.onList = true;
        try {
            handToShopList(log, item);
        } catch (const LogError& e) {
            m_shopBox->setChecked(false);
            messages().error(e.text());
        }
        return;
    }
    if (!messages().confirm(QStringLiteral("Remove \"%1\" from the shopping list?").arg(name))) {
        m_shopBox->setChecked(true);
        return;
    }
    try {
        removeFromShopList(log, name);
    } catch (const LogError& e) {
        messages().error(e.text());
        showCurrent();
    }
}

} // namespace hb
