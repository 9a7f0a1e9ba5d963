#include "nav/TripPage.h"

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/AggQuery.h"
#include "nav/CruisesDialog.h"
#include "nav/PeopleOnTripDialog.h"
#include "nav/TripRules.h"
#include "pages/AttachmentWidgets.h"
#include "pages/Attachments.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/LookupBox.h"
#include "settings/DisplayPrefs.h"
#include "settings/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

namespace hb {

const QString TripPage::Later = QStringLiteral("This comes in a later version of Helmbook.");
const QString TripPage::OtherThanLastQuestion = QStringLiteral(
    "Deleting a Trip Log entry other than the last entry may cause\r\n            inaccuracies "
    "in fuel consumption calculations!\r\n                    Are you sure you want to do this?");

namespace {

const QDate Floor(1980, 1, 1);
const QString SearchRuleText =
    QStringLiteral("You must select all records by clicking the \"Cancel Search\" button, on the "
                   "main button bar, before you switch to another log screen!");

// A date as the pickers show it: none and dates not later than 1 January 1980 show that day.
QDate shownDate(const QDate& date)
{
    return date.isValid() && date > Floor ? date : Floor;
}

QTime minutes(const QTime& t)
{
    return QTime(t.hour(), t.minute());
}

} // namespace

const LogPageSpec& TripPage::pageSpec()
{
    static const LogPageSpec spec{
        Page::TripTab,
        QStringLiteral("Cruise Log"),
        QStringLiteral("Trip"),
        QStringLiteral("TripLog"),
        QStringLiteral("List of Trips"),
        {{QStringLiteral("TripDate"), QStringLiteral("Trip Date"), ColumnFormat::Date},
         {QStringLiteral("StartTime"), QStringLiteral("Start Time")},
         {QStringLiteral("Trip_EndDate"), QStringLiteral("End Date"), ColumnFormat::Date},
         {QStringLiteral("EndTime"), QStringLiteral("End Time")},
         {QStringLiteral("tripFrom"), QStringLiteral("Trip From")},
         {QStringLiteral("TripTo"), QStringLiteral("Trip To")},
         {QStringLiteral("EngHrsSt"), QStringLiteral("Eng1 Hrs St")},
         {QStringLiteral("EngHrsFin"), QStringLiteral("Eng1 Hrs Fin")},
         {QStringLiteral("Eng2HrsSt"), QStringLiteral("Eng2 Hrs St")},
         {QStringLiteral("Eng2HrsFin"), QStringLiteral("Eng2 Hrs Fin")},
         {QStringLiteral("EngRPM"), QStringLiteral("Eng RPM")}},
        false, // the trip list keeps its order
        true,
        SearchSpec{"Search Trips",
                   {{"Trip Dates", "TripDate"}},
                   {{"Trip From", "tripFrom"}, {"Trip To", "TripTo"}}},
        SearchBase{QStringLiteral("TripLog"), QStringLiteral("Archived = False"), {}, 0},
        QStringLiteral("Trip"),
        QStringLiteral("Show All Trips"),
    };
    return spec;
}

TripPage::TripPage(PageContext& context, QWidget* parent) : LogPage(context, pageSpec(), parent)
{
    AppContext& app = context.app;
    FieldBinder& b = binder();
    QGridLayout* g = details();
    auto place = [&](QWidget* w, const char* name, const QString& caption, int row, int col) {
        w->setObjectName(QString::fromLatin1(name));
        QLabel* label = captionFor(caption, w);
        g->addWidget(label, row, col);
        g->addWidget(w, row, col + 1);
        return label;
    };
    auto hoursBox = [&](const char* name, const QString& caption, int row, int col) {
        auto* e = new QLineEdit;
        place(e, name, caption, row, col);
        b.bind(e, QString::fromLatin1(name), caption, KeyFilter::WholeNumber);
        e->setMaxLength(7);
        e->installEventFilter(this);
        return e;
    };

    m_tripDate = new DateBox(QStringLiteral("Trip Date"));
    place(m_tripDate, "TripDatePicker", QStringLiteral("Trip Date"), 0, 0);
    m_endDate = new DateBox(QStringLiteral("End Date"));
    place(m_endDate, "TripEndDatePicker", QStringLiteral("End Date"), 1, 0);
    m_startTime = new QTimeEdit;
    m_startTime->setDisplayFormat(QStringLiteral("HH:mm"));
    place(m_startTime, "TripStTimePicker", QStringLiteral("Start Time"), 0, 2);
    m_endTime = new QTimeEdit;
    m_endTime->setDisplayFormat(QStringLiteral("HH:mm"));
    place(m_endTime, "TripFinTimePicker", QStringLiteral("End Time"), 1, 2);
    const auto placeBinding = [](const char* column) {
        return LookupBinding{QStringLiteral("CrsLocation"), QStringLiteral("CrsLocation"),
                             QStringLiteral("TripLog"), QString::fromLatin1(column)};
    };
    m_from = new LookupBox(app, placeBinding("tripFrom"));
    place(m_from, "TrpFrmDropDwn", QStringLiteral("Trip From"), 2, 0);
    b.bind(m_from, QStringLiteral("tripFrom"), QStringLiteral("Trip From"));
    m_to = new LookupBox(app, placeBinding("TripTo"));
    place(m_to, "TrpToDropDwn", QStringLiteral("Trip To"), 2, 2);
    b.bind(m_to, QStringLiteral("TripTo"), QStringLiteral("Trip To"));
    m_cruise = new QComboBox;
    place(m_cruise, "CruiseDropDwn", QStringLiteral("Cruise"), 3, 0);
    m_cruise->setAccessibleName(QStringLiteral("Cruise"));

    m_engSt = hoursBox("EngHrsSt", QStringLiteral("Eng1 Hrs St"), 4, 0);
    m_engFin = hoursBox("EngHrsFin", QStringLiteral("Eng1 Hrs Fin"), 4, 2);
    m_eng2St = hoursBox("Eng2HrsSt", QStringLiteral("Eng2 Hrs St"), 5, 0);
    m_eng2Fin = hoursBox("Eng2HrsFin", QStringLiteral("Eng2 Hrs Fin"), 5, 2);
    m_rpm = new QLineEdit;
    place(m_rpm, "EngRPM", QStringLiteral("Eng RPM"), 6, 0);
    b.bind(m_rpm, QStringLiteral("EngRPM"), QStringLiteral("Eng RPM"), KeyFilter::WholeNumber);
    m_rpm->setMaxLength(4);
    m_notesBox = new QPlainTextEdit;
    place(m_notesBox, "Notes", QStringLiteral("Notes"), 7, 0);
    g->addWidget(m_notesBox, 7, 1, 1, 3);
    b.bind(m_notesBox, QStringLiteral("Notes"), QStringLiteral("Notes"));
    auto* archived = new QCheckBox(QStringLiteral("Archive Trip?"));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    archived->hide(); // kept on the page, not shown: trips are not archived here
    g->addWidget(archived, 8, 0);
    showAllBox().hide();

    m_thumb = new Thumbnail(QStringLiteral("Trip Picture"));
    m_thumb->setObjectName(QStringLiteral("TripThumb"));
    g->addWidget(m_thumb, 0, 4, 4, 1);
    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("totTrips"));
    g->addWidget(m_total, 4, 4);
    m_lamp = new QLabel(QStringLiteral("Auto Log Run"));
    m_lamp->setObjectName(QStringLiteral("AutoLogLamp"));
    m_lamp->setAccessibleName(QStringLiteral("Auto Log Run"));
    m_lamp->setToolTip(QStringLiteral("When this is flashing Auto Log is running"));
    g->addWidget(m_lamp, 5, 4);
    auto* clockCaption = new QLabel(QStringLiteral("Local Time"));
    m_clock = new QLabel;
    m_clock->setObjectName(QStringLiteral("LocalTime"));
    m_clock->setAccessibleName(QStringLiteral("Local Time"));
    g->addWidget(clockCaption, 6, 4);
    g->addWidget(m_clock, 6, 5);

