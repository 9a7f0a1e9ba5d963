#include "app/VesselSetup.h"

#include "common/AppContext.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogError.h"
#include "machinery/TankRules.h"
#include "machinery/TanksDialog.h"
#include "pages/CommandGuard.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/PageHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace hb {

const QString VesselSetup::NewWarning = QStringLiteral(
    "You must click the \"New\" button at the top of this screen\r\n                  to create "
    "an entry for your vessel!\r\n\r\nAfter entering data, be sure to click the \"Save\" button "
    "or your\r\n                        new data will not be saved!");
const QString VesselSetup::EditWarning = QStringLiteral(
    "You must click the \"Edit\" navigator button on the top of this page to change\r\n         "
    "                  any of the fields on the Setup screen!");
const QString VesselSetup::SaveQuestion =
    QStringLiteral("Would you like to Save any changes you have made?");

namespace {
const char* const HoursColumns[] = {"StHrs1", "EndHrs1", "StHrs2", "EndHrs2"};
const char* const LengthColumns[] = {"Length", "Draft", "Beam", "Height", "LWL", "LOA"};
const char* const TwoDecimalColumns[] = {"Length", "Draft",   "Beam",  "Height", "LWL",
                                         "LOA",    "GrossWt", "NetWt", "Ballast"};
const char* const MarkerColumns[] = {"GenMarkr", "Gen2Markr", "WMMarkr"};
} // namespace

struct VesselSetup::FieldDef
{
    enum Kind { Text, Decimal, Whole, Memo, Shown };
    const char* column;
    const char* caption;
    Kind kind = Text;
    const char* unit = nullptr; // "length", "capacity", "output"
};

VesselSetup::VesselSetup(AppContext& app, RecordSet& vessel, PageHost& host,
                         std::function<int()> structureVersion, QObject* parent)
    : QObject(parent), m_app(app), m_vessel(vessel), m_host(host),
      m_structureVersion(std::move(structureVersion))
{
    m_binder = new FieldBinder(m_vessel, QStringLiteral("BoatInfo"), this);
    build();
    connect(&m_vessel, &RecordSet::stateChanged, this, [this] { follow(); });
    connect(&m_vessel, &RecordSet::dataReset, this, [this] { follow(); });
    // The record set belongs to the log session, which may go first when the window closes.
    m_vessel.beforePost = [self = QPointer<VesselSetup>(this)](RecordSet&) {
        return self ? self->BoatInfoBeforePost() : RecordSet::Proceed;
    };
}

VesselSetup::~VesselSetup() = default;

