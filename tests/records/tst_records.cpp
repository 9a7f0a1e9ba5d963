#include "../pages/PageFixture.h"

#include "pages/DateBox.h"
#include "pages/EditBar.h"
#include "pages/LogList.h"
#include "pages/RecordSetModel.h"
#include "records/Gpx.h"
#include "records/Position.h"
#include "records/ProjectRules.h"
#include "records/ProjectsPage.h"
#include "records/WaypointsPage.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWheelEvent>

using namespace hb;
using Answer = Messages::Answer;

namespace {

using test::type;

void wheel(QWidget* list, int notches)
{
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->findChild<QWidget*>("qt_scrollarea_viewport") ?: list, &event);
}

struct WaypointsFixture : test::PageFixture
{
    WaypointsPage page{context};
    WaypointsFixture()
    {
        for (const auto& [name, lat, date] :
             {std::tuple{"Alpha", "48 07.04 N", QDate(2020, 3, 1)},
              std::tuple{"bravo", "09 30.00 S", QDate(2021, 3, 1)},
              std::tuple{"Charlie", "10 00.00 N", QDate(2019, 3, 1)}})
            log.exec("INSERT INTO Waypoints (WPName, WPLatt, WPLong, WPDate) VALUES "
                     "(:n, :lat, '011 31.00 E', :d)",
                     {{":n", name}, {":lat", lat}, {":d", date}});
        log.exec("INSERT INTO Waypoints (WPName, WPLatt, WPDate, Archived) VALUES "
                 "('Delta', '00 00.00 N', '2018-01-01', 1)");
        page.showStep();
        page.resize(1000, 700);
    }
    QStringList names()
    {
        QStringList n;
        for (int r = 0; r < page.query().recordCount(); ++r)
            n << page.query().valueAt(r, "WPName").toString();
        return n;
    }
    QPushButton* bar(const char* name) { return page.findChild<QPushButton*>(name); }
    QLineEdit* field(const char* name) { return page.findChild<QLineEdit*>(name); }
};

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void positions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("latitude");
        QTest::addColumn<QString>("stored");
        QTest::newRow("as shown") << "48 07.04 N" << true << "48 07.04 N";
        QTest::newRow("one degree digit, small s") << "9 7.04 s" << true << "09 07.04 S";
        QTest::newRow("degree and minute signs") << "48°07.04'N" << true << "48 07.04 N";
        QTest::newRow("whole minutes") << "48 07 N" << true << "48 07.00 N";
        QTest::newRow("longitude") << "11 31 e" << false << "011 31.00 E";
        QTest::newRow("empty stays empty") << "  " << true << "";
        QTest::newRow("an unfilled position is empty") << "   .   _" << true << "";
        QTest::newRow("blank in the first degree place") << " 9 07.04 S" << true << "09 07.04 S";
        QTest::newRow("rounding carries") << "48 59.999 N" << true << "49 00.00 N";
        QTest::newRow("pole") << "90 00.00 S" << true << "90 00.00 S";
        QTest::newRow("past the pole") << "90 00.01 N" << true << "!";
        QTest::newRow("minutes out of range") << "48 60.00 N" << true << "!";
        QTest::newRow("wrong hemisphere") << "48 07.04 E" << true << "!";
        QTest::newRow("longitude too large") << "181 00.00 W" << false << "!";
        QTest::newRow("not a position") << "abc" << true << "!";
    }
    void positions()
    {
        QFETCH(QString, typed);
        QFETCH(bool, latitude);
        QFETCH(QString, stored);
        const auto axis = latitude ? Axis::Latitude : Axis::Longitude;
        const std::optional<QString> got = normalisePosition(typed, axis);
        QCOMPARE(got.value_or("!"), stored);
        if (got && !got->isEmpty()) {
            // The stored text and decimal degrees go back and forth unchanged.
            QCOMPARE(positionText(*positionDegrees(*got, axis), axis), *got);
        }
    }

    void projectColours_data()
    {
        QTest::addColumn<int>("daysToGoal");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("colour");
        QTest::newRow("due today") << 0 << false << int(ProjectColour::Red);
        QTest::newRow("overdue") << -3 << false << int(ProjectColour::Red);
        QTest::newRow("in 1 day") << 1 << false << int(ProjectColour::Yellow);
        QTest::newRow("in 7 days") << 7 << false << int(ProjectColour::Yellow);
        QTest::newRow("in 8 days") << 8 << false << int(ProjectColour::None);
        QTest::newRow("completed, overdue") << -3 << true << int(ProjectColour::Aqua);
        QTest::newRow("no goal date") << 9999 << false << int(ProjectColour::Red);
    }
    void projectColours()
    {
        QFETCH(int, daysToGoal);
        QFETCH(bool, complete);
        QFETCH(int, colour);
        const QDate today(2026, 6, 15);
        const QDate goal = daysToGoal == 9999 ? QDate() : today.addDays(daysToGoal);
        QCOMPARE(int(projectColour(goal, complete, today)), colour);
    }

    void gpxRoundTrip()
    {
        std::vector<GpxWaypoint> points{{48.117333, 11.516667, "Anse <Marcel>", "Good & calm",
                                         QDateTime(QDate(2020, 5, 1), QTime(0, 0), Qt::UTC)},
                                        {-33.85, -151.2, "Ωμέγα", {}, {}}};
        const GpxRead back = readGpx(writeGpx(points));
        QCOMPARE(back.error, QString());
        QCOMPARE(back.waypoints.size(), size_t(2));
        QCOMPARE(back.waypoints[0].name, QString("Anse <Marcel>"));
        QCOMPARE(back.waypoints[0].desc, QString("Good & calm"));
        QCOMPARE(back.waypoints[0].time.date(), QDate(2020, 5, 1));
        QCOMPARE(back.waypoints[1].name, QString("Ωμέγα"));
        QVERIFY(qAbs(back.waypoints[1].longitude + 151.2) < 1e-6);
    }

    void hostileGpx_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("not xml") << QByteArray("hello");
        QTest::newRow("cut short") << QByteArray("<gpx><wpt lat='1' lon='2'><name>x</na");
        QTest::newRow("other root") << QByteArray("<kml><wpt lat='1' lon='2'/></kml>");
        QTest::newRow("entity expansion")
            << QByteArray("<?xml version='1.0'?><!DOCTYPE gpx [<!ENTITY a 'aaaaaaaaaa'>"
                          "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>]>"
                          "<gpx><wpt lat='1' lon='2'><name>&b;</name></wpt></gpx>");
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE gpx [<!ENTITY x SYSTEM 'file:///etc/passwd'>]>"
                          "<gpx><wpt lat='1' lon='2'><name>&x;</name></wpt></gpx>");
        QTest::newRow("latitude out of range")
            << QByteArray("<gpx><wpt lat='1' lon='2'/><wpt lat='91' lon='2'/></gpx>");
        QTest::newRow("no position") << QByteArray("<gpx><wpt lat='north' lon='2'/></gpx>");
        QTest::newRow("huge") << QByteArray(GpxMaxBytes + 1, ' ');
    }
    void hostileGpx()
    {
        QFETCH(QByteArray, file);
        const GpxRead read = readGpx(file);
        QVERIFY(!read.error.isEmpty());
        QVERIFY(read.waypoints.empty());
    }

    // A GPX file goes into the log in one transaction, or not at all.
    void gpxImportAndExport()
    {
        WaypointsFixture f;
        std::vector<GpxWaypoint> many;
        for (int i = 0; i < 1000; ++i)
            many.push_back({i * 0.05 - 25, i * 0.1 - 50, QString("WP%1").arg(i), {}, {}});
        const QString in = f.dir.filePath("in.gpx");
        test::writeFile(in, writeGpx(many));
        f.files.answer(in);
        f.messages.expect(Answer::Ok, "1000 waypoints were imported from " + in + ".");
        f.page.importGpx();
        QCOMPARE(f.count("select count(*) from Waypoints"), 1004);
        QCOMPARE(f.count("select count(*) from Waypoints where WPName = 'WP999' and "
                         "WPLatt = '24 57.00 N' and WPLong = '049 54.00 E' and WPDate = "
                         "'2026-06-15'"),
                 1);
        // One bad waypoint at the end: nothing of the file is added.
        many.push_back({95, 0, "bad", {}, {}});
        test::writeFile(in, writeGpx(many));
        f.files.answer(in);
        f.messages.expect(Answer::Ok);
        f.page.importGpx();
        QVERIFY(f.messages.texts().last().contains("nothing was added"));
        QCOMPARE(f.count("select count(*) from Waypoints"), 1004);
        // Export writes the rows listed.
        f.page.showStep();
        const QString out = f.dir.filePath("out.gpx");
        f.files.answer(out);
        f.messages.expect(Answer::Ok);
        f.page.exportGpx();
        const GpxRead back = readGpx(test::readFile(out));
        QCOMPARE(back.waypoints.size(), size_t(1003));
    }

    // The list: latitude text order, Show All by date, title clicks, the wheel.
    void waypointListOrderSortAndWheel()
    {
        WaypointsFixture f;
        QCOMPARE(f.names(), (QStringList{"bravo", "Charlie", "Alpha"}));
        f.page.showAllBox().click();
        QCOMPARE(f.names(), (QStringList{"Delta", "Charlie", "Alpha", "bravo"}));
        f.page.showAllBox().click();
        QHeaderView* header = f.page.list().horizontalHeader();
        auto click = [&](int section) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(section) + 5, 5));
        };
        click(0);
        QCOMPARE(f.names(), (QStringList{"Alpha", "bravo", "Charlie"}));
        QVERIFY(f.page.model().headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        click(0);
        QCOMPARE(f.names(), (QStringList{"Charlie", "bravo", "Alpha"}));
        click(0);
        QCOMPARE(f.names(), (QStringList{"Alpha", "bravo", "Charlie"}));
        click(14);
        QVERIFY(!f.page.model().headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(f.names(), (QStringList{"Charlie", "Alpha", "bravo"}));
        // The wheel moves one row per notch and stops at the ends.
        f.page.query().first();
        wheel(&f.page.list(), -1);
        QCOMPARE(f.page.query().recNo(), 2);
        QCOMPARE(f.field("WPName")->text(), QString("Alpha"));
        wheel(&f.page.list(), -5);
        QCOMPARE(f.page.query().recNo(), 3);
        wheel(&f.page.list(), 5);
        QCOMPARE(f.page.query().recNo(), 1);
    }

    // Adding and editing through the fields and the edit bar.
    void waypointEntry()
    {
        WaypointsFixture f;
        QVERIFY(f.field("WPName")->isReadOnly());
        QVERIFY(!f.page.latitudeBox()->isEnabled());
        f.bar("New")->click();
        QVERIFY(!f.bar("Save")->isHidden() && f.bar("New")->isHidden());
        QVERIFY(!f.page.list().isEnabled());
        QVERIFY(!f.page.showAllBox().isEnabled());
        type(f.field("WPName"), "Echo Bay with a name far too long");
        QCOMPARE(f.field("WPName")->text().size(), 25);
        type(f.page.latitudeBox(), "9 7.04 s");
        type(f.page.longitudeBox(), "181 00 E");
        f.messages.expect(Answer::Ok);
        f.bar("Save")->click();
        QVERIFY(f.messages.texts().last().startsWith("The longitude must be"));
        QVERIFY(f.page.editing());
        type(f.page.longitudeBox(), "1 2 w");
        f.bar("Save")->click();
        QVERIFY(!f.page.editing());
        QCOMPARE(f.count("select count(*) from Waypoints where WPLatt = '09 07.04 S' and "
                         "WPLong = '001 02.00 W' and WPDate = '2026-06-15' and WPName = "
                         "'Echo Bay with a name far '"),
                 1);
        // Editing later keeps the date it was entered on; an emptied position is stored empty.
        f.clock.set(QDateTime(QDate(2026, 7, 1), QTime(9, 0)));
        QVERIFY(f.page.query().locate("WPName", "Alpha"));
        f.bar("Edit")->click();
        type(f.page.latitudeBox(), "");
        f.page.latitudeBox()->clear();
        f.bar("Save")->click();
        QCOMPARE(f.count("select count(*) from Waypoints where WPName = 'Alpha' and WPDate = "
                         "'2020-03-01' and WPLatt is null"),
                 1);
        // Delete asks first; No keeps the row.
        f.messages.expect(Answer::No, WaypointsPage::DeleteQuestion);
        f.bar("Delete")->click();
        QCOMPARE(f.count("select count(*) from Waypoints"), 5);
        f.messages.expect(Answer::Yes, WaypointsPage::DeleteQuestion);
        f.bar("Delete")->click();
        QCOMPARE(f.count("select count(*) from Waypoints"), 4);
    }

    // The leave question: No drops the change, Yes saves it, a refused save keeps the page.
    void leaveQuestion()
    {
        WaypointsFixture f;
        const QString question = LogPage::leaveQuestion("WP");
        QCOMPARE(question, QString("Would you like to save your changes before\r\n"
                                   "              leaving the WP log?"));
        f.bar("New")->click();
        type(f.field("WPName"), "Dropped");
        f.messages.expect(Answer::No, question);
        QVERIFY(f.page.leaveStep());
        QCOMPARE(f.count("select count(*) from Waypoints where WPName = 'Dropped'"), 0);
        f.bar("New")->click();
        type(f.field("WPName"), "Kept");
        f.messages.expect(Answer::Yes, question);
        QVERIFY(f.page.leaveStep());
        QCOMPARE(f.count("select count(*) from Waypoints where WPName = 'Kept'"), 1);
        f.bar("New")->click();
        type(f.field("WPName"), "Bad");
        type(f.page.latitudeBox(), "99 00 N");
        f.messages.expect(Answer::Yes, question);
        f.messages.expect(Answer::Ok); // the latitude is refused
        QVERIFY(!f.page.leaveStep());
        QVERIFY(f.page.editing());
        QCOMPARE(f.field("WPName")->text(), QString("Bad"));
        QVERIFY(f.messages.allAnswered());
        // Not editing: nothing is asked.
        f.bar("Cancel")->click();
        QVERIFY(f.page.leaveStep());
    }

    void waypointSearch()
    {
        WaypointsFixture f;
        QVERIFY(f.page.offersSearch());
        // An empty search shows everything again and ends the search.
        f.search.answers.push_back(test::criteria({}));
        f.messages.expect(Answer::Ok, "Now showing ALL records, editing is enabled!");
        f.page.search();
        QCOMPARE(f.search.asked, QString("Search Waypoints"));
        QVERIFY(!f.host.active && !f.host.searching);
        QCOMPARE(f.names().size(), 3);
        // No match: the list is whole again and the search stays on until cancelled.
        f.search.answers.push_back(test::criteria({"ZULU"}));
        f.messages.expect(Answer::Ok, "No records match that criteria!");
        f.page.search();
        QVERIFY(f.host.active);
        QCOMPARE(f.names().size(), 3);
        // A row added meanwhile is asked about before the list is read again.
        f.bar("New")->click();
        type(f.field("WPName"), "Foxtrot");
        f.messages.expect(Answer::Yes, LogPage::leaveQuestion("WP"));
        f.messages.expect(Answer::Ok, "Now showing ALL records, editing is enabled!");
        f.page.cancelSearch();
        QVERIFY(!f.host.active);
        QCOMPARE(f.names().size(), 4);
        QVERIFY(f.page.query().locate("WPName", "Foxtrot"));
        f.messages.expect(Answer::Yes, WaypointsPage::DeleteQuestion);
        f.bar("Delete")->click();
        // A match: only those rows, no changes until the search is cancelled.
        f.search.answers.push_back(test::criteria({"BRAV"}));
        f.messages.expect(Answer::Ok,
                          "                 Now only showing records that match that criteria!");
        f.page.search();
        QCOMPARE(f.names(), QStringList{"bravo"});
        QVERIFY(f.host.active && f.host.searching);
        QVERIFY(!f.bar("New")->isEnabled() && !f.bar("Edit")->isEnabled() &&
                !f.bar("Delete")->isEnabled() && !f.page.showAllBox().isEnabled());
        QVERIFY(f.bar("First")->isEnabled());
        f.messages.expect(Answer::Ok, "Now showing ALL records, editing is enabled!");
        f.page.cancelSearch();
        QVERIFY(f.bar("New")->isEnabled());
        QCOMPARE(f.names().size(), 3);
        // No search while a row is edited.
        f.bar("Edit")->click();
        f.messages.expect(Answer::Ok,
                          "You can NOT search when you are\r\n      adding or editing a record!");
        f.page.search();
        QVERIFY(!f.host.active);
    }

    void csvExport()
    {
        WaypointsFixture f;
        const QString out = f.dir.filePath("list");
        f.files.answer(out);
        f.page.exportCsv();
        const QList<QByteArray> lines = test::readFile(out + ".csv").split('\n');
        QVERIFY(lines[0].startsWith("WP Name,Latitude,Longitude,Description,"));
        QVERIFY(lines[1].startsWith("bravo,09 30.00 S,011 31.00 E,,"));
        QVERIFY(lines[1].contains(",No,No,No,No,No,2021-03-01,No\r"));
        QCOMPARE(lines.size(), 5); // header, three rows, and the end
    }

    void projects()
    {
        test::PageFixture f;
        const QDate today = f.clock.today();
        f.log.exec("INSERT INTO Project (Title, GoalDT, Priority, Complete) VALUES "
                   "('Paint', :g1, 2, 0), ('Rig', :g2, 1, 0), ('Done', :g3, 1, 1)",
                   {{":g1", today.addDays(10)}, {":g2", today}, {":g3", today.addDays(3)}});
        ProjectsPage page(f.context);
        page.showStep();
        auto titles = [&] {
            QStringList t;
            for (int r = 0; r < page.query().recordCount(); ++r)
                t << page.query().valueAt(r, "Title").toString();
            return t;
        };
        // By goal date, priority, completion.
        QCOMPARE(titles(), (QStringList{"Rig", "Done", "Paint"}));
        QCOMPARE(page.model().data(page.model().index(0, 0), Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 0, 0));
        QCOMPARE(page.model().data(page.model().index(1, 0), Qt::BackgroundRole).value<QColor>(),
                 QColor(0, 255, 255));
        // A new project saved without touching start and finish keeps them empty.
        page.findChild<QPushButton*>("New")->click();
        QCOMPARE(page.goalBox()->date(), today.addDays(1));
        type(page.titleBox(), QString(45, u'x'));
        QCOMPARE(page.titleBox()->text().size(), 40);
        page.priorityBox()->setValue(3);
        page.findChild<QPushButton*>("Save")->click();
        QVERIFY(!page.editing());
        QCOMPARE(f.count("select count(*) from Project where length(Title) = 40 and StartDt is "
                         "null and EndDt is null and Priority = 3 and SubDT = :t",
                         {{":t", today}}),
                 1);
        QCOMPARE(page.titleBox()->text().size(), 40); // the saved row is current
        // Archive all completed: asked, done, and the list follows the Show All box.
        page.showAllBox().click();
        QCOMPARE(titles().size(), 4);
        f.messages.expect(Answer::Ok, ProjectsPage::ArchiveQuestion);
        page.ArchCompBtnClick();
        QCOMPARE(f.count("select count(*) from Project where Archived = 1"), 1);
        QCOMPARE(titles().size(), 4); // Show All is still ticked
        page.showAllBox().click();
        QCOMPARE(titles().size(), 3);
        // Not while a row is edited.
        page.findChild<QPushButton*>("Edit")->click();
        QVERIFY(!page.findChild<QPushButton*>("Archive ALL Completed")->isEnabled());
        page.ArchCompBtnClick(); // nothing asked
        page.findChild<QPushButton*>("Cancel")->click();
    }

    // Enter and Shift+Enter move between fields; number fields take only what they can hold.
    void fieldKeys()
    {
        WaypointsFixture f;
        f.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        f.bar("New")->click();
        QLineEdit* name = f.field("WPName");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.page.latitudeBox());
        QTest::keyClick(f.page.latitudeBox(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), name);
        QLineEdit* depth = f.field("WPDepth");
        depth->setFocus();
        QTest::keyClicks(depth, "1a2.-3x");
        QCOMPARE(depth->text(), QString("12-3"));
        f.bar("Cancel")->click();
    }

    // Every control is named for screen readers, the edit bar's buttons by their captions.
    void controlsHaveNames()
    {
        WaypointsFixture f;
        for (const char* name : {"First", "Last", "New", "Delete", "Edit", "Save", "Cancel"})
            QCOMPARE(f.bar(name)->accessibleName(), QString::fromLatin1(name));
        for (QWidget* w : f.page.findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                qobject_cast<QPushButton*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
                if (w->parentWidget() && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                    continue; // the line edit inside a date box
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            }
        }
        QCOMPARE(f.page.list().accessibleName(), QString("Waypoints"));
    }
};

HB_TEST_MAIN(RecordsTest)
#include "tst_records.moc"
