#include "machinery/BatteryPage.h"

#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "machinery/BatteryRules.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimeEdit>

namespace hb {

namespace {
const QString Number = QStringLiteral("00.00");
} // namespace

const LogPageSpec& BatteryPage::pageSpec()
{
    static const LogPageSpec spec{
        Page::Battery,
        QStringLiteral("Battery Log"),
        QStringLiteral("Batt"),
        QStringLiteral("Battery"),
        QStringLiteral("List of Readings"),
        {{QStringLiteral("ReadDt"), QStringLiteral("Date Read"), ColumnFormat::Date},
         {QStringLiteral("BankTxt"), QStringLiteral("BankTxt")},
         {QStringLiteral("ReadTime"), QStringLiteral("Time Read")},
         {QStringLiteral("ReadVolt"), QStringLiteral("Voltage"), ColumnFormat::Number, Number},
         {QStringLiteral("ChargeDt"), QStringLiteral("Charge Date"), ColumnFormat::Date},
         {QStringLiteral("ChargeHrs"), QStringLiteral("Charge Hours"), ColumnFormat::Number,
          Number},
         {QStringLiteral("BattType"), QStringLiteral("Batt Type")}},
        true,
        true,
        SearchSpec{nullptr,
                   {{"Reading Dates", "ReadDt"}, {"Charging Dates", "ChargeDt"}},
                   {{"Battery Type", "BattType"}, {"Battery Bank", "BankTxt"}}},
        SearchBase{QStringLiteral("Battery"), QStringLiteral("Archived = False"), {}, 0},
        QStringLiteral("Battery"),
        QStringLiteral("Show All"),
    };
    return spec;
}

BatteryPage::BatteryPage(PageContext& context, QWidget* parent)
    : LogPage(context, pageSpec(), parent)
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    auto place = [&](QWidget* w, const char* name, const QString& caption, int row, int col) {
        w->setObjectName(QString::fromLatin1(name));
        g->addWidget(captionFor(caption, w), row, col);
        g->addWidget(w, row, col + 1);
    };
    m_readDate = new DateBox(QStringLiteral("Date Read"));
    place(m_readDate, "ReadDt", QStringLiteral("Date Read"), 0, 0);
    m_readTime = new QTimeEdit;
    m_readTime->setDisplayFormat(QStringLiteral("HH:mm"));
    place(m_readTime, "ReadTime", QStringLiteral("Time Read"), 1, 0);
    // One or two digits, a point and two digits.
    const QRegularExpression number(QStringLiteral("^\\d{0,2}(\\.\\d{0,2})?$"));
    m_volt = new QLineEdit;
    m_volt->setMaxLength(5);
    m_volt->setValidator(new QRegularExpressionValidator(number, m_volt));
    place(m_volt, "ReadVolt", QStringLiteral("Voltage"), 2, 0);
    m_chargeDate = new DateBox(QStringLiteral("Charge Date"));
    place(m_chargeDate, "ChargeDt", QStringLiteral("Charge Date"), 0, 2);
    m_chargeHours = new QLineEdit;
    m_chargeHours->setMaxLength(5);
    m_chargeHours->setValidator(new QRegularExpressionValidator(number, m_chargeHours));
    m_chargeHours->setToolTip(QStringLiteral("charging hours to bring the bank to float"));
    place(m_chargeHours, "ChargeHrs", QStringLiteral("Charge Hours"), 1, 2);
    m_bank = new QComboBox;
    for (const BatteryBank& bank : batteryBanks())
        m_bank->addItem(QString::fromLatin1(bank.caption), bank.number);
    place(m_bank, "BattBank", QStringLiteral("Battery Bank"), 2, 2);
    m_type = new QComboBox;
    m_type->addItems(batteryTypes());
    place(m_type, "BattType", QStringLiteral("Battery Type"), 3, 0);
    b.bind(m_type, QStringLiteral("BattType"), QStringLiteral("Battery Type"));
    auto* archived = new QCheckBox(QStringLiteral("Archive Current Entry?"));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    g->addWidget(archived, 3, 3);
    for (QWidget* w : {static_cast<QWidget*>(m_readDate), static_cast<QWidget*>(m_readTime),
                       static_cast<QWidget*>(m_chargeDate), static_cast<QWidget*>(m_bank)}) {
        setFieldKeys(w);
        b.follow(w);
    }
    for (QLineEdit* e : {m_volt, m_chargeHours}) {
        setFieldKeys(e, KeyFilter::Decimal);
        b.follow(e);
    }

    m_narrow = new QComboBox;
    m_narrow->addItem(QStringLiteral("All Banks"));
    for (const BatteryBank& bank : batteryBanks())
        m_narrow->addItem(QString::fromLatin1(bank.narrowItem));
    m_narrow->setObjectName(QStringLiteral("BankSelect"));
    auto* narrowLabel = captionFor(QStringLiteral("Narrow Display"), m_narrow);
    g->addWidget(narrowLabel, 4, 0);
    g->addWidget(m_narrow, 4, 1);
    connect(m_narrow, &QComboBox::activated, this,
            [this](int item) { command([this, item] { BankSelectClick(item); }); });
    connect(m_type, &QComboBox::textActivated, this,
            [this](const QString& type) { DBBattTypeChange(type); });
    connect(m_readTime, &QTimeEdit::timeChanged, this, [this] {
        if (editing() && !binder().loading())
            m_timeTyped = true;
    });

