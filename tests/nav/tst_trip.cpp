#include "../pages/PageFixture.h"

#include "nav/CruisesDialog.h"
#include "nav/PeopleOnTripDialog.h"
#include "nav/TripPage.h"
#include "nav/TripRules.h"
#include "pages/DateBox.h"
#include "pages/LookupBox.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>

using namespace hb;
using Answer = Messages::Answer;

namespace {

// A log with "All Cruises", a vessel record and the trip page shown on it.
struct TripFixture : test::PageFixture
{
    TripPage page{context};
    TripFixture()
    {
        insertAllCruises(log, QDate(2026, 1, 1));
        log.exec("UPDATE BoatInfo SET StHrs1 = 100, EndHrs1 = 120, StHrs2 = 90, EndHrs2 = 95");
        page.setTwoEngines(false);
    }
    void press(const char* caption) { page.button(QString::fromLatin1(caption))->click(); }
    void type(QLineEdit* e, const QString& text)
    {
        e->setText(text);
        Q_EMIT e->textEdited(text);
    }
    // A trip typed in through the page.
    void addTrip(const QDate& date, const QTime& start, const QString& to, const QString& fin,
                 const QString& fin2 = {})
    {
        press("New");
        page.tripDateBox()->setDate(date);
        page.endDateBox()->setDate(date);
        page.startTimeBox()->setTime(start);
        page.toBox()->setEditText(to);
        type(page.engHrsFin(), fin);
        if (!fin2.isEmpty())
            type(page.eng2HrsFin(), fin2);
        press("Save");
        QVERIFY(!page.editing());
    }
    int vessel(const char* column)
    {
        return count(QStringLiteral("select %1 from BoatInfo").arg(QString::fromLatin1(column)));
    }
};

} // namespace

class TripTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hoursRules_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fine") << "120"
                              << "125"
                              << "";
        QTest::newRow("equal") << "120"
                               << "120"
                               << "";
        QTest::newRow("empty end") << ""
                                   << ""
                                   << "";
        QTest::newRow("end below start") << "120"
                                         << "100" << EndBelowStart;
        QTest::newRow("not a number") << "12-0"
                                      << "125" << HoursNotNumber;
        QTest::newRow("negative") << "-5"
                                  << "125" << HoursNotNumber;
        QTest::newRow("beyond the vessel record") << "120"
                                                  << "32768" << HoursTooLarge;
        QTest::newRow("largest kept") << "120"
                                      << "32767"
                                      << "";
    }
    void hoursRules()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, problem);
        QCOMPARE(hoursProblem(start, end), problem);
    }

    void carryOver_data()
    {
        QTest::addColumn<double>("highest");
        QTest::addColumn<double>("field");
        QTest::addColumn<double>("vessel");
        QTest::addColumn<int>("hours");
        QTest::newRow("log") << 250.4 << 10.0 << 5.0 << 250;
        QTest::newRow("half to even down") << 250.5 << 0.0 << 0.0 << 250;
        QTest::newRow("half to even up") << 251.5 << 0.0 << 0.0 << 252;
        QTest::newRow("field when log is 0") << 0.0 << 30.0 << 5.0 << 30;
        QTest::newRow("vessel when both are 0") << 0.0 << 0.0 << 120.0 << 120;
    }
    void carryOver()
    {
        QFETCH(double, highest);
        QFETCH(double, field);
        QFETCH(double, vessel);
        QFETCH(int, hours);
        QCOMPARE(carryOverHours(highest, field, vessel), hours);
    }

    // New, carry-over, two trips on one day, one engine mirrored, vessel hours.
    void tripsAndVesselHours()
    {
        TripFixture f;
        f.page.showStep();
        QCOMPARE(f.page.totalLabel()->text(), QString("Total Trips=0"));
        QVERIFY(!f.page.button("show Watchman")->isEnabled());

        // First trip: today, now, no places, hours from the vessel record.
        f.press("New");
        QCOMPARE(f.page.tripDateBox()->date(), QDate(2026, 6, 15));
        QCOMPARE(f.page.startTimeBox()->time(), QTime(14, 5));
        QCOMPARE(f.page.fromBox()->currentText(), QString());
        QCOMPARE(f.page.engHrsSt()->text(), QString("120"));
        QVERIFY(!f.page.button("Show/Add Trip Guests")->isEnabled()); // no Trip_ID yet
        f.page.toBox()->setEditText("NASSAU");
        f.type(f.page.engHrsFin(), "126");
        f.page.EngHrsFinExit(); // one engine: engine 2 follows
        QCOMPARE(f.page.eng2HrsFin()->text(), QString("126"));
        f.press("Save");
        QVERIFY(!f.page.editing());
        QCOMPARE(f.count("select count(*) from TripLog where TripDate = '2026-06-15' and "
                         "StartTime = '14:05:00' and TripTo = 'NASSAU' and EngHrsFin = 126 and "
                         "Eng2HrsFin = 126 and CruiseNum = 0"),
                 1);
        QCOMPARE(f.vessel("EndHrs1"), 126);
        QCOMPARE(f.vessel("StHrs1"), 120);

        // Second trip the same day, earlier start: it leaves from NASSAU with the highest hours,
        // and lists before the first, which stays the latest trip.
        f.press("New");
        QCOMPARE(f.page.fromBox()->currentText(), QString("NASSAU"));
        QCOMPARE(f.page.engHrsSt()->text(), QString("126"));
        QCOMPARE(f.page.engHrsFin()->text(), QString("126"));
        f.press("Cancel");
        f.addTrip(QDate(2026, 6, 15), QTime(8, 0), "EXUMA", "126");
        QCOMPARE(f.page.query().recordCount(), 2);
        QCOMPARE(f.page.query().text("TripTo"), QString("NASSAU"));
        QVERIFY(f.page.latestTrip());
        QCOMPARE(f.vessel("EndHrs1"), 126);

        // A back-dated trip with lower hours never lowers the vessel's hours.
        f.addTrip(QDate(2026, 5, 1), QTime(9, 0), "BIMINI", "126");
        f.page.query().first();
        f.press("Edit");
        f.type(f.page.engHrsSt(), "110");
        f.type(f.page.engHrsFin(), "112");
        f.press("Save");
        QCOMPARE(f.vessel("EndHrs1"), 126);
        QCOMPARE(f.vessel("StHrs1"), 110);
        QVERIFY(f.page.latestTrip()); // back on the last trip after a save
        QVERIFY(!f.page.button("Set Marker")->isHidden());
        f.page.query().first();
        QVERIFY(!f.page.latestTrip());
        QVERIFY(f.page.button("Set Marker")->isHidden());

        // Hours refused at saving, not only on leaving the field.
        f.page.query().last();
        f.press("Edit");
        f.type(f.page.engHrsFin(), "100");
        f.messages.expect(Answer::Ok, EndBelowStart);
        f.press("Save");
        QVERIFY(f.page.editing());
        f.type(f.page.engHrsFin(), "99999");
        f.messages.expect(Answer::Ok, HoursTooLarge);
        f.press("Save");
        QVERIFY(f.page.editing());
        f.press("Cancel");
        QCOMPARE(f.page.engHrsFin()->text(), QString("126"));
        QVERIFY(f.messages.allAnswered());
    }

    void twoEngines()
    {
        TripFixture f;
        f.page.setTwoEngines(true);
        f.page.showStep();
        f.press("New");
        QCOMPARE(f.page.eng2HrsSt()->text(), QString("95"));
        f.type(f.page.eng2HrsFin(), "97");
        f.type(f.page.engHrsFin(), "123");
        QVERIFY(f.page.EngHrsFinExit());
        QCOMPARE(f.page.eng2HrsFin()->text(), QString("97")); // not overwritten
        f.type(f.page.eng2HrsFin(), "90");
        f.messages.expect(Answer::Ok, EndBelowStart);
        QVERIFY(!f.page.Eng2HrsFinExit());
        f.type(f.page.eng2HrsFin(), "97");
        f.press("Save");
        QCOMPARE(f.count("select count(*) from TripLog where EngHrsFin = 123 and Eng2HrsFin = 97"),
                 1);
        QCOMPARE(f.vessel("EndHrs2"), 97);
        QCOMPARE(f.vessel("EndHrs1"), 123);
    }

    // The cruise filter, an archived cruise kept, the vessel hours from the whole log.
    void cruises()
    {
        TripFixture f;
        f.log.exec("INSERT INTO Cruises (CruiseName, CruiseNum, Archived) VALUES ('OLD', 1, 1), "
                   "('SPRING', 2, 0), ('EMPTY', 3, 0)");
        f.log.exec("INSERT INTO TripLog (TripDate, CruiseNum, EngHrsSt, EngHrsFin, Archived) "
                   "VALUES ('2026-03-01', 1, 120, 130, 0), ('2026-04-01', 2, 130, 140, 0), "
                   "('2026-05-01', 0, 140, 150, 0)");
        f.page.showStep();
        QCOMPARE(f.page.cruiseBox()->count(), 3); // the archived cruise has no entry
        QCOMPARE(f.page.cruiseBox()->itemText(1), QString("SPRING"));

        f.page.CruiseDropDwnChange(1);
        QCOMPARE(f.page.query().recordCount(), 1);
        QVERIFY(!f.page.wholeLog());
        QVERIFY(!f.page.latestTrip());
        QVERIFY(f.page.button("Set Marker")->isHidden());
        // Saving under a filter: the vessel's hours still come from the latest trip of all.
        f.press("Edit");
        f.type(f.page.engHrsFin(), "141");
        f.press("Save");
        QCOMPARE(f.vessel("EndHrs1"), 150);
        QVERIFY(f.page.wholeLog());
        QCOMPARE(f.page.query().recordCount(), 3);

        // A cruise without trips keeps its entry chosen.
        f.page.CruiseDropDwnChange(2);
        QVERIFY(f.page.query().isEmpty());
        QCOMPARE(f.page.cruiseBox()->currentText(), QString("EMPTY"));
        // New under a filter belongs to that cruise.
        f.addTrip(QDate(2026, 6, 1), QTime(9, 0), "KEY WEST", "155");
        QCOMPARE(f.count("select CruiseNum from TripLog where TripTo = 'KEY WEST'"), 3);

        // A trip of the archived cruise keeps it when saved.
        f.page.CruiseDropDwnChange(0);
        QVERIFY(f.page.query().locate("CruiseNum", 1));
        QCOMPARE(f.page.cruiseBox()->currentIndex(), -1);
        f.press("Edit");
        f.page.notesBox()->setPlainText("corrected");
        f.press("Save");
        QCOMPARE(f.count("select CruiseNum from TripLog where Notes = 'corrected'"), 1);
    }

    void deleteQuestions()
    {
        TripFixture f;
        f.page.showStep();
        f.addTrip(QDate(2026, 6, 1), QTime(9, 0), "A", "130");
        f.addTrip(QDate(2026, 6, 2), QTime(9, 0), "B", "140");
        // Not the latest: two questions; No on the first keeps the trip.
        f.page.query().first();
        f.messages.expect(Answer::No, TripPage::OtherThanLastQuestion);
        f.press("Delete");
        QCOMPARE(f.page.query().recordCount(), 2);
        // The latest: one question; the vessel hours follow the trips left.
        f.page.query().last();
        f.messages.expect(Answer::Yes, LogPage::DeleteQuestion);
        f.press("Delete");
        QCOMPARE(f.page.query().recordCount(), 1);
        QCOMPARE(f.vessel("EndHrs1"), 130);
        QVERIFY(f.messages.allAnswered());
    }

    // Lines for the latest trip: queued while a trip is edited, written after; never into a
    // trip a search shows.
    void noteAppend()
    {
        TripFixture f;
        f.page.showStep();
        TripNotes& notes = f.page.notes();
        QCOMPARE(notes.append("nothing to write into"), TripNotes::Outcome::NoTrip);
        f.addTrip(QDate(2026, 6, 1), QTime(9, 0), "A", "130");
        f.addTrip(QDate(2026, 6, 2), QTime(9, 0), "B", "140");

        // Editing the first trip: the line waits; cancelling keeps nothing of the edit.
        f.page.query().first();
        f.press("Edit");
        f.page.notesBox()->setPlainText("half typed");
        QCOMPARE(notes.append("12:00 48 07.04 N"), TripNotes::Outcome::Queued);
        QCOMPARE(f.count("select count(*) from TripLog where Notes like '%12:00%'"), 0);
        f.press("Cancel");
        QCoreApplication::processEvents();
        QCOMPARE(f.count("select count(*) from TripLog where TripTo = 'B' and Notes = "
                         "char(13) || '12:00 48 07.04 N'"),
                 1);
        QCOMPARE(f.count("select count(*) from TripLog where Notes like '%half%'"), 0);

        // While a search shows only the first trip, a line still goes to the latest of all.
        f.search.answers.push_back(test::criteria({"A"}));
        f.messages.expect(Answer::Ok);
        f.page.search();
        QVERIFY(f.page.searchShown());
        QVERIFY(!f.page.wholeLog());
        QCOMPARE(f.page.query().recordCount(), 1);
        QCOMPARE(notes.append("13:00"), TripNotes::Outcome::Written);
        QCOMPARE(f.count("select count(*) from TripLog where TripTo = 'B' and Notes like "
                         "'%' || char(13) || '13:00'"),
                 1);
        QCOMPARE(f.count("select count(*) from TripLog where TripTo = 'A' and Notes is not null"),
                 0);
    }

    void cruisesDialog()
    {
        test::PageFixture f;
        insertAllCruises(f.log, QDate(2026, 1, 1));
        f.log.exec("INSERT INTO Cruises (CruiseName, CruiseNum, Archived) VALUES ('X', 5, 1)");
        CruisesDialog d(f.app);
        int saved = 0;
        QObject::connect(&d, &CruisesDialog::cruiseSaved, [&] { ++saved; });
        // "All Cruises" stays as it is.
        f.messages.expect(Answer::Ok, CruisesDialog::AllCruisesRefused);
        d.button("Edit")->click();
        QCOMPARE(d.cruises().state(), RecordSet::State::Browse);
        // A new cruise takes the number after the highest, not the row count.
        d.button("New")->click();
        d.nameBox()->setText("BAHAMAS");
        Q_EMIT d.nameBox()->textEdited("BAHAMAS");
        d.startBox()->setDate(QDate(2026, 3, 1));
        d.button("Save")->click();
        QCOMPARE(f.count("select CruiseNum from Cruises where CruiseName = 'BAHAMAS' and "
                         "BegDate = '2026-03-01'"),
                 6);
        // Renaming keeps the number.
        d.button("Edit")->click();
        d.nameBox()->setText("BAHAMAS 26");
        Q_EMIT d.nameBox()->textEdited("BAHAMAS 26");
        d.button("Save")->click();
        QCOMPARE(f.count("select CruiseNum from Cruises where CruiseName = 'BAHAMAS 26'"), 6);
        QCOMPARE(saved, 2);
        QVERIFY(f.messages.allAnswered());
    }

    void peopleOnTrip()
    {
        test::PageFixture f;
        f.log.exec("INSERT INTO TripLog (TripDate) VALUES ('2026-06-01')");
        f.log.exec("INSERT INTO Contact (Name, ContType, Date5, Archived) VALUES "
                   "('ANN', 3, '2030-01-31', 0), ('BOB', 3, NULL, 0), ('CID', 3, NULL, 1), "
                   "('DAN', 2, NULL, 0), ('EVE', 3, NULL, 0)");
        PeopleOnTripDialog crew(f.app, 1, 3, QDate(2026, 6, 1), "A", "B");
        QCOMPARE(crew.available().recordCount(), 4);
        f.messages.expect(Answer::Ok, PeopleOnTripDialog::NoSelection);
        crew.button("Add Person")->click();
        // Two chosen: the later in the list is added, passport expiry included.
        QItemSelectionModel* sel = crew.availableList()->selectionModel();
        const auto rowOf = [&](int r) { return crew.availableList()->model()->index(r, 0); };
        sel->select(rowOf(1), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        sel->select(rowOf(0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        crew.button("Add Person")->click();
        QCOMPARE(crew.button("Add Person")->isEnabled(), false);
        crew.button("Save Person")->click();
        QCOMPARE(f.count("select count(*) from TripCrews where Trips_ID = 1 and Name = 'BOB'"), 1);
        sel->clearSelection();
        sel->select(rowOf(0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        crew.button("Add Person")->click();
        crew.button("Save Person")->click();
        QCOMPARE(f.count("select count(*) from TripCrews where Name = 'ANN' and "
                         "PassExpDate = '2030-01-31'"),
                 1);
        // Add All Crew: the rest, without archived crew or those aboard.
        crew.button("Add All Crew")->click();
        QCOMPARE(f.count("select count(*) from TripCrews where Trips_ID = 1"), 3);
        QCOMPARE(f.count("select count(*) from TripCrews where Name = 'EVE'"), 1);

        PeopleOnTripDialog guests(f.app, 1, 2, QDate(2026, 6, 1), "A", "B");
        QVERIFY(guests.button("Add All Crew")->isHidden());
        QCOMPARE(guests.available().recordCount(), 1);
        QVERIFY(f.messages.allAnswered());
    }
};

QTEST_MAIN(TripTest)
#include "tst_trip.moc"