    for (QWidget* w : {static_cast<QWidget*>(m_tripDate), static_cast<QWidget*>(m_endDate),
                       static_cast<QWidget*>(m_startTime), static_cast<QWidget*>(m_endTime)}) {
        setFieldKeys(w);
        b.follow(w);
    }
    setFieldKeys(m_cruise);

    // Buttons.
    auto own = [this](const QString& caption, auto handler) {
        QPushButton* button = addButton(caption);
        connect(button, &QPushButton::clicked, this, [this, handler] { command(handler); });
        return button;
    };
    m_setMarker = own(QStringLiteral("Set Marker"), [this] { later(seams.setMarker); });
    m_setMarker->setToolTip(QStringLiteral("Set Marker For Fuel Calculations"));
    own(QStringLiteral("Pic"), [this] { PicClick(); });
    m_guests = own(QStringLiteral("Show/Add Trip Guests"), [this] { ShowGuestsClick(); });
    m_crew = own(QStringLiteral("Show/Add Trip Crew"), [this] { ShowCrewClick(); });
    own(QStringLiteral("Enter Cruise Info"), [this] { EnterCruiseInfoClick(); });
    // Pages still to come show their own page saying so.
    m_watch = own(QStringLiteral("show Watchman"), [this] {
        if (seams.showWatch)
            seams.showWatch();
        else
            this->context().host.showPage(Page::WatchMan);
    });
    m_leads << qMakePair(QStringLiteral("WatchMan"), m_watch);
    m_leads << qMakePair(
        QString::fromLatin1(DisplayKey::GenLog),
        own(QStringLiteral("Generator Log"), [this] { later(seams.generatorLog); }));
    m_leads << qMakePair(
        QString::fromLatin1(DisplayKey::WMLog),
        own(QStringLiteral("Watermaker Log"), [this] { later(seams.watermakerLog); }));
    m_leads << qMakePair(QStringLiteral("TripPlan"), own(QStringLiteral("Trip Planner"), [this] {
                             if (seams.tripPlanner)
                                 seams.tripPlanner();
                             else
                                 this->context().host.showPage(Page::TripPlan);
                         }));
    m_leads << qMakePair(QStringLiteral("Waypoints"),
                         addPageButton(QStringLiteral("Waypoint Log"), Page::Waypoints));
    m_leads << qMakePair(QStringLiteral("Battery"),
                         addPageButton(QStringLiteral("Battery Log"), Page::Battery));