    addPageButton(QStringLiteral("Trip Log"), Page::TripTab);

    RecordSet& q = query();
    q.afterInsert = [this](RecordSet&) { BattQueryAfterInsert(); };
    q.afterEdit = [this](RecordSet&) { BattQueryAfterEdit(); };
    q.beforePost = [this](RecordSet&) { return BattQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { BattQueryAfterPost(); };
}

Selection BatteryPage::normalSelection() const
{
    return {QStringLiteral("select * from Battery where Archived = false order by ReadDt"), {}};
}

Selection BatteryPage::showAllSelection(bool all) const
{
    return hb::showAllSelection(QStringLiteral("Battery"), all, QStringLiteral("ReadDt"));
}

void BatteryPage::pageShown()
{
    BatteryShow();
}

void BatteryPage::BatteryShow()
{
    m_rememberedType.clear();
    m_narrow->setCurrentIndex(0);
    for (DateBox* d : {m_readDate, m_chargeDate}) {
        d->setDisplayPattern(formats().shortDatePattern());
        d->setToday(clock().today());
    }
    showCurrent();
}

void BatteryPage::showCurrent()
{
    const RecordSet& q = query();
    if (!q.isOpen() || q.isEmpty()) {
        // With no readings nothing is shown (not the values of a reading just deleted).
        m_readDate->setDateOrNone(QDate());
        m_readTime->setTime(QTime(0, 0));
        m_volt->clear();
        m_chargeDate->setDateOrNone(QDate());
        m_chargeHours->clear();
        return;
    }
    m_readDate->setDateOrNone(q.date(QStringLiteral("ReadDt")));
    const QTime time = readingTime(q.text(QStringLiteral("ReadTime")));
    m_rowHasTime = time.isValid();
    // A reading without a time shows midnight, never the time of the reading shown before.
    m_readTime->setTime(m_rowHasTime ? time : QTime(0, 0));
    m_volt->setText(formatNumber(q.number(QStringLiteral("ReadVolt")), Number));
    // A reading that was never charged shows no charge date (not the previous reading's).
    m_chargeDate->setDateOrNone(q.date(QStringLiteral("ChargeDt")));
    m_chargeHours->setText(formatNumber(q.number(QStringLiteral("ChargeHrs")), Number));
    const int at = m_bank->findData(q.integer(QStringLiteral("BattBank")));
    m_bank->setCurrentIndex(at);
}

void BatteryPage::editingChanged(bool editing)
{
    // Narrowing reloads the list: not while a reading is added or edited.
    m_narrow->setEnabled(!editing && !searchShown());
}

void BatteryPage::BattQueryAfterInsert()
{
    RecordSet& q = query();
    m_bank->setCurrentIndex(0);
    q.setValue(QStringLiteral("BattType"),
               m_rememberedType.isEmpty() ? QStringLiteral("Wet") : m_rememberedType);
    const QDateTime now = clock().now();
    m_readDate->setDateOrNone(now.date());
    m_readTime->setTime(QTime(now.time().hour(), now.time().minute()));
    m_chargeDate->setDateOrNone(now.date());
    m_volt->setText(Number);
    m_chargeHours->setText(Number);
    m_rowHasTime = true;
    m_timeTyped = false;
}

void BatteryPage::BattQueryAfterEdit()
{
    m_timeTyped = false;
    // A reading never charged offers today as its charge date, as a new reading does.
    if (m_chargeDate->isNone())
        m_chargeDate->setDateOrNone(clock().today());
}

RecordSet::Verdict BatteryPage::BattQueryBeforePost()
{
    RecordSet& q = query();
    q.setValue(QStringLiteral("ReadDt"), m_readDate->dateOrNone());
    // A reading kept without a time keeps none unless the user set one.
    if (q.state() == RecordSet::State::Insert || m_rowHasTime || m_timeTyped)
        q.setValue(QStringLiteral("ReadTime"), readingTimeText(m_readTime->time()));
    const double volts = m_volt->text().toDouble();
    const double hours = m_chargeHours->text().toDouble();
    q.setValue(QStringLiteral("ReadVolt"), volts);
    q.setValue(QStringLiteral("ChargeHrs"), hours);
    if (hours > 0)
        q.setValue(QStringLiteral("ChargeDt"), m_chargeDate->dateOrNone());
    const int bank = m_bank->currentData().isValid() ? m_bank->currentData().toInt() : 0;
    q.setValue(QStringLiteral("BattBank"), bank ? QVariant(bank) : QVariant());
    const QString code = bankCode(bank);
    q.setValue(QStringLiteral("BankTxt"), code.isEmpty() ? QVariant() : QVariant(code));
    return RecordSet::Proceed;
}

void BatteryPage::BattQueryAfterPost()
{
    query().requery();
}

void BatteryPage::BankSelectClick(int item)
{
    if (editing())
        return;
    if (item <= 0) {
        reopen({QStringLiteral("select * from Battery order by ReadDt"), {}});
    } else {
        reopen({QStringLiteral("select * from Battery where BattBank = :bank order by ReadDt"),
                {{QStringLiteral(":bank"), item}}});
    }
}

void BatteryPage::DBBattTypeChange(const QString& type)
{
    m_rememberedType = type;
}

} // namespace hb
