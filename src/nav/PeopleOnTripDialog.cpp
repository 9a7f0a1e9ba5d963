#include "nav/PeopleOnTripDialog.h"

#include "common/AppContext.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "pages/CommandGuard.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/RecordSetModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace hb {

const QString PeopleOnTripDialog::NoSelection = QStringLiteral(
    "To add a Guest or Crew member to this trip you must first click the \"Show All\" button and "
    "then select a name from the \"All Persons\" list before clicking the Add Record button!");

namespace {

const QString DeleteQuestion =
    QStringLiteral("You are about to delete information from your log! \r\n              THIS "
                   "CANNOT BE UNDONE!\r\n         Are you sure you want to do this?");

// A trip person's column and the contact column it is copied from.
struct Copy
{
    const char* person;
    const char* contact;
};
const Copy CopyTable[] = {
    {"Name", "Name"},          {"Age", "Age"},
    {"Birthday", "Date1"},     {"FirstDate", "Date2"},
    {"LastDate", "Date3"},     {"Phone", "Phone1"},
    {"EmergNum", "Phone2"},    {"PassportNum", "Passport"},
    {"EmergName", "EmerCont"}, {"PassExpDate", "Date5"},
    {"Email", "Email1"},
};

struct Captions
{
    const char* available;
    const char* navigator;
    const char* onTrip;
    const char* tripList;
};
const Captions GuestCaptions{"All Guests in Guest Log", "Trip Guests Navigator",
                             "Guests On This Trip", "Guests on Trip"};
const Captions CrewCaptions{"All Crew in Crew Log", "Trip Crew Navigator", "Crew On This Trip",
                            "Crew on Trip"};

} // namespace