    // Buttons to other logs are named by the display preference that shows them.
    for (const auto& lead : m_leads)
        lead.second->setObjectName(lead.first);

    connect(m_cruise, &QComboBox::activated, this,
            [this](int item) { command([this, item] { CruiseDropDwnChange(item); }); });
    connect(m_engSt, &QLineEdit::textEdited, this, [this] { EngHrsStChange(); });
    connect(m_thumb, &Thumbnail::clicked, this, [this] { command([this] { PicClick(); }); });

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &TripPage::updateClock);
    m_clockTimer->start();
    updateClock();

    m_removals = new PendingRemovals(app, query(), this);
    m_notes = new TripNotes(*app.log, this);
    connect(m_notes, &TripNotes::written, this, [this] {
        if (!editing() && query().isOpen())
            command([this] { query().requery(); });
    });

    RecordSet& q = query();
    q.beforeInsert = [this](RecordSet&) { return TripQueryBeforeInsert(); };
    q.afterInsert = [this](RecordSet&) { TripQueryAfterInsert(); };
    q.afterEdit = [this](RecordSet&) { TripQueryAfterEdit(); };
    q.beforePost = [this](RecordSet&) { return TripQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { TripQueryAfterPost(); };
    q.afterCancel = [this](RecordSet&) { TripQueryAfterCancel(); };
    q.beforeDelete = [this](RecordSet&) { return TripQueryBeforeDelete(); };
    q.afterDelete = [this](RecordSet&) { TripQueryAfterDelete(); };
    // Lines for the latest trip wait until the user has saved or cancelled.
    connect(&q, &RecordSet::posted, this, &TripPage::releaseNotes);
    connect(&q, &RecordSet::cancelled, this, &TripPage::releaseNotes);
    updateFlags();
}

