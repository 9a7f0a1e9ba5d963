#include "records/ContactsPage.h"

#include "common/Clock.h"
#include "common/Formats.h"
#include "logdb/LogConnection.h"
#include "pages/AttachmentWidgets.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "records/ContactKinds.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>

#include <stdexcept>

namespace hb {

namespace {

const QString Contact = QStringLiteral("Contact");

const ContactKindInfo& kindOf(Page page)
{
    const ContactKindInfo* k = contactKindOf(page);
    if (!k)
        throw std::invalid_argument("not a contact page");
    return *k;
}

QString latin(const char* text)
{
    return text ? QString::fromLatin1(text) : QString();
}

} // namespace

const QDate ContactsPage::MeetDateFloor(1980, 1, 1);

LogPageSpec ContactsPage::pageSpec(const ContactKindInfo& kind)
{
    return LogPageSpec{
        kind.page,
        latin(kind.heading),
        QStringLiteral("Contact"),
        Contact,
        latin(kind.heading),
        kind.columns,
        true,
        kind.wheelMoves,
        kind.search,
        SearchBase{Contact, QStringLiteral("Archived = False"), QStringLiteral("ContType"),
                   kind.type},
        latin(kind.report),
        QStringLiteral("Show All"),
    };
}

ContactsPage::ContactsPage(PageContext& context, Page page, QWidget* parent)
    : LogPage(context, pageSpec(kindOf(page)), parent), m_kind(kindOf(page))
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    list().setToolTip(latin(m_kind.listHint));
    int rows = 0;
    for (const ContactField& f : m_kind.fields)
        rows += f.box != ContactField::Box::Memo;
    const int perColumn = (rows + 1) / 2;
    int row = 0;
    int col = 0;
    QPlainTextEdit* memo = nullptr;
    QString memoCaption;
    for (const ContactField& f : m_kind.fields) {
        const QString column = latin(f.column);
        const QString caption = latin(f.caption);
        QWidget* w = nullptr;
        switch (f.box) {
        case ContactField::Box::Text:
        case ContactField::Box::Number: {
            auto* e = new QLineEdit;
            b.bind(e, column, caption,
                   f.box == ContactField::Box::Number ? KeyFilter::WholeNumber : KeyFilter::Any);
            if (f.box == ContactField::Box::Number)
                e->setMaxLength(6);
            if (f.maxLength > 0 && (e->maxLength() == 0 || f.maxLength < e->maxLength()))
                e->setMaxLength(f.maxLength);
            w = e;
            break;
        }
        case ContactField::Box::Memo:
            memo = new QPlainTextEdit;
            memo->setObjectName(column);
            b.bind(memo, column, caption);
            memoCaption = caption;
            m_boxes.insert(column, memo);
            continue;
        case ContactField::Box::Date:
        case ContactField::Box::MeetDate: {
            auto* d = new DateBox(caption);
            if (f.box == ContactField::Box::Date)
                d->setSpecialValueText(QStringLiteral("No Entry"));
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
        }
        w->setObjectName(column);
        if (f.hint)
            w->setToolTip(latin(f.hint));
        m_boxes.insert(column, w);
        g->addWidget(captionFor(caption, w), row, col);
        g->addWidget(w, row, col + 1);
        if (++row >= perColumn) {
            row = 0;
            col += 2;
        }
    }
    int next = perColumn;
    if (memo) {
        g->addWidget(captionFor(memoCaption, memo), next, 0);
        g->addWidget(memo, next++, 1, 1, 3);
    }
    auto* archived = new QCheckBox(latin(m_kind.archiveCaption));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    g->addWidget(archived, next, 1);
    m_photo = new AttachmentField(context.app, query(), QStringLiteral("Photo"),
                                  {QStringLiteral("ContPic"), {}});
    m_photo->setObjectName(QStringLiteral("ContPic"));
    g->addWidget(m_photo, 0, 4, perColumn, 1);

    for (const ContactKindInfo& other : contactKinds()) {
        if (other.page != m_kind.page)
            addPageButton(latin(other.buttonCaption), other.page)
                ->setToolTip(latin(other.buttonHint));
    }

    RecordSet& q = query();
    q.beforeInsert = [this](RecordSet&) {
        m_dateChanged.clear();
        return RecordSet::Proceed;
    };
    q.afterInsert = [this](RecordSet&) { ContactQueryAfterInsert(); };
    q.afterEdit = [this](RecordSet&) { ContactQueryAfterEdit(); };
    q.beforePost = [this](RecordSet&) { return ContactQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { ContactQueryAfterCancel(); };
    q.afterCancel = [this](RecordSet&) { ContactQueryAfterCancel(); };
}

Selection ContactsPage::normalSelection() const
{
    return showAllSelection(false);
}

Selection ContactsPage::showAllSelection(bool all) const
{
    const QString order = latin(m_kind.orderColumn);
    const bool text = FieldBinder::columnSize(Contact, order) > 0;
    return {QStringLiteral("select * from Contact where ContType = :kind") +
                (all ? QString() : QStringLiteral(" and Archived = False")) +
                QStringLiteral(" order by ") + order +
                (text ? QStringLiteral(" COLLATE hb_nocase") : QString()),
            {{QStringLiteral(":kind"), m_kind.type}}};
}

void ContactsPage::pageShown()
{
    ContactTabShow();
}

void ContactsPage::ContactTabShow()
{
    context().host.setStatusText(latin(m_kind.statusText));
    for (DateBox* d : std::as_const(m_dates)) {
        d->setDisplayPattern(formats().shortDatePattern());
        d->setToday(clock().today());
    }
    showListIfRows();
    showCurrent();
}

void ContactsPage::showListIfRows()
{
    bool rows = query().isOpen() && !query().isEmpty();
    if (!rows && context().app.log && context().app.log->isOpen()) {
        QSqlQuery q(context().app.log->database());
        q.prepare(QStringLiteral("select 1 from Contact where ContType = :kind limit 1"));
        LogConnection::bind(q, {{QStringLiteral(":kind"), m_kind.type}});
        rows = q.exec() && q.next();
    }
    list().setVisible(rows);
    m_photo->setVisible(rows);
}

void ContactsPage::showCurrent()
{
    const RecordSet& q = query();
    const bool row = q.isOpen() && !q.isEmpty();
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        const QDate d = row ? q.date(it.key()) : QDate();
        // The meet date stands at 1 January 1980 for a row without a later one.
        if (it.key() == QLatin1String("Date1") && m_kind.type == 1)
            it.value()->setDateOrNone(row && !(d > MeetDateFloor) ? MeetDateFloor : d);
        else
            it.value()->setDateOrNone(d);
    }
}

void ContactsPage::ContactQueryAfterInsert()
{
    // A boat is met today; a person's dates start empty until they are known.
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        it.value()->setDateOrNone(m_kind.type == 1 ? clock().today() : QDate());
    if (m_kind.type == 1)
        m_dateChanged.insert(QStringLiteral("Date1"), true);
    if (QWidget* first = box(latin(m_kind.firstBox)))
        first->setFocus();
}

void ContactsPage::ContactQueryAfterEdit()
{
    m_dateChanged.clear();
    if (QWidget* first = box(latin(m_kind.firstBox)))
        first->setFocus();
}

RecordSet::Verdict ContactsPage::ContactQueryBeforePost()
{
    RecordSet& q = query();
    // A row keeps the kind it was added with.
    if (q.state() == RecordSet::State::Insert)
        q.setValue(QStringLiteral("ContType"), m_kind.type);
    // Only dates the user set are written: a box standing for no date writes nothing back.
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        if (m_dateChanged.value(it.key()))
            q.setValue(it.key(), it.value()->dateOrNone());
    }
    return RecordSet::Proceed;
}

void ContactsPage::ContactQueryAfterCancel()
{
    m_dateChanged.clear();
    query().requery();
    showListIfRows();
}

} // namespace hb
