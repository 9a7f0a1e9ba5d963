#include "logdb/AggQuery.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"

#include "TestSupport.h"

#include <QTemporaryDir>

using namespace hb;

Q_DECLARE_METATYPE(std::function<void(RecordSet&)>)

namespace {

using Op = std::function<void(RecordSet&)>;

int rowCount(LogConnection& log, const char* table)
{
    return int(AggQuery(log, QStringLiteral("select count(*) as n from ") + QLatin1String(table))
                   .integer("n"));
}

} // namespace

class RecordSetTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    LogConnection m_log;

    // Three fuel stops, with keys 1 to 3.
    void resetFuel()
    {
        m_log.exec("DELETE FROM Fuel");
        m_log.exec("DELETE FROM sqlite_sequence WHERE name = 'Fuel'");
        m_log.exec("INSERT INTO Fuel (fuelDate, Location, Cost, Amount, Archived) VALUES "
                   "('2026-05-01', 'Dock', 1000000, 40.5, 0), "
                   "('2026-05-20', 'anchorage', 250000, 10, 0), "
                   "('2026-06-02', 'Marina', 1234500, 55.25, 1)");
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString path = m_dir.filePath("Test.mdb");
        QCOMPARE(CreateAccessDatabase(path), QString());
        CreateNewTables(path);
        m_log.open(path);
        m_log.exec("INSERT INTO BoatInfo (VesName) VALUES ('Seabird')");
    }

    void eventOrder_data()
    {
        QTest::addColumn<Op>("operations");
        QTest::addColumn<QString>("abortIn");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("rowsAfter");
        auto set = [](RecordSet& r) { r.setValue("Location", "Fuel dock"); };
        QTest::newRow("append, post")
            << Op([&](RecordSet& r) {
                   r.append();
                   set(r);
                   r.post();
               })
            << ""
            << "BeforeInsert AfterInsert AfterScroll BeforePost:3 AfterPost:4" << 4;
        QTest::newRow("edit, post") << Op([&](RecordSet& r) {
            r.edit();
            set(r);
            r.post();
        }) << ""
                                    << "BeforeEdit AfterEdit BeforePost:3 AfterPost:3" << 3;
        QTest::newRow("edit, cancel") << Op([&](RecordSet& r) {
            r.edit();
            set(r);
            r.cancel();
        }) << ""
                                      << "BeforeEdit AfterEdit AfterCancel" << 3;
        QTest::newRow("insert, cancel")
            << Op([](RecordSet& r) {
                   r.insert();
                   r.cancel();
               })
            << ""
            << "BeforeInsert AfterInsert AfterScroll AfterCancel AfterScroll" << 3;
        QTest::newRow("delete") << Op([](RecordSet& r) { r.remove(); }) << ""
                                << "BeforeDelete:3 AfterDelete:2 AfterScroll" << 2;
        QTest::newRow("moving posts the edit")
            << Op([&](RecordSet& r) {
                   r.edit();
                   set(r);
                   r.next();
               })
            << ""
            << "BeforeEdit AfterEdit BeforePost:3 AfterPost:3 AfterScroll" << 3;
        QTest::newRow("moving drops an untouched new row")
            << Op([](RecordSet& r) {
                   r.append();
                   r.last();
               })
            << ""
            << "BeforeInsert AfterInsert AfterScroll AfterCancel AfterScroll AfterScroll" << 3;
        QTest::newRow("abort insert") << Op([](RecordSet& r) { r.append(); }) << "BeforeInsert"
                                      << "BeforeInsert" << 3;
        QTest::newRow("abort edit") << Op([](RecordSet& r) { r.edit(); }) << "BeforeEdit"
                                    << "BeforeEdit" << 3;
        QTest::newRow("abort post") << Op([&](RecordSet& r) {
            r.edit();
            set(r);
            r.post();
        }) << "BeforePost"
                                    << "BeforeEdit AfterEdit BeforePost:3" << 3;
        QTest::newRow("abort delete") << Op([](RecordSet& r) { r.remove(); }) << "BeforeDelete"
                                      << "BeforeDelete:3" << 3;
    }
    void eventOrder()
    {
        QFETCH(Op, operations);
        QFETCH(QString, abortIn);
        QFETCH(QString, events);
        QFETCH(int, rowsAfter);
        resetFuel();
        RecordSet fuel(m_log);
        fuel.open("select * from Fuel order by Fuel_ID");
        QStringList seen;
        auto before = [&](const char* name, bool counted) {
            return [&, name, counted](RecordSet&) {
                seen << (counted ? QString("%1:%2").arg(name).arg(rowCount(m_log, "Fuel"))
                                 : QString(name));
                return abortIn == QLatin1String(name) ? RecordSet::Abort : RecordSet::Proceed;
            };
        };
        auto after = [&](const char* name, bool counted) {
            return [&, name, counted](RecordSet&) {
                seen << (counted ? QString("%1:%2").arg(name).arg(rowCount(m_log, "Fuel"))
                                 : QString(name));
            };
        };
        fuel.beforeInsert = before("BeforeInsert", false);
        fuel.beforeEdit = before("BeforeEdit", false);
        fuel.beforePost = before("BeforePost", true);
        fuel.beforeDelete = before("BeforeDelete", true);
        fuel.afterInsert = after("AfterInsert", false);
        fuel.afterEdit = after("AfterEdit", false);
        fuel.afterPost = after("AfterPost", true);
        fuel.afterCancel = after("AfterCancel", false);
        fuel.afterDelete = after("AfterDelete", true);
        fuel.afterScroll = after("AfterScroll", false);

        const QString locationBefore = fuel.text("Location");
        operations(fuel);
        QCOMPARE(seen.join(u' '), events);
        QCOMPARE(rowCount(m_log, "Fuel"), rowsAfter);
        QCOMPARE(fuel.recordCount(), rowsAfter);
        if (!abortIn.isEmpty()) {
            // An abort leaves the row, the state and the log as they were, silently.
            const auto expectedState =
                abortIn == "BeforePost" ? RecordSet::State::Edit : RecordSet::State::Browse;
            QCOMPARE(fuel.state(), expectedState);
            QCOMPARE(fuel.recNo(), 1);
            fuel.cancel();
            QCOMPARE(fuel.text("Location"), locationBefore);
        }
    }

    void typesRoundTripOrAreRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored"); // invalid: refused
        QTest::addColumn<QString>("readBack");
        const QString longName(26, u'x');
        QTest::newRow("text at its size") << "BoatInfo"
                                          << "VesName" << QVariant(QString(25, u'x'))
                                          << QVariant(QString(25, u'x')) << QString(25, u'x');
        QTest::newRow("text counts characters")
            << "BoatInfo"
            << "Rot1" << QVariant(QString::fromUtf8("\xc3\x86\xe2\x9a\x93"))
            << QVariant(QString::fromUtf8("\xc3\x86\xe2\x9a\x93"))
            << QString::fromUtf8("\xc3\x86\xe2\x9a\x93");
        QTest::newRow("text too long")
            << "BoatInfo"
            << "VesName" << QVariant(longName) << QVariant() << "CHECK constraint failed";
        QTest::newRow("smallint top") << "BoatInfo"
                                      << "EndHrs1" << QVariant(32767) << QVariant(32767) << "32767";
        QTest::newRow("smallint over")
            << "BoatInfo"
            << "EndHrs1" << QVariant(32768) << QVariant() << "CHECK constraint failed";
        QTest::newRow("smallint under")
            << "BoatInfo"
            << "StHrs1" << QVariant(-32769) << QVariant() << "CHECK constraint failed";
        QTest::newRow("smallint fraction")
            << "BoatInfo"
            << "NumCyl" << QVariant(4.5) << QVariant() << "cannot store REAL value";
        QTest::newRow("integer over") << "TripGuests"
                                      << "Trips_ID" << QVariant(qlonglong(2147483648LL))
                                      << QVariant() << "CHECK constraint failed";
        QTest::newRow("yes/no true") << "BoatInfo"
                                     << "PwrSail" << QVariant(true) << QVariant(1) << "True";
        QTest::newRow("yes/no two")
            << "BoatInfo"
            << "PwrSail" << QVariant(2) << QVariant() << "CHECK constraint failed";
        QTest::newRow("yes/no text")
            << "BoatInfo"
            << "PwrSail" << QVariant("maybe") << QVariant() << "cannot store TEXT value";
        QTest::newRow("money") << "Fuel"
                               << "Cost" << QVariant(12.35) << QVariant(123500) << "12.35";
        QTest::newRow("money from text") << "Fuel"
                                         << "Cost" << QVariant("0.1") << QVariant(1000) << "0.1";
        QTest::newRow("money with comma")
            << "Fuel"
            << "Cost" << QVariant("12,35") << QVariant() << "cannot store TEXT value";
        QTest::newRow("float") << "BoatInfo"
                               << "Length" << QVariant(12.5) << QVariant(12.5) << "12.5";
        QTest::newRow("float text")
            << "BoatInfo"
            << "Length" << QVariant("long") << QVariant() << "cannot store TEXT value";
        QTest::newRow("date") << "TripLog"
                              << "TripDate" << QVariant(QDate(2026, 6, 15))
                              << QVariant("2026-06-15") << "2026-06-15";
        QTest::newRow("time of day")
            << "TripLog"
            << "StartTime" << QVariant(QTime(14, 35)) << QVariant("14:35:00") << "14:35:00";
        QTest::newRow("date in another form")
            << "TripLog"
            << "TripDate" << QVariant("15/06/2026") << QVariant() << "CHECK constraint failed";
        QTest::newRow("memo") << "TripLog"
                              << "Notes" << QVariant(QString(100000, u'n'))
                              << QVariant(QString(100000, u'n')) << QString(100000, u'n');
    }
    void typesRoundTripOrAreRefused()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        QFETCH(QString, readBack);
        m_log.exec("INSERT INTO " + table + " DEFAULT VALUES");
        RecordSet set(m_log);
        set.open("select * from " + table);
        set.last();
        set.edit();
        set.setValue(column, value);
        if (!stored.isValid()) {
            try {
                set.post();
                QFAIL("value accepted");
            } catch (const LogError& e) {
                QVERIFY2(e.text().contains(readBack), qPrintable(e.text()));
            }
            // The row stays in edit with what was typed, ready to be corrected.
            QCOMPARE(set.state(), RecordSet::State::Edit);
            QVERIFY(set.storedValue(column).isValid());
            set.cancel();
            return;
        }
        set.post();
        RecordSet again(m_log);
        again.open("select * from " + table);
        again.last();
        QCOMPARE(again.storedValue(column), stored);
        QCOMPARE(again.text(column), readBack);
    }

    void typedAccessors()
    {
        resetFuel();
        RecordSet fuel(m_log);
        fuel.open("select * from Fuel order by Fuel_ID");
        QCOMPARE(fuel.money("Cost"), Money::fromUnits(1000000));
        QCOMPARE(fuel.number("Cost"), 100.0);
        QCOMPARE(fuel.value("Cost"), QVariant(100.0));
        QCOMPARE(fuel.date("fuelDate"), QDate(2026, 5, 1));
        QCOMPARE(fuel.value("FUELDATE"), QVariant(QDate(2026, 5, 1)));
        QCOMPARE(fuel.boolean("IsFull"), false);
        QCOMPARE(fuel.integer("Amount"), 41);
        QVERIFY(fuel.isNull("Notes"));
        QVERIFY(!fuel.date("Notes").isValid());
        fuel.edit();
        fuel.setValue("fuelDate", QDate(1899, 12, 30));
        QVERIFY(!fuel.date("fuelDate").isValid()); // the zero date is no date
        fuel.cancel();
        QVERIFY_THROWS_EXCEPTION(LogError, fuel.text("NoSuchColumn"));
        QVERIFY_THROWS_EXCEPTION(LogError, fuel.setValue("Location", "x")); // not in edit
        fuel.edit();
        QVERIFY_THROWS_EXCEPTION(LogError, fuel.setValue("Fuel_ID", 9));
        fuel.cancel();
    }

    void moneyAddsUpExactly()
    {
        m_log.exec("DELETE FROM Maint");
        RecordSet maint(m_log);
        maint.open("select * from Maint");
        LogConnection::Transaction batch(m_log);
        for (int i = 0; i < 1000; ++i) {
            maint.append();
            maint.setValue("Cost", i % 2 ? 0.1 : 12.35);
            maint.post();
        }
        batch.commit();
        const AggQuery sum(m_log, "select sum(Cost) as total, max(Cost) as top from Maint");
        QCOMPARE(sum.money("total"), Money::fromUnits(500 * 1000 + 500 * 123500));
        QCOMPARE(sum.money("total").toString(), QString("6225"));
        QCOMPARE(sum.money("top").toString(), QString("12.35"));
    }

    void aggregatesOverNoRowsReadZero()
    {
        const AggQuery q(m_log,
                         "select sum(TotTime) as totalHours, max(GenDt) as latest "
                         "from GenUse where GenSet = :set",
                         {{"set", 2}});
        QCOMPARE(q.number("totalHours"), 0.0);
        QCOMPARE(q.integer("TOTALHOURS"), 0);
        QCOMPARE(q.money("totalHours"), Money());
        QVERIFY(!q.value("latest").isValid());
        QVERIFY_THROWS_EXCEPTION(LogError, q.number("missing"));
        QVERIFY_THROWS_EXCEPTION(LogError, AggQuery(m_log, "select sum(x) from NoTable"));
    }

    void bookmarksSortAndReopen()
    {
        resetFuel();
        RecordSet fuel(m_log);
        fuel.open("select * from Fuel where Archived = false order by Fuel_ID");
        QCOMPARE(fuel.recordCount(), 2); // the archived stop is left out
        fuel.last();
        QCOMPARE(fuel.recNo(), 2);
        const RecordSet::Bookmark mark = fuel.bookmark();
        fuel.sort("Location ASC"); // without regard to case: anchorage before Dock
        QCOMPARE(fuel.text("Location"), QString("anchorage"));
        QCOMPARE(fuel.recNo(), 1);
        fuel.sort("Cost DESC, Location");
        QCOMPARE(fuel.recNo(), 2);
        fuel.first();
        QCOMPARE(fuel.text("Location"), QString("Dock"));
        QVERIFY(fuel.gotoBookmark(mark));
        QCOMPARE(fuel.text("Location"), QString("anchorage"));
        QVERIFY_THROWS_EXCEPTION(LogError, fuel.sort("Nowhere ASC"));

        // A statement with a named value and a date condition by calendar date.
        fuel.open(
            "select * from Fuel where fuelDate <= :day and Location <> :not order by fuelDate desc",
            {{"day", QDate(2026, 6, 2)}, {"not", "Dock"}});
        QCOMPARE(fuel.recordCount(), 2);
        QCOMPARE(fuel.text("Location"), QString("Marina"));
        QVERIFY(!fuel.gotoBookmark(mark)); // rows of an earlier reading are gone

        // Reading again keeps the current row.
        fuel.next();
        m_log.exec("UPDATE Fuel SET Notes = 'topped up' WHERE Location = 'anchorage'");
        fuel.requery();
        QCOMPARE(fuel.text("Notes"), QString("topped up"));
        QCOMPARE(fuel.recNo(), 2);

        // Walking with eof.
        QStringList walked;
        for (fuel.first(); !fuel.eof(); fuel.next())
            walked << fuel.text("Location");
        QCOMPARE(walked, QStringList({"Marina", "anchorage"}));
    }

    // A save refused by BeforePost stops whatever asked for it: nothing moves, sorts, inserts
    // or reads again, the row stays in edit with its values, and a cancel afterwards restores
    // that row (not another one).
    void refusedSaveStopsTheCommand_data()
    {
        QTest::addColumn<Op>("command");
        QTest::newRow("first") << Op([](RecordSet& r) { QVERIFY(!r.first()); });
        QTest::newRow("last") << Op([](RecordSet& r) { QVERIFY(!r.last()); });
        QTest::newRow("next") << Op([](RecordSet& r) { QVERIFY(!r.next()); });
        QTest::newRow("prior") << Op([](RecordSet& r) { QVERIFY(!r.prior()); });
        QTest::newRow("moveTo") << Op([](RecordSet& r) { QVERIFY(!r.moveTo(3)); });
        QTest::newRow("gotoBookmark") << Op([](RecordSet& r) {
            const RecordSet::Bookmark here = r.bookmark();
            r.cancel();
            r.first();
            const RecordSet::Bookmark there = r.bookmark();
            r.gotoBookmark(here);
            r.edit();
            r.setValue("Location", "Changed");
            QVERIFY(!r.gotoBookmark(there));
        });
        QTest::newRow("insert") << Op([](RecordSet& r) { QVERIFY(!r.insert()); });
        QTest::newRow("append") << Op([](RecordSet& r) { QVERIFY(!r.append()); });
        QTest::newRow("sort") << Op([](RecordSet& r) { QVERIFY(!r.sort("Location DESC")); });
        QTest::newRow("requery") << Op([](RecordSet& r) { QVERIFY(!r.requery()); });
        QTest::newRow("locate") << Op([](RecordSet& r) { QVERIFY(!r.locate("Fuel_ID", 1)); });
    }
    void refusedSaveStopsTheCommand()
    {
        QFETCH(Op, command);
        resetFuel();
        RecordSet fuel(m_log);
        fuel.open("select * from Fuel order by Fuel_ID");
        fuel.beforePost = [](RecordSet&) { return RecordSet::Abort; };
        fuel.moveTo(2);
        fuel.edit();
        fuel.setValue("Location", "Changed");
        command(fuel);
        QCOMPARE(fuel.state(), RecordSet::State::Edit);
        QCOMPARE(fuel.recNo(), 2);
        QCOMPARE(fuel.recordCount(), 3);
        QCOMPARE(fuel.text("Location"), QString("Changed"));
        fuel.cancel();
        QCOMPARE(fuel.text("Location"), QString("anchorage"));
        fuel.first();
        QCOMPARE(fuel.text("Location"), QString("Dock")); // the first row was never overwritten
    }

    // Keys survive a reopen; the sort text and the statement can be read back.
    void keysAndSelectionSurviveReopen()
    {
        resetFuel();
        RecordSet fuel(m_log);
        const Params params{{":min", 0}};
        fuel.open("select * from Fuel where Amount > :min order by Fuel_ID", params);
        fuel.moveTo(2);
        const QVariant key = fuel.key();
        QVERIFY(fuel.sort("Location DESC"));
        QCOMPARE(fuel.sortText(), QString("Location DESC"));
        // Text sorts without regard to case: "anchorage" comes after "Dock" going down.
        QCOMPARE(fuel.valueAt(0, "Location").toString(), QString("Marina"));
        QCOMPARE(fuel.valueAt(2, "Location").toString(), QString("anchorage"));
        fuel.open(fuel.sql(), fuel.params());
        QVERIFY(fuel.sortText().isEmpty());
        QVERIFY(fuel.locate("Fuel_ID", key));
        QCOMPARE(fuel.text("Location"), QString("anchorage"));
        QVERIFY(!fuel.locate("Fuel_ID", 99));
    }

    void readOnlyAndClosedSets()
    {
        resetFuel();
        RecordSet totals(m_log);
        totals.open("select Location, sum(Amount) as amount from Fuel group by Location");
        QCOMPARE(totals.recordCount(), 3);
        QVERIFY(totals.tableName().isEmpty());
        QVERIFY_THROWS_EXCEPTION(LogError, totals.edit());
        QVERIFY_THROWS_EXCEPTION(LogError, totals.open("select * from Nowhere"));
        QVERIFY(!totals.isOpen());

        // Closing the log closes its record sets.
        LogConnection other;
        other.open(m_log.path());
        RecordSet fuel(other);
        fuel.open("select * from Fuel");
        other.close();
        QVERIFY(!fuel.isOpen());
        QCOMPARE(fuel.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(LogError, fuel.open("select * from Fuel"));
    }

    void longNotesAreReadWhenUsed()
    {
        // Long memo texts are fetched on first use; edits, cancels and sorts see them whole.
        m_log.exec("DELETE FROM TripLog");
        const QString a(3000, u'a'), b(5000, u'b');
        m_log.exec("INSERT INTO TripLog (TripTo, Notes) VALUES ('One', :a), ('Two', :b), ('Three', "
                   "'short')",
                   {{"a", a}, {"b", b}});
        RecordSet trips(m_log);
        trips.open("select * from TripLog order by Trip_ID");
        trips.edit();
        trips.setValue("TripTo", "Uno");
        trips.post();
        QCOMPARE(AggQuery(m_log, "select length(Notes) as n from TripLog where TripTo = 'Uno'")
                     .integer("n"),
                 3000);
        trips.next();
        trips.edit();
        trips.setValue("Notes", QString(trips.text("Notes") + "!"));
        trips.cancel();
        QCOMPARE(trips.text("Notes"), b);
        trips.sort("Notes DESC");
        QCOMPARE(trips.text("TripTo"), QString("Two"));
        QCOMPARE(trips.recNo(), 2);
        trips.first();
        QCOMPARE(trips.text("TripTo"), QString("Three"));
        // A row removed elsewhere reads as empty rather than failing.
        RecordSet again(m_log);
        again.open("select * from TripLog order by Trip_ID");
        m_log.exec("DELETE FROM TripLog WHERE TripTo = 'Uno'");
        QVERIFY(again.isNull("Notes"));
    }

    void newRowsGetKeyAndDefaults()
    {
        resetFuel();
        RecordSet fuel(m_log);
        fuel.open("select * from Fuel order by Fuel_ID");
        fuel.moveTo(2);
        fuel.insert(); // before the current row
        QCOMPARE(fuel.recNo(), 2);
        fuel.setValue("Location", "Harbour");
        fuel.post();
        QCOMPARE(fuel.integer("Fuel_ID"), 4);
        QCOMPARE(fuel.storedValue("Archived"), QVariant(0));
        QCOMPARE(fuel.recordCount(), 4);
        fuel.remove();
        QCOMPARE(fuel.text("Location"), QString("anchorage"));
        QCOMPARE(rowCount(m_log, "Fuel"), 3);
    }
};

HB_TEST_MAIN(RecordSetTest)
#include "tst_recordset.moc"