TripPage::~TripPage() = default;

QPushButton* TripPage::button(const QString& caption) const
{
    // The edit bar's buttons and the page's own are named by their captions; the buttons to
    // other logs by their preference.
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->objectName() == caption || b->text() == caption)
            return b;
    return nullptr;
}

Selection TripPage::normalSelection() const
{
    const TripSelection s = tripSelection(0);
    return {s.sql, s.params};
}

Selection TripPage::showAllSelection(bool all) const
{
    if (!all)
        return normalSelection();
    return {QStringLiteral("select * from TripLog order by ") + TripOrder, {}};
}

void TripPage::setTwoEngines(bool two)
{
    m_twoEngines = two;
    for (QLineEdit* e : {m_eng2St, m_eng2Fin}) {
        e->setVisible(two);
        for (QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == e)
                label->setVisible(two);
    }
    list().setColumnHidden(8, !two);
    list().setColumnHidden(9, !two);
}

void TripPage::later(const std::function<void()>& seam)
{
    if (seam)
        seam();
    else
        messages().information(Later);
}

void TripPage::pageShown()
{
    TripTabShow();
}

void TripPage::TripTabShow()
{
    setTwoEngines(m_twoEngines);
    for (DateBox* d : {m_tripDate, m_endDate}) {
        d->setDisplayPattern(formats().shortDatePattern());
        d->setToday(clock().today());
    }
    m_filter = 0;
    FillCruiseDropDwn();
    context().host.setStatusText(QStringLiteral("Enter information about trips on your vessel"));
    RecordSet& q = query();
    q.last();
    if (seams.refreshFuelEstimate)
        seams.refreshFuelEstimate();
    if (m_watchMark) {
        if (m_filter == 0)
            q.locate(QStringLiteral("Trip_ID"), *m_watchMark);
        m_watchMark.reset();
    }
    ShowCurrentTrip();
    const bool on =
        context().app.settings.IniRead(QStringLiteral("AutoLogON"), QStringLiteral("IsOn"),
                                       QStringLiteral("False")) == QLatin1String("True");
    m_lamp->setEnabled(on);
    m_lamp->setStyleSheet(on ? QStringLiteral("background: #e53935; color: white;") : QString());
}

void TripPage::showCurrent()
{
    ShowCurrentTrip();
}

void TripPage::ShowCurrentTrip()
{
    const RecordSet& q = query();
    const bool row = q.isOpen() && !q.isEmpty();
    const QDate start = row ? q.date(QStringLiteral("TripDate")) : QDate();
    const QDate end = row ? q.date(QStringLiteral("Trip_EndDate")) : QDate();
    m_shownStart = shownDate(start);
    m_shownEnd = end.isValid() ? shownDate(end) : m_shownStart;
    m_tripDate->setDateOrNone(m_shownStart);
    m_endDate->setDateOrNone(m_shownEnd);
    const QTime st = row ? q.time(QStringLiteral("StartTime")) : QTime();
    const QTime et = row ? q.time(QStringLiteral("EndTime")) : QTime();
    m_rowHadStartTime = st.isValid();
    m_rowHadEndTime = et.isValid();
    m_shownStartTime = st.isValid() ? minutes(st) : QTime(0, 0);
    m_shownEndTime = et.isValid() ? minutes(et) : QTime(0, 0);
    m_startTime->setTime(m_shownStartTime);
    m_endTime->setTime(m_shownEndTime);
    if (row)
        selectCruise(q.integer(QStringLiteral("CruiseNum")));
    const QString pic = row ? q.text(QStringLiteral("TripPic")) : QString();
    m_thumb->showFile(
        pic.isEmpty() ? QString() : attachmentPath(attachmentFolder(context().app.settings), pic));
    m_total->setText(QStringLiteral("Total Trips=") +
                     QString::number(q.isOpen() ? q.recordCount() : 0));
    updateFlags();
    if (seams.refreshFuelEstimate && !editing())
        seams.refreshFuelEstimate();
}

