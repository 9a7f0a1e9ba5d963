#include "../pages/PageFixture.h"

#include "machinery/BatteryPage.h"
#include "machinery/BatteryRules.h"
#include "pages/DateBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

using namespace hb;

class BatteryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readingTimes_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("afternoon") << QTime(14, 5) << "02:05 pm";
        QTest::newRow("morning") << QTime(9, 30) << "09:30 am";
        QTest::newRow("after midnight") << QTime(0, 30) << "12:30 am";
        QTest::newRow("noon") << QTime(12, 0) << "12:00 pm";
        QTest::newRow("last minute") << QTime(23, 59) << "11:59 pm";
    }
    void readingTimes()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(readingTimeText(time), text);
        QCOMPARE(readingTime(text), time);
    }

    void readings()
    {
        test::PageFixture f;
        // English am/pm whatever the user's language.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BatteryPage page(f.context);
        page.showStep();
        auto button = [&](const char* name) { return page.findChild<QPushButton*>(name); };

        // A new reading: bank House, type Wet, today and now, zero volts and hours.
        button("New")->click();
        QCOMPARE(page.bankBox()->currentText(), QString("House"));
        QCOMPARE(page.typeBox()->currentText(), QString("Wet"));
        QCOMPARE(page.readTimeBox()->time(), QTime(14, 5));
        QCOMPARE(page.voltageBox()->text(), QString("00.00"));
        page.voltageBox()->setText("12.65");
        page.bankBox()->setCurrentIndex(3); // "Gen. Start"
        page.typeBox()->setCurrentIndex(1);
        Q_EMIT page.typeBox()->textActivated("AGM");
        button("Save")->click();
        QVERIFY(!page.editing());
        // Charge hours 0: no charge date.
        QCOMPARE(f.count("select count(*) from Battery where BattBank = 4 and BankTxt = 'GenSt' "
                         "and ReadTime = '02:05 pm' and ReadVolt = 12.65 and ChargeDt is null "
                         "and BattType = 'AGM' and ReadDt = '2026-06-15'"),
                 1);
        QCOMPARE(page.readTimeBox()->time(), QTime(14, 5)); // shown again as 14:05

        // The type chosen last is the next reading's; charged readings keep their date.
        button("New")->click();
        QCOMPARE(page.typeBox()->currentText(), QString("AGM"));
        page.chargeHoursBox()->setText("3.5");
        page.chargeDateBox()->setDate(QDate(2026, 6, 14));
        page.bankBox()->setCurrentIndex(5); // "Aux 2"
        button("Save")->click();
        QCOMPARE(f.count("select count(*) from Battery where ChargeDt = '2026-06-14' and "
                         "ChargeHrs = 3.5 and BankTxt = 'AuxBt2'"),
                 1);
        // A reading without a charge date does not show the other reading's date.
        QVERIFY(page.query().locate("BattBank", 4));
        QVERIFY(page.chargeDateBox()->isNone());

        // Narrow Display: one bank, archived readings included; not while editing.
        f.log.exec("UPDATE Battery SET Archived = 1 WHERE BattBank = 6");
        page.narrowBox()->setCurrentIndex(6);
        Q_EMIT page.narrowBox()->activated(6);
        QCOMPARE(page.query().recordCount(), 1);
        QCOMPARE(page.query().text("BankTxt"), QString("AuxBt2"));
        button("Edit")->click();
        QVERIFY(!page.narrowBox()->isEnabled());
        button("Cancel")->click();

        // A reading kept without a time or a charge keeps none when edited for something else;
        // charging it offers today's date.
        f.log.exec("INSERT INTO Battery (ReadDt, ReadVolt, BattBank, BankTxt, BattType) VALUES "
                   "('2026-06-01', 12.1, 1, 'House', 'Wet')");
        page.showAllBox().click();
        QVERIFY(page.query().locate("ReadVolt", 12.1));
        QCOMPARE(page.readTimeBox()->time(), QTime(0, 0));
        button("Edit")->click();
        QCOMPARE(page.chargeDateBox()->date(), QDate(2026, 6, 15));
        page.voltageBox()->setText("12.2");
        button("Save")->click();
        QCOMPARE(f.count("select count(*) from Battery where ReadVolt = 12.2 and ReadTime is null "
                         "and ChargeDt is null"),
                 1);
        page.showAllBox().click();

        // Opening the page again forgets the type.
        page.showStep();
        QCOMPARE(page.query().recordCount(), 2); // the archived reading is not listed
        button("New")->click();
        QCOMPARE(page.typeBox()->currentText(), QString("Wet"));
        button("Cancel")->click();
        // The last reading deleted: its values do not stay in the boxes.
        f.log.exec("DELETE FROM Battery WHERE Archived = 0 AND ReadVolt <> 12.65");
        page.showStep();
        QCOMPARE(page.query().recordCount(), 1);
        f.messages.expect(Messages::Answer::Yes);
        button("Delete")->click();
        QVERIFY(page.query().isEmpty());
        QVERIFY(page.voltageBox()->text().isEmpty() && page.readDateBox()->isNone());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

HB_TEST_MAIN(BatteryTest)
#include "tst_battery.moc"
