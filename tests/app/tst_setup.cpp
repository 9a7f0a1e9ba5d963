#include "../pages/PageFixture.h"

#include "app/VesselSetup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace hb;
using Answer = Messages::Answer;

namespace {

struct SetupFixture : test::PageFixture
{
    RecordSet vessel{log};
    std::unique_ptr<VesselSetup> setup;
    SetupFixture()
    {
        vessel.open("select * from BoatInfo");
        setup = std::make_unique<VesselSetup>(app, vessel, host, [] { return 60; });
        setup->SetupShow();
    }
};

} // namespace

class SetupTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A log without a vessel record: typing is refused until "New Vessel Setup"; the record
    // saved carries the structure version and a second one is never made.
    void newVessel()
    {
        SetupFixture f;
        f.log.exec("delete from BoatInfo");
        f.vessel.requery();
        f.setup->SetupShow();
        QVERIFY(!f.setup->button("NewBtn")->isHidden());
        QVERIFY(f.setup->button("EditBtn")->isHidden());
        f.messages.expect(Answer::Ok, VesselSetup::NewWarning);
        QTest::keyClicks(f.setup->field("VesName"), "x");
        QVERIFY(f.setup->field("VesName")->text().isEmpty());

        f.setup->NewClick();
        QTest::keyClicks(f.setup->field("VesName"), "SEA ROSE");
        QTest::keyClicks(f.setup->field("EndHrs1"), "120");
        QVERIFY(f.setup->SaveClick());
        QCOMPARE(f.count("select count(*) from BoatInfo where VesName = 'SEA ROSE' and "
                         "Prog_Version = 60 and StHrs1 = 0 and EndHrs1 = 120"),
                 1);
        QVERIFY(f.setup->button("NewBtn")->isHidden());
        QVERIFY(!f.setup->button("EditBtn")->isHidden());
        f.setup->NewClick();
        QCOMPARE(f.count("select count(*) from BoatInfo"), 1);

        // Now the record exists: typing without "Edit Setup" gets the edit warning.
        f.messages.expect(Answer::Ok, VesselSetup::EditWarning);
        QTest::keyClicks(f.setup->field("Port"), "x");
        QVERIFY(f.messages.allAnswered());
    }

    // Hours once above 0 are fixed; engine 2 follows "Number Engines".
    void hoursLockAndEngines()
    {
        SetupFixture f;
        f.log.exec("update BoatInfo set EndHrs1 = 1234, StHrs2 = 0");
        f.vessel.requery();
        f.setup->EditClick();
        QVERIFY(f.setup->field("EndHrs1")->isReadOnly());
        QVERIFY(!f.setup->field("StHrs2")->isReadOnly());
        QVERIFY(!f.setup->field("VesName")->isReadOnly());
        f.setup->CancelClick();

        f.setup->setNumberEngines("One");
        QVERIFY(f.setup->field("EndHrs2")->isHidden());
        QVERIFY(f.setup->field("Eng2Serial")->isHidden());
        f.setup->setNumberEngines("Two");
        QVERIFY(!f.setup->field("EndHrs2")->isHidden());
    }

    // Showing the vessel sub-page brings the tank figures up to date without saving the
    // user's pending changes: "Cancel Changes" still drops them.
    void showingVesselKeepsPendingChanges()
    {
        SetupFixture f;
        f.log.exec("insert into Tanks (Tank_Type, Tank_Capacity) values ('WATER', 200)");
        f.setup->EditClick();
        QTest::keyClicks(f.setup->field("VesName"), "UNSAVED");
        f.setup->subPageShown(SubPage::VesselSetup);
        QCOMPARE(f.setup->field("WtrCap")->text(), QString("200"));
        QCOMPARE(f.count("select count(*) from BoatInfo where VesName is null"), 1);
        f.setup->CancelClick();
        QCOMPARE(f.count("select WtrCap from BoatInfo"), 200);
        QVERIFY(f.setup->field("VesName")->text().isEmpty());
        QCOMPARE(f.setup->unitCaption("WtrCap")->text(), QString("Gal"));
        QCOMPARE(f.setup->unitCaption("Length")->text(), QString("Ft"));
    }

    void clearMarkers()
    {
        SetupFixture f;
        f.log.exec("update BoatInfo set EngMarkr = 10, Eng2Markr = 20, GenMarkr = 30, "
                   "Gen2Markr = 40, WMMarkr = 50");
        f.vessel.requery();
        f.setup->SetupShow();
        f.setup->EditClick();
        QVERIFY(!f.setup->button("ClearMarkersBtn")->isEnabled());
        f.setup->ClearMarkersClick();
        QCOMPARE(f.count("select EngMarkr from BoatInfo"), 10);
        f.setup->CancelClick();
        f.setup->ClearMarkersClick();
        QCOMPARE(f.count("select count(*) from BoatInfo where EngMarkr = 0 and GenMarkr = 0 and "
                         "Gen2Markr = 0 and WMMarkr = 0 and Eng2Markr = 20"),
                 1);
    }

    // "Yes" to the leave question with a save the log refuses keeps the page and the edit.
    void leaveWithFailedSave()
    {
        SetupFixture f;
        f.setup->EditClick();
        f.vessel.setValue("BtYear", "19999"); // longer than the column
        f.messages.expect(Answer::Yes, VesselSetup::SaveQuestion);
        f.messages.expect(Answer::Ok); // the engine's error
        QVERIFY(!f.setup->leaveStep());
        QVERIFY(f.setup->editing());
        f.messages.expect(Answer::No, VesselSetup::SaveQuestion);
        QVERIFY(f.setup->leaveStep());
        QVERIFY(!f.setup->editing());
        QVERIFY(f.messages.allAnswered());
    }
};

QTEST_MAIN(SetupTest)
#include "tst_setup.moc"