void TripPage::updateFlags()
{
    const RecordSet& q = query();
    m_wholeLog = m_filter == 0 && !searchShown();
    m_latest = m_wholeLog && q.isOpen() && !q.isEmpty() && q.recNo() == q.recordCount();
    m_setMarker->setVisible(m_latest);
    const bool rows = q.isOpen() && !q.isEmpty();
    m_watch->setEnabled(rows);
    // People hang off a saved trip's key.
    const bool saved = rows && q.state() != RecordSet::State::Insert;
    m_guests->setEnabled(saved);
    m_crew->setEnabled(saved);
}

void TripPage::editingChanged(bool edit)
{
    if (edit)
        m_notes->setHeld(true);
    else
        QTimer::singleShot(0, this, &TripPage::releaseNotes);
    // In browse the drop-down filters the list; not while a search result is shown.
    m_cruise->setEnabled(edit || !searchShown());
    updateFlags();
}

void TripPage::releaseNotes()
{
    if (editing() || !m_notes->held())
        return;
    command([this] { m_notes->setHeld(false); });
}

void TripPage::updateClock()
{
    const QDateTime now = clock().now();
    m_clock->setText(now.toString(QStringLiteral("M/d/yyyy  HH:mm")));
}

void TripPage::FillCruiseDropDwn()
{
    m_cruise->clear();
    RecordSet cruises(*context().app.log);
    cruises.open(QStringLiteral("select CruiseName, CruiseNum from Cruises where Archived = False "
                                "order by Cruise_ID"));
    for (int r = 0; r < cruises.recordCount(); ++r)
        m_cruise->addItem(cruises.valueAt(r, QStringLiteral("CruiseName")).toString(),
                          cruises.valueAt(r, QStringLiteral("CruiseNum")).toInt());
    selectCruise(0);
}

void TripPage::selectCruise(int cruiseNum)
{
    // An archived cruise has no entry: the drop-down then shows none.
    m_cruise->setCurrentIndex(m_cruise->findData(cruiseNum));
}

void TripPage::CruiseDropDwnChange(int item)
{
    if (editing() || searchShown() || item < 0)
        return;
    applyFilter(m_cruise->itemData(item).toInt());
    // An empty cruise keeps its entry chosen.
    if (query().isEmpty())
        m_cruise->setCurrentIndex(item);
}

void TripPage::applyFilter(int cruiseNum)
{
    m_filter = cruiseNum;
    const TripSelection s = tripSelection(cruiseNum);
    reopen({s.sql, s.params});
    query().last();
    ShowCurrentTrip();
}

void TripPage::EngHrsStChange()
{
    // A vessel with one engine keeps its hidden engine-2 hours equal to engine 1's.
    if (!m_twoEngines && editing())
        setHours(m_eng2St, QStringLiteral("Eng2HrsSt"), m_engSt->text());
}

bool TripPage::EngHrsFinExit()
{
    if (!editing())
        return true;
    const QString problem = hoursProblem(m_engSt->text(), m_engFin->text());
    if (!m_twoEngines)
        setHours(m_eng2Fin, QStringLiteral("Eng2HrsFin"), m_engFin->text());
    if (problem.isEmpty())
        return true;
    messages().error(problem);
    m_engFin->setFocus();
    return false;
}

bool TripPage::Eng2HrsFinExit()
{
    if (!editing() || !m_twoEngines)
        return true;
    const QString problem = hoursProblem(m_eng2St->text(), m_eng2Fin->text());
    if (problem.isEmpty())
        return true;
    messages().error(problem);
    m_eng2Fin->setFocus();
    return false;
}

bool TripPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && editing()) {
        if (watched == m_engSt)
            EngHrsStChange();
        else if (watched == m_engFin)
            QTimer::singleShot(0, this, [this] { EngHrsFinExit(); });
        else if (watched == m_eng2Fin)
            QTimer::singleShot(0, this, [this] { Eng2HrsFinExit(); });
    }
    return LogPage::eventFilter(watched, event);
}

void TripPage::setHours(QLineEdit* edit, const QString& field, const QString& text)
{
    edit->setText(text);
    if (!editing())
        return;
    if (text.trimmed().isEmpty())
        query().setNull(field);
    else
        query().setValue(field, readHours(text).hours);
}

