#include "../pages/PageFixture.h"

#include "logdb/RecordSet.h"
#include "machinery/TankRules.h"
#include "machinery/TanksDialog.h"
#include "pages/EditBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace hb;

Q_DECLARE_METATYPE(std::vector<hb::Tank>)

class TanksTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data()
    {
        QTest::addColumn<std::vector<Tank>>("tanks");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("fuel");
        QTest::addColumn<int>("water");
        QTest::addColumn<int>("eng");
        QTest::addColumn<int>("gen");
        QTest::newRow("no tanks") << std::vector<Tank>{} << true << 0 << 0 << 0 << 0;
        QTest::newRow("two fuel, one working, one water")
            << std::vector<Tank>{{"FUEL", 100, 0, false, false},
                                 {"FUEL", 150, 80, true, false},
                                 {"WATER", 200, 50, false, false}}
            << true << 250 << 200 << 80 << 0;
        QTest::newRow("fuel 200 and 150, first working")
            << std::vector<Tank>{{"FUEL", 200, 180, true, false}, {"FUEL", 150, 100, false, false}}
            << true << 350 << 0 << 180 << 0;
        QTest::newRow("both working counts twice")
            << std::vector<Tank>{{"FUEL", 100, 60, true, true}} << true << 100 << 0 << 60 << 60;
        QTest::newRow("holding and other types count nowhere")
            << std::vector<Tank>{{"HOLDING", 80, 10, true, true}, {"Fuel", 90, 10, true, true}}
            << true << 0 << 0 << 0 << 0;
        QTest::newRow("beyond 16 bits")
            << std::vector<Tank>{{"FUEL", 30000, 0, false, false}, {"FUEL", 3000, 0, false, false}}
            << false << 0 << 0 << 0 << 0;
    }
    void figures()
    {
        QFETCH(std::vector<Tank>, tanks);
        QFETCH(bool, fits);
        const auto f = tankFigures(tanks);
        QCOMPARE(f.has_value(), fits);
        if (fits) {
            QFETCH(int, fuel);
            QFETCH(int, water);
            QFETCH(int, eng);
            QFETCH(int, gen);
            QCOMPARE(*f, (TankFigures{fuel, water, eng, gen}));
        }
    }

    // The figures are written with one statement; a vessel record being edited gets them in
    // its edit buffer and keeps the user's other changes; sums that do not fit change nothing.
    void recompute()
    {
        test::PageFixture f;
        f.log.exec("insert into Tanks (Tank_Type, Tank_Capacity, Tank_Level, Tank_EngWork) "
                   "values ('FUEL', 200, 180, 1)");
        RecordSet vessel(f.log);
        vessel.open("select * from BoatInfo");
        vessel.edit();
        vessel.setValue("VesName", "SEA ROSE");
        QVERIFY(recomputeTankFigures(f.log, &vessel).isEmpty());
        QCOMPARE(vessel.integer("FuelCap"), 200);
        QCOMPARE(vessel.integer("EngWorkTank"), 180);
        QVERIFY(vessel.isModified());
        QCOMPARE(f.count("select FuelCap from BoatInfo"), 200);
        QCOMPARE(f.count("select count(*) from BoatInfo where VesName is null"), 1);
        // Cancelling drops the name; the figures read again are the log's.
        vessel.cancel();
        vessel.requery();
        QCOMPARE(vessel.integer("FuelCap"), 200);
        QVERIFY(vessel.isNull("VesName"));

        f.log.exec("insert into Tanks (Tank_Type, Tank_Capacity) values ('FUEL', 32700)");
        QCOMPARE(recomputeTankFigures(f.log, &vessel), TankSumsTooLarge);
        QCOMPARE(f.count("select FuelCap from BoatInfo"), 200);

        // No vessel record: none is made.
        f.log.exec("delete from BoatInfo");
        f.log.exec("delete from Tanks where Tank_Capacity = 32700");
        QVERIFY(recomputeTankFigures(f.log, nullptr).isEmpty());
        QCOMPARE(f.count("select count(*) from BoatInfo"), 0);
    }

    // Setup mode adds a tank in capitals; a level beyond the capacity is refused, the level
    // before stays, and the save checks again.
    void dialog()
    {
        test::PageFixture f;
        TanksDialog d(f.app, TanksDialog::Mode::Setup, true);
        d.editBar()->button(EditBar::New)->click();
        QCOMPARE(d.typeBox()->currentText(), QString("FUEL"));
        QTest::keyClicks(d.field("Tank_Name"), "port main");
        QTest::keyClicks(d.field("Tank_Capacity"), "200");
        QTest::keyClicks(d.levelField(), "150");
        d.TankLevelExit();
        d.levelField()->clear();
        QTest::keyClicks(d.levelField(), "250");
        f.messages.expect(Messages::Answer::Ok, LevelOutOfRange);
        d.TankLevelExit();
        QCOMPARE(d.levelField()->text(), QString("150"));
        QVERIFY(d.saveTank());
        QCOMPARE(f.count("select count(*) from Tanks where Tank_Name = 'PORT MAIN' and "
                         "Tank_Level = 150 and Tank_Type = 'FUEL' and Tank_EngWork = 0"),
                 1);

        // A level set past the capacity some other way is caught by the save.
        d.editBar()->button(EditBar::Edit)->click();
        d.tanks().setValue("Tank_Level", -5);
        f.messages.expect(Messages::Answer::Ok, LevelOutOfRange);
        QVERIFY(!d.saveTank());
        d.editBar()->button(EditBar::Cancel)->click();
        QVERIFY(f.messages.allAnswered());

        // Level mode: no New or Delete, only the level changes.
        TanksDialog level(f.app, TanksDialog::Mode::Level, false);
        QVERIFY(level.editBar()->button(EditBar::New)->isHidden());
        level.editBar()->button(EditBar::Edit)->click();
        QVERIFY(level.field("Tank_Name")->isReadOnly());
        QVERIFY(!level.levelField()->isReadOnly());
    }
};

QTEST_MAIN(TanksTest)
#include "tst_tanks.moc"