void VesselSetup::build()
{
    using F = FieldDef;
    const std::vector<F> owner = {{"Owner", "Owner"},        {"Address", "Address"},
                                  {"City", "City"},          {"State", "State"},
                                  {"Postal", "Postal Code"}, {"Country", "Country"},
                                  {"Tel", "Telephone"},      {"Passport", "Passport"}};
    const std::vector<F> vessel = {{"VesName", "Vessel Name"},
                                   {"Port", "Home Port"},
                                   {"IDNum", "ID Number"},
                                   {"Radio", "Radio Call Sign"},
                                   {"Builder", "Builder"},
                                   {"BtModel", "Model"},
                                   {"BtYear", "Year"},
                                   {"VesConst", "Construction"},
                                   {"Captain", "Captain"},
                                   {"HullClr", "Hull Color"},
                                   {"TrimClr", "Trim Color"},
                                   {"NumMst", "Number Masts", F::Whole},
                                   {"MstHts", "Mast Heights"},
                                   {"NumCrew", "Number Crew", F::Whole},
                                   {"Length", "Length", F::Decimal, "length"},
                                   {"Draft", "Draft", F::Decimal, "length"},
                                   {"Beam", "Beam", F::Decimal, "length"},
                                   {"Height", "Height", F::Decimal, "length"},
                                   {"LWL", "LWL", F::Decimal, "length"},
                                   {"LOA", "LOA", F::Decimal, "length"},
                                   {"GrossWt", "Gross Weight", F::Decimal},
                                   {"NetWt", "Net Weight", F::Decimal},
                                   {"Ballast", "Ballast", F::Decimal},
                                   {"FuelCap", "Fuel Capacity", F::Shown, "capacity"},
                                   {"WtrCap", "Water Capacity", F::Shown, "capacity"},
                                   {"EngWorkTank", "Engines Working Tank", F::Shown, "capacity"},
                                   {"GenWorkTank", "Genset Working Tank", F::Shown, "capacity"},
                                   {"Ves_Notes", "Vessel Notes", F::Memo}};
    const std::vector<F> engine = {{"Prop1", "Prop 1 Diameter", F::Whole},
                                   {"Pitch1", "Prop 1 Pitch", F::Whole},
                                   {"Rot1", "Prop 1 Rotation"},
                                   {"Prop2", "Prop 2 Diameter", F::Whole},
                                   {"Pitch2", "Prop 2 Pitch", F::Whole},
                                   {"Rot2", "Prop 2 Rotation"},
                                   {"NumBlades", "Number Blades", F::Whole},
                                   {"Eng1", "Engine 1"},
                                   {"Eng2", "Engine 2"},
                                   {"EngModel", "Engine Model"},
                                   {"NumCyl", "Number Cylinders", F::Whole},
                                   {"Oil", "Oil"},
                                   {"Eng1Serial", "Engine 1 Serial"},
                                   {"Eng2Serial", "Engine 2 Serial"},
                                   {"StHrs1", "Engine 1 Starting Hours", F::Whole},
                                   {"EndHrs1", "Engine 1 Current Hours", F::Whole},
                                   {"StHrs2", "Engine 2 Starting Hours", F::Whole},
                                   {"EndHrs2", "Engine 2 Current Hours", F::Whole},
                                   {"EngFuelUse", "Fuel Use", F::Decimal},
                                   {"UsageSpd", "at RPM", F::Decimal},
                                   {"TransType", "Transmission"},
                                   {"TransModl", "Transmission Model"},
                                   {"TransOil", "Transmission Oil"},
                                   {"EngMarkr", "Eng. Hr. Marker: ", F::Shown},
                                   {"Eng_Notes", "Engine Notes", F::Memo}};
    const std::vector<F> gen = {{"GenMake", "Generator 1"},
                                {"GenModel", "Generator 1 Model"},
                                {"GenFuelUse", "Generator 1 Fuel Use", F::Decimal},
                                {"Gen2", "Generator 2"},
                                {"Gen2Mdl", "Generator 2 Model"},
                                {"Gen2FuelUse", "Generator 2 Fuel Use", F::Decimal},
                                {"WMMake", "Watermaker"},
                                {"WMModel", "Watermaker Model"},
                                {"WMSerial", "Watermaker Serial"},
                                {"WMGal", "Watermaker Output", F::Decimal, "output"},
                                {"GenMarkr", "Generator 1 Marker", F::Shown},
                                {"Gen2Markr", "Generator 2 Marker", F::Shown},
                                {"WMMarkr", "Watermaker Marker", F::Shown},
                                {"Notes", "Notes", F::Memo}};
    const std::vector<F> tender = {{"Tender_Make", "Tender Make"},
                                   {"Tender_Model", "Tender Model"},
                                   {"Tender_HullNo", "Tender Hull Number"},
                                   {"Tender_EngMake", "Tender Engine Make"},
                                   {"Tender_EngModel", "Tender Engine Model"},
                                   {"Tender_EngSerial", "Tender Engine Serial"},
                                   {"Tender_Notes", "Tender Notes", F::Memo},
                                   {"Toys_Notes", "Toys Notes", F::Memo}};
    buildPage(SubPage::OwnerSetup, owner);
    buildPage(SubPage::VesselSetup, vessel);
    buildPage(SubPage::EngineSetup, engine);
    buildPage(SubPage::GenWMSetup, gen);
    buildPage(SubPage::TenderToysSetup, tender);

    // Fields that are not text boxes.
    auto* ownerGrid = static_cast<QGridLayout*>(m_pages[SubPage::OwnerSetup]->layout());
    m_passExp = new DateBox(QStringLiteral("Passport Expires"));
    m_passExp->setObjectName(QStringLiteral("PassExp"));
    ownerGrid->addWidget(captionFor(QStringLiteral("Passport Expires"), m_passExp), 20, 0);
    ownerGrid->addWidget(m_passExp, 20, 1);
    m_binder->follow(m_passExp);
    auto* vesselGrid = static_cast<QGridLayout*>(m_pages[SubPage::VesselSetup]->layout());
    m_pwrSail = new QComboBox;
    m_pwrSail->setObjectName(QStringLiteral("PwrSail"));
    m_pwrSail->addItems({QStringLiteral("Power"), QStringLiteral("Sail")});
    vesselGrid->addWidget(captionFor(QStringLiteral("Power or Sail"), m_pwrSail), 40, 0);
    vesselGrid->addWidget(m_pwrSail, 40, 1);
    m_binder->follow(m_pwrSail);
    auto* tanks = new QPushButton(QStringLiteral("Tanks"));
    tanks->setObjectName(QStringLiteral("TanksBtn"));
    tanks->setToolTip(QStringLiteral("Enter tankage information"));
    tanks->setAccessibleName(tanks->text());
    vesselGrid->addWidget(tanks, 41, 1);
    connect(tanks, &QPushButton::clicked, this,
            [this] { runCommand(m_app.messages, [this] { TanksClick(); }); });

    auto* engineGrid = static_cast<QGridLayout*>(m_pages[SubPage::EngineSetup]->layout());
    m_numberEngines = new QComboBox;
    m_numberEngines->setObjectName(QStringLiteral("NumEngines"));
    m_numberEngines->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    m_numberEngines->setCurrentIndex(1);
    engineGrid->addWidget(captionFor(QStringLiteral("Number Engines"), m_numberEngines), 40, 0);
    engineGrid->addWidget(m_numberEngines, 40, 1);
    connect(m_numberEngines, &QComboBox::currentTextChanged, this, [this](const QString& n) {
        applyNumberEngines();
        Q_EMIT numberEnginesChanged(n);
    });
    auto* clear = new QPushButton(QStringLiteral("Clear All Markers"));
    clear->setObjectName(QStringLiteral("ClearMarkersBtn"));
    clear->setAccessibleName(clear->text());
    engineGrid->addWidget(clear, 41, 1);
    connect(clear, &QPushButton::clicked, this,
            [this] { runCommand(m_app.messages, [this] { ClearMarkersClick(); }); });
    for (const char* c : {"Eng2", "Eng2Serial", "StHrs2", "EndHrs2"}) {
        QLineEdit* e = m_fields.at(QString::fromLatin1(c));
        m_engine2.push_back(e);
        for (QLabel* l : e->parentWidget()->findChildren<QLabel*>()) {
            if (l->buddy() == e)
                m_engine2.push_back(l);
        }
    }

    m_bar = new QWidget;
    m_bar->setObjectName(QStringLiteral("SetupBar"));
    auto* bar = new QHBoxLayout(m_bar);
    struct B
    {
        const char* caption;
        const char* name;
        const char* hint;
        void (VesselSetup::*run)();
    };
    const B buttons[] = {
        {"New Vessel Setup", "NewBtn", "Create the record of your vessel", &VesselSetup::NewClick},
        {"Edit Setup", "EditBtn", "Change the information about your vessel",
         &VesselSetup::EditClick},
        {"Save Setup", "SaveBtn", "Save your changes", nullptr},
        {"Cancel Changes", "CancelBtn", "Drop your changes", &VesselSetup::CancelClick}};
    for (const B& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption));
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.hint));
        button->setAccessibleName(button->text());
        bar->addWidget(button);
        auto run = b.run;
        connect(button, &QPushButton::clicked, this, [this, run] {
            runCommand(m_app.messages, [this, run] {
                if (run)
                    (this->*run)();
                else
                    SaveClick();
            });
        });
    }
    bar->addStretch(1);
    follow();
}