RecordSet::Verdict TripPage::TripQueryBeforeInsert()
{
    RecordSet& q = query();
    q.last();
    m_carryFrom = q.isEmpty() ? QString() : m_to->currentText();
    LogConnection& log = *context().app.log;
    const AggQuery highest(
        log, QStringLiteral("select max(EngHrsFin) as eng1, max(Eng2HrsFin) as eng2 from TripLog"));
    const AggQuery vessel(log,
                          QStringLiteral("select EndHrs1 as end1, EndHrs2 as end2 from BoatInfo"));
    m_carry1 =
        carryOverHours(highest.number(QStringLiteral("eng1")), readHours(m_engFin->text()).hours,
                       vessel.number(QStringLiteral("end1")));
    m_carry2 =
        carryOverHours(highest.number(QStringLiteral("eng2")), readHours(m_eng2Fin->text()).hours,
                       vessel.number(QStringLiteral("end2")));
    if (!m_twoEngines)
        m_carry2 = m_carry1;
    m_cruiseBeforeEdit = m_cruise->currentIndex();
    return RecordSet::Proceed;
}

void TripPage::TripQueryAfterInsert()
{
    RecordSet& q = query();
    const QDateTime now = clock().now();
    q.setValue(QStringLiteral("EngHrsSt"), m_carry1);
    q.setValue(QStringLiteral("EngHrsFin"), m_carry1);
    q.setValue(QStringLiteral("Eng2HrsSt"), m_carry2);
    q.setValue(QStringLiteral("Eng2HrsFin"), m_carry2);
    q.setValue(QStringLiteral("Archived"), false);
    if (!m_carryFrom.isEmpty())
        q.setValue(QStringLiteral("tripFrom"), m_carryFrom);
    m_tripDate->setDateOrNone(now.date());
    m_endDate->setDateOrNone(now.date());
    m_startTime->setTime(minutes(now.time()));
    m_endTime->setTime(minutes(now.time()));
    m_thumb->showFile(QString());
    // A new trip under a cruise filter belongs to that cruise.
    selectCruise(m_filter);
    QTimer::singleShot(0, m_tripDate, [this] { m_tripDate->setFocus(); });
}

void TripPage::TripQueryAfterEdit()
{
    m_cruiseBeforeEdit = m_cruise->currentIndex();
    selectCruise(query().integer(QStringLiteral("CruiseNum")));
}

RecordSet::Verdict TripPage::TripQueryBeforePost()
{
    RecordSet& q = query();
    if (!m_twoEngines) {
        setHours(m_eng2St, QStringLiteral("Eng2HrsSt"), m_engSt->text());
        setHours(m_eng2Fin, QStringLiteral("Eng2HrsFin"), m_engFin->text());
    }
    // The hours are checked again here: a field need not have been left before saving.
    const struct
    {
        QLineEdit* st;
        QLineEdit* fin;
    } engines[] = {{m_engSt, m_engFin}, {m_eng2St, m_eng2Fin}};
    for (const auto& e : engines) {
        const QString problem = hoursProblem(e.st->text(), e.fin->text());
        if (!problem.isEmpty()) {
            messages().error(problem);
            (readHours(e.st->text()).problem.isEmpty() ? e.fin : e.st)->setFocus();
            return RecordSet::Abort;
        }
    }
    setHours(m_engSt, QStringLiteral("EngHrsSt"), m_engSt->text());
    setHours(m_engFin, QStringLiteral("EngHrsFin"), m_engFin->text());
    setHours(m_eng2St, QStringLiteral("Eng2HrsSt"), m_eng2St->text());
    setHours(m_eng2Fin, QStringLiteral("Eng2HrsFin"), m_eng2Fin->text());

    const bool inserting = q.state() == RecordSet::State::Insert;
    // A date shown as 1 January 1980 (none, or earlier) is kept unless the user changed it.
    if (inserting || m_tripDate->date() != m_shownStart)
        q.setValue(QStringLiteral("TripDate"), m_tripDate->dateOrNone());
    if (inserting || m_endDate->date() != m_shownEnd)
        q.setValue(QStringLiteral("Trip_EndDate"), m_endDate->dateOrNone());
    if (inserting || m_rowHadStartTime || m_startTime->time() != m_shownStartTime)
        q.setValue(QStringLiteral("StartTime"), minutes(m_startTime->time()));
    if (inserting || m_rowHadEndTime || m_endTime->time() != m_shownEndTime)
        q.setValue(QStringLiteral("EndTime"), minutes(m_endTime->time()));
    // A trip of an archived cruise (no entry shown) keeps its cruise.
    if (m_cruise->currentIndex() >= 0)
        q.setValue(QStringLiteral("CruiseNum"), m_cruise->currentData().toInt());
    else if (inserting)
        q.setValue(QStringLiteral("CruiseNum"), 0);
    return RecordSet::Proceed;
}