PeopleOnTripDialog::PeopleOnTripDialog(AppContext& app, qint64 tripId, int kind,
                                       const QDate& tripDate, const QString& from,
                                       const QString& to, QWidget* parent)
    : QDialog(parent), m_app(app), m_tripId(tripId), m_kind(kind)
{
    setWindowTitle(QStringLiteral("People On Trip"));
    setObjectName(QStringLiteral("PeopleOnTripDlg"));
    const bool crew = kind == 3;
    const Captions& c = crew ? CrewCaptions : GuestCaptions;
    const QString table = crew ? QStringLiteral("TripCrews") : QStringLiteral("TripGuests");

    auto* date = new DateBox(QStringLiteral("Trip Date"));
    date->setDisplayPattern(app.formats.shortDatePattern());
    date->setDateOrNone(tripDate);
    date->setEnabled(false);
    auto* fromBox = new QLineEdit(from);
    fromBox->setReadOnly(true);
    auto* toBox = new QLineEdit(to);
    toBox->setReadOnly(true);
    auto* head = new QGridLayout;
    head->addWidget(captionFor(QStringLiteral("Trip Date"), date), 0, 0);
    head->addWidget(date, 0, 1);
    head->addWidget(captionFor(QStringLiteral("Trip From"), fromBox), 0, 2);
    head->addWidget(fromBox, 0, 3);
    head->addWidget(captionFor(QStringLiteral("Trip Destination"), toBox), 0, 4);
    head->addWidget(toBox, 0, 5);

    m_available = new RecordSet(*app.log, this);
    m_availableModel = new RecordSetModel(
        *m_available, app.formats,
        {{QStringLiteral("Name"), QStringLiteral("Name")},
         {QStringLiteral("Nation"), QStringLiteral("Nation")},
         {QStringLiteral("Age"), QStringLiteral("Age")},
         {QStringLiteral("Date1"), QStringLiteral("Birthdate"), ColumnFormat::Date},
         {QStringLiteral("Date2"), QStringLiteral("First Date"), ColumnFormat::Date},
         {QStringLiteral("Date3"), QStringLiteral("Last Date"), ColumnFormat::Date},
         {QStringLiteral("Phone1"), QStringLiteral("Phone")},
         {QStringLiteral("Passport"), QStringLiteral("Passport #")},
         {QStringLiteral("PassCntry"), QStringLiteral("Passport Country")},
         {QStringLiteral("Date5"), QStringLiteral("PassPrt Exp Date"), ColumnFormat::Date},
         {QStringLiteral("Email1"), QStringLiteral("Email")},
         {QStringLiteral("EmerCont"), QStringLiteral("Emerg. Contact")},
         {QStringLiteral("Phone2"), QStringLiteral("Emerg. Phone")}},
        this);
    m_availableList = new QTableView;
    m_availableList->setObjectName(QStringLiteral("AvailableList"));
    m_availableList->setAccessibleName(QString::fromLatin1(c.available));
    m_availableList->setToolTip(QStringLiteral("People Available for Trip"));
    m_availableList->setModel(m_availableModel);
    m_availableList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_availableList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_availableList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_trip = new RecordSet(*app.log, this);
    ListColumns tripColumns;
    for (const char* name : {"Name", "Age", "Birthday", "Phone", "FirstDate", "LastDate",
                             "PassportNum", "PassExpDate", "EmergName", "EmergNum", "Email"}) {
        const QString n = QString::fromLatin1(name);
        const bool isDate = n.endsWith(QLatin1String("Date")) || n == QLatin1String("Birthday");
        tripColumns.emplace_back(n, n, isDate ? ColumnFormat::Date : ColumnFormat::Text);
    }
    m_tripModel = new RecordSetModel(*m_trip, app.formats, tripColumns, this);
    m_tripList = new LogList(QString::fromLatin1(c.tripList));
    m_tripList->setObjectName(QStringLiteral("TripList"));
    m_tripList->setToolTip(QStringLiteral("Persons who went"));
    m_tripList->setModel(m_tripModel);

    auto* navigator = new QGroupBox(QString::fromLatin1(c.navigator));
    auto* bar = new QHBoxLayout(navigator);
    auto add = [&](const QString& caption, auto handler) {
        auto* b = new QPushButton(caption);
        b->setObjectName(caption);
        b->setAccessibleName(caption);
        bar->addWidget(b);
        connect(b, &QPushButton::clicked, this,
                [this, handler] { runCommand(m_app.messages, [handler] { handler(); }); });
        return b;
    };
    add(QStringLiteral("Add Person"), [this] { AddPersonClick(); });
    add(QStringLiteral("Delete Person"), [this] { DeletePersonClick(); });
    add(QStringLiteral("Save Person"), [this] { SavePersonClick(); });
    add(QStringLiteral("Cancel Add"), [this] { CancelAddClick(); });
    QPushButton* all = add(QStringLiteral("Add All Crew"), [this] { AddAllCrewClick(); });
    all->setToolTip(QStringLiteral("Add All Crew To Trip"));
    all->setVisible(crew);
    bar->addStretch(1);
    add(QStringLiteral("Close"), [this] { CloseClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(new QLabel(QString::fromLatin1(c.available)));
    layout->addWidget(m_availableList, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(c.onTrip)));
    layout->addWidget(m_tripList, 1);
    layout->addWidget(navigator);

    connect(m_tripList, &LogList::rowClicked, this, [this](int row) {
        runCommand(m_app.messages, [this, row] { m_trip->moveTo(row + 1); });
    });
    connect(m_trip, &RecordSet::stateChanged, this, [this] { followState(); });
    connect(m_trip, &RecordSet::currentChanged, this,
            [this] { m_tripList->showCurrentRow(m_trip->isEmpty() ? -1 : m_trip->recNo() - 1); });
    m_trip->beforeDelete = [this](RecordSet&) {
        return m_app.messages.show(Messages::Kind::Warning, DeleteQuestion,
                                   Messages::Buttons::YesNo) == Messages::Answer::Yes
                   ? RecordSet::Proceed
                   : RecordSet::Abort;
    };

    runCommand(m_app.messages, [&] {
        m_available->open(QStringLiteral("select * from Contact where ContType = :kind order by "
                                         "Contact_ID"),
                          {{QStringLiteral(":kind"), kind}});
        m_trip->open(QStringLiteral("select * from %1 where Trips_ID = :theTrip").arg(table),
                     {{QStringLiteral(":theTrip"), tripId}});
    });
    followState();
}

QPushButton* PeopleOnTripDialog::button(const QString& caption) const
{
    return findChild<QPushButton*>(caption);
}

void PeopleOnTripDialog::followState()
{
    const bool adding = m_trip->state() == RecordSet::State::Insert;
    for (const char* name : {"Add Person", "Delete Person", "Add All Crew"})
        button(QString::fromLatin1(name))->setEnabled(!adding);
    for (const char* name : {"Save Person", "Cancel Add"})
        button(QString::fromLatin1(name))->setEnabled(adding);
    m_tripList->setEnabled(!adding);
}

void PeopleOnTripDialog::fillFrom(int contactRow)
{
    for (const Copy& c : CopyTable) {
        const QVariant v = m_available->valueAt(contactRow, QString::fromLatin1(c.contact));
        // The zero date stands for no date.
        if (v.typeId() == QMetaType::QDate && v.toDate() <= QDate(1899, 12, 30))
            m_trip->setNull(QString::fromLatin1(c.person));
        else
            m_trip->setValue(QString::fromLatin1(c.person), v);
    }
    m_trip->setValue(QStringLiteral("Trips_ID"), m_tripId);
}

void PeopleOnTripDialog::AddPersonClick()
{
    const QModelIndexList rows = m_availableList->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        m_app.messages.warning(NoSelection);
        return;
    }
    // Of several chosen, the one that comes last in the list.
    int last = -1;
    for (const QModelIndex& i : rows)
        last = std::max(last, i.row());
    m_trip->append();
    fillFrom(last);
}

void PeopleOnTripDialog::SavePersonClick()
{
    if (m_trip->state() == RecordSet::State::Insert || m_trip->state() == RecordSet::State::Edit)
        m_trip->post();
}

void PeopleOnTripDialog::CancelAddClick()
{
    m_trip->cancel();
}

void PeopleOnTripDialog::DeletePersonClick()
{
    if (m_trip->isEmpty())
        return;
    m_trip->remove();
}

void PeopleOnTripDialog::AddAllCrewClick()
{
    m_availableList->clearSelection();
    // Crew already aboard (by name) and archived crew are left out.
    QSet<QString> aboard;
    for (int r = 0; r < m_trip->recordCount(); ++r)
        aboard.insert(m_trip->valueAt(r, QStringLiteral("Name")).toString());
    for (int r = 0; r < m_available->recordCount(); ++r) {
        if (m_available->valueAt(r, QStringLiteral("Archived")).toBool())
            continue;
        const QString name = m_available->valueAt(r, QStringLiteral("Name")).toString();
        if (aboard.contains(name))
            continue;
        m_trip->append();
        fillFrom(r);
        m_trip->post();
        aboard.insert(name);
    }
}

void PeopleOnTripDialog::CloseClick()
{
    // A person added but not yet saved is kept: the row came from the contact as it is.
    if (m_trip->state() == RecordSet::State::Insert)
        m_trip->post();
    accept();
}

} // namespace hb