QWidget* VesselSetup::buildPage(SubPage page, const std::vector<FieldDef>& defs)
{
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    int row = 0;
    int memoRow = 30;
    for (const FieldDef& d : defs) {
        const QString column = QString::fromLatin1(d.column);
        const QString caption = QString::fromLatin1(d.caption);
        const int col = (row % 2) * 3;
        const int r = row / 2;
        if (d.kind == FieldDef::Memo) {
            auto* memo = new QPlainTextEdit;
            memo->setObjectName(column);
            memo->setMaximumHeight(90);
            grid->addWidget(captionFor(caption, memo), memoRow, 0);
            grid->addWidget(memo, memoRow++, 1, 1, 5);
            m_binder->bind(memo, column, caption);
            memo->installEventFilter(this);
            continue;
        }
        auto* e = new QLineEdit;
        e->setObjectName(column);
        grid->addWidget(captionFor(caption, e), r, col);
        grid->addWidget(e, r, col + 1);
        if (d.unit) {
            auto* unit = new QLabel;
            unit->setObjectName(column + QLatin1String("Unit"));
            unit->setProperty("unitKind", QString::fromLatin1(d.unit));
            grid->addWidget(unit, r, col + 2);
            m_units[column] = unit;
        }
        m_fields[column] = e;
        if (d.kind == FieldDef::Shown) {
            e->setReadOnly(true);
            e->setAccessibleName(caption);
        } else {
            m_binder->bind(e, column, caption,
                           d.kind == FieldDef::Whole     ? KeyFilter::WholeNumber
                           : d.kind == FieldDef::Decimal ? KeyFilter::Decimal
                                                         : KeyFilter::Any);
            e->installEventFilter(this);
        }
        ++row;
    }
    grid->setRowStretch(memoRow, 1);
    m_pages[page] = w;
    return w;
}