void TripPage::TripQueryAfterPost()
{
    RecordSet& q = query();
    // The whole log again, unless a search result is shown.
    if (context().host.searchActive() || searchShown()) {
        q.requery();
    } else {
        m_filter = 0;
        const TripSelection s = tripSelection(0);
        reopen({s.sql, s.params});
    }
    q.last();
    writeVesselHoursFromLog();
    m_cruiseBeforeEdit = -1;
    ShowCurrentTrip();
}

void TripPage::writeVesselHoursFromLog()
{
    if (writeVesselHours(*context().app.log))
        Q_EMIT vesselHoursWritten();
}

void TripPage::TripQueryAfterCancel()
{
    if (m_cruiseBeforeEdit >= 0)
        m_cruise->setCurrentIndex(m_cruiseBeforeEdit);
    m_cruiseBeforeEdit = -1;
}

RecordSet::Verdict TripPage::TripQueryBeforeDelete()
{
    // Fuel figures are taken between trips of the whole log: any trip but its latest warns.
    const std::optional<qint64> latest = latestTripId(*context().app.log);
    if (!latest || query().key().toLongLong() != *latest) {
        const Messages::Answer a = messages().show(Messages::Kind::Warning, OtherThanLastQuestion,
                                                   Messages::Buttons::YesNo);
        if (a != Messages::Answer::Yes)
            return RecordSet::Abort;
    }
    return confirmDelete();
}

void TripPage::TripQueryAfterDelete()
{
    writeVesselHoursFromLog();
    ShowCurrentTrip();
}

void TripPage::EnterCruiseInfoClick()
{
    if (context().host.searchActive()) {
        messages().error(SearchRuleText);
        return;
    }
    // A trip being added or edited is asked about, as when leaving the page.
    if (!leaveStep())
        return;
    CruisesDialog dialog(context().app, this);
    connect(&dialog, &CruisesDialog::cruiseSaved, this, [this] {
        FillCruiseDropDwn();
        if (m_filter != 0)
            applyFilter(0);
    });
    if (runDialog)
        runDialog(dialog);
    else
        dialog.exec();
}

void TripPage::ShowGuestsClick()
{
    openPeople(2);
}

void TripPage::ShowCrewClick()
{
    openPeople(3);
}

void TripPage::openPeople(int kind)
{
    RecordSet& q = query();
    if (!q.isOpen() || q.isEmpty() || q.state() == RecordSet::State::Insert)
        return;
    PeopleOnTripDialog dialog(
        context().app, q.key().toLongLong(), kind, q.date(QStringLiteral("TripDate")),
        q.text(QStringLiteral("tripFrom")), q.text(QStringLiteral("TripTo")), this);
    if (runDialog)
        runDialog(dialog);
    else
        dialog.exec();
}

void TripPage::PicClick()
{
    RecordSet& q = query();
    if (!q.isOpen() || q.isEmpty())
        return;
    AttachmentDialog dialog(context().app, q, AttachmentColumns{QStringLiteral("TripPic"), {}},
                            *m_removals, this);
    if (runDialog)
        runDialog(dialog);
    else
        dialog.exec();
    const QString pic = q.text(QStringLiteral("TripPic"));
    m_thumb->showFile(
        pic.isEmpty() ? QString() : attachmentPath(attachmentFolder(context().app.settings), pic));
}

} // namespace hb