bool VesselSetup::editing() const
{
    return m_vessel.state() == RecordSet::State::Insert ||
           m_vessel.state() == RecordSet::State::Edit;
}

bool VesselSetup::hasRecord() const
{
    return m_vessel.isOpen() && !m_vessel.isEmpty() && m_vessel.state() != RecordSet::State::Insert;
}

QLineEdit* VesselSetup::field(const QString& column) const
{
    const auto it = m_fields.find(column);
    return it == m_fields.end() ? nullptr : it->second;
}

QPushButton* VesselSetup::button(const char* name) const
{
    for (const auto& [page, w] : m_pages) {
        if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name)))
            return b;
    }
    return m_bar->findChild<QPushButton*>(QString::fromLatin1(name));
}

QLabel* VesselSetup::unitCaption(const QString& column) const
{
    const auto it = m_units.find(column);
    return it == m_units.end() ? nullptr : it->second;
}

bool VesselSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !editing()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool moving = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                            (key->key() >= Qt::Key_Home && key->key() <= Qt::Key_PageDown) ||
                            key->text().isEmpty();
        if (!moving) {
            m_app.messages.warning(hasRecord() || m_newPressed ? EditWarning : NewWarning);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void VesselSetup::SetupShow()
{
    follow();
}

void VesselSetup::follow()
{
    const bool edit = editing();
    m_binder->setEditable(edit);
    if (!edit) {
        m_binder->load();
        if (hasRecord()) {
            m_passExp->setDateOrNone(m_vessel.date(QStringLiteral("PassExp")));
            m_pwrSail->setCurrentIndex(m_vessel.boolean(QStringLiteral("PwrSail")) ? 1 : 0);
        }
    }
    // Shown-only fields.
    for (const char* c : {"FuelCap", "WtrCap", "EngWorkTank", "GenWorkTank", "EngMarkr", "GenMarkr",
                          "Gen2Markr", "WMMarkr"}) {
        const QString column = QString::fromLatin1(c);
        m_fields.at(column)->setText(hasRecord() || edit ? m_vessel.text(column) : QString());
    }
    const bool hasRec = hasRecord();
    button("NewBtn")->setVisible(!hasRec && !edit);
    button("EditBtn")->setVisible(hasRec && !edit);
    button("SaveBtn")->setVisible(true);
    button("CancelBtn")->setVisible(true);
    // Markers are cleared on a saved record being browsed only.
    button("ClearMarkersBtn")->setEnabled(hasRec && !edit);
    applyHoursLock();
    applyNumberEngines();
    showFormatted();
    setUnits();
}

void VesselSetup::applyHoursLock()
{
    for (const char* c : HoursColumns) {
        const QString column = QString::fromLatin1(c);
        QLineEdit* e = m_fields.at(column);
        // A starting or current hours figure once set belongs to the trip log.
        const bool locked = hasRecord() && m_vessel.state() != RecordSet::State::Insert &&
                            m_vessel.number(column) > 0;
        e->setReadOnly(!editing() || locked);
        e->setProperty("locked", locked);
        e->setFrame(!locked);
    }
}

void VesselSetup::applyNumberEngines()
{
    const bool two = m_numberEngines->currentText() == QLatin1String("Two");
    for (QWidget* w : m_engine2)
        w->setVisible(two);
}

QString VesselSetup::numberEngines() const
{
    return m_numberEngines->currentText();
}

void VesselSetup::setNumberEngines(const QString& number)
{
    if (number == QLatin1String("One") || number == QLatin1String("Two"))
        m_numberEngines->setCurrentText(number);
}

void VesselSetup::showFormatted()
{
    if (editing() || !hasRecord())
        return;
    for (const char* c : TwoDecimalColumns) {
        const QString column = QString::fromLatin1(c);
        if (!m_vessel.isNull(column))
            m_fields.at(column)->setText(
                formatNumber(m_vessel.number(column), QStringLiteral("#0.00")));
    }
    for (const char* c : MarkerColumns) {
        const QString column = QString::fromLatin1(c);
        m_fields.at(column)->setText(
            m_vessel.isNull(column)
                ? QString()
                : formatNumber(m_vessel.number(column), QStringLiteral("###,###.##")));
    }
}

void VesselSetup::setUnits()
{
    const bool metric = m_host.metric();
    for (const auto& [column, label] : m_units) {
        const QString kind = label->property("unitKind").toString();
        if (kind == QLatin1String("length"))
            label->setText(metric ? QStringLiteral("Mtr") : QStringLiteral("Ft"));
        else if (kind == QLatin1String("capacity"))
            label->setText(metric ? QStringLiteral("Lit") : QStringLiteral("Gal"));
        else
            label->setText(metric ? QStringLiteral("Lit/Hr") : QStringLiteral("Gal/Hr"));
    }
}

void VesselSetup::subPageShown(SubPage page)
{
    if (page == SubPage::VesselSetup && m_app.log && m_app.log->isOpen()) {
        // The figures follow the tanks without saving anything else of the record.
        if (const QString error = recomputeTankFigures(*m_app.log, &m_vessel); !error.isEmpty())
            m_app.messages.error(error);
    }
    follow();
}

void VesselSetup::NewClick()
{
    // There is one vessel record: a second is never made.
    if (hasRecord() || editing())
        return;
    m_newPressed = true;
    m_vessel.append();
    m_vessel.setValue(QStringLiteral("StHrs1"), 0);
    follow();
}

void VesselSetup::EditClick()
{
    if (!hasRecord() || editing())
        return;
    m_vessel.edit();
    follow();
}

RecordSet::Verdict VesselSetup::BoatInfoBeforePost()
{
    m_vessel.setValue(QStringLiteral("PassExp"), m_passExp->dateOrNone());
    m_vessel.setValue(QStringLiteral("PwrSail"), m_pwrSail->currentIndex() == 1);
    // A record without a structure version would read as version 0 at the next open.
    if (m_vessel.isNull(QStringLiteral("Prog_Version")) && m_structureVersion)
        m_vessel.setValue(QStringLiteral("Prog_Version"), m_structureVersion());
    return RecordSet::Proceed;
}

bool VesselSetup::SaveClick()
{
    if (!editing())
        return true;
    bool saved = false;
    runCommand(m_app.messages, [&] {
        m_vessel.post();
        saved = !editing();
    });
    if (saved)
        m_newPressed = false;
    follow();
    return saved;
}

void VesselSetup::CancelClick()
{
    if (!editing())
        return;
    m_vessel.cancel();
    m_newPressed = false;
    // Figures written while editing (the tanks) are read again.
    if (m_vessel.isOpen())
        m_vessel.requery();
    follow();
}

void VesselSetup::ClearMarkersClick()
{
    if (!hasRecord() || editing())
        return;
    m_vessel.edit();
    for (const char* c : {"WMMarkr", "EngMarkr", "GenMarkr", "Gen2Markr"})
        m_vessel.setValue(QString::fromLatin1(c), 0.0);
    try {
        m_vessel.post();
    } catch (const LogError&) {
        m_vessel.cancel();
        follow();
        throw;
    }
    follow();
}

void VesselSetup::TanksClick()
{
    if (!editing()) {
        m_app.messages.warning(EditWarning);
        return;
    }
    {
        TanksDialog dialog(m_app, TanksDialog::Mode::Setup, m_host.metric(),
                           m_pages.at(SubPage::VesselSetup)->window());
        dialog.exec();
    }
    if (const QString error = recomputeTankFigures(*m_app.log, &m_vessel); !error.isEmpty())
        m_app.messages.error(error);
    follow();
}

bool VesselSetup::leaveStep()
{
    if (!editing())
        return true;
    if (m_app.messages.show(Messages::Kind::Confirmation, SaveQuestion, Messages::Buttons::YesNo) ==
        Messages::Answer::Yes) {
        // A save that fails keeps the page and the edit.
        if (!SaveClick())
            return false;
    }
    if (editing())
        CancelClick();
    return true;
}

} // namespace hb
