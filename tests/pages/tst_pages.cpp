#include "PageFixture.h"

#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "logdb/TextMatch.h"
#include "pages/CommandGuard.h"
#include "pages/Csv.h"
#include "pages/RecordSetModel.h"
#include "pages/Selection.h"

#include <QAbstractItemModelTester>

using namespace hb;

class PagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchPlans_data()
    {
        QTest::addColumn<SearchInput>("input");
        QTest::addColumn<bool>("narrowed");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("params");

        const QDate d1(2020, 1, 1), d2(2020, 12, 31);
        SearchInput none;
        QTest::newRow("nothing entered") << none << false << QString() << QStringList();
        SearchInput early;
        early.ranges[0] = {true, QDate(1979, 12, 31), d2};
        QTest::newRow("range before 1980") << early << false << QString() << QStringList();
        SearchInput backwards;
        backwards.ranges[0] = {true, d2, d1};
        backwards.criteria[0] = "X";
        QTest::newRow("range ends before it starts")
            << backwards << false << QString() << QStringList();
        SearchInput unticked;
        unticked.ranges[0] = {false, d2, d1}; // not ticked: not looked at
        unticked.criteria[1] = "TAR";
        QTest::newRow("criterion only")
            << unticked << true
            << "select * from Inventory where (Archived = False) and InvType = :kind and "
               "hb_contains(Location, :text2)"
            << QStringList{":kind=2", ":text2=TAR"};
        SearchInput both;
        both.ranges[0] = {true, d1, d2};
        both.criteria[0] = "CHART";
        QTest::newRow("range and criterion")
            << both << true
            << "select * from Inventory where (Archived = False) and InvType = :kind and "
               "(date(InvDate) >= :from1 and date(InvDate) <= :to1) and hb_contains(ItemName, "
               ":text1) order by InvDate"
            << QStringList{":from1=2020-01-01", ":kind=2", ":text1=CHART", ":to1=2020-12-31"};
    }
    void searchPlans()
    {
        QFETCH(SearchInput, input);
        QFETCH(bool, narrowed);
        QFETCH(QString, sql);
        QFETCH(QStringList, params);
        const SearchSpec charts{nullptr,
                                {{"Order Dates", "InvDate"}},
                                {{"Description", "ItemName"}, {"location", "Location"}}};
        const SearchBase base{"Inventory", "Archived = False", "InvType", 2};
        const SearchPlan plan = buildSearch(base, charts, input);
        QCOMPARE(plan.outcome == SearchPlan::Outcome::Narrowed, narrowed);
        QCOMPARE(plan.selection.sql, sql);
        QStringList bound;
        for (auto it = plan.selection.params.cbegin(); it != plan.selection.params.cend(); ++it) {
            const QVariant v = it.value();
            bound << it.key() + u'=' +
                         (v.typeId() == QMetaType::QDate ? v.toDate().toString(Qt::ISODate)
                                                         : v.toString());
        }
        QCOMPARE(bound, params);
    }

    void sortToggle_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("next");
        QTest::newRow("first click") << ""
                                     << "WPName"
                                     << "WPName ASC";
        QTest::newRow("second click") << "WPName ASC"
                                      << "WPName"
                                      << "WPName DESC";
        QTest::newRow("third click") << "WPName DESC"
                                     << "WPName"
                                     << "WPName ASC";
        QTest::newRow("another column") << "WPName DESC"
                                        << "WPDate"
                                        << "WPDate ASC";
        QTest::newRow("a longer name is another column") << "ExpPayAmt ASC"
                                                         << "ExpPay"
                                                         << "ExpPay ASC";
    }
    void sortToggle()
    {
        QFETCH(QString, current);
        QFETCH(QString, column);
        QFETCH(QString, next);
        QCOMPARE(toggledSort(current, column), next);
    }

    void foldedMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("found");
        QTest::newRow("ascii") << "Port Louis"
                               << "LOUIS" << true;
        QTest::newRow("umlaut") << "Hafen Müller"
                                << "MÜLLER" << true;
        QTest::newRow("cyrillic") << "Одесса"
                                  << "ОДЕС" << true;
        QTest::newRow("not there") << "Port Louis"
                                   << "LUIS" << false;
        QTest::newRow("empty part") << "x"
                                    << "" << true;
    }
    void foldedMatch()
    {
        QFETCH(QString, text);
        QFETCH(QString, part);
        QFETCH(bool, found);
        QCOMPARE(containsFolded(text.toUtf8(), part.toUtf8()), found);
    }

    // Criteria are bound and matched as plain text: none of these characters means anything.
    void hostileSearchTexts_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("double quote") << "\"" << QStringList{"Say \"Hi\""};
        QTest::newRow("single quote") << "'" << QStringList{"O'Neil's"};
        QTest::newRow("percent") << "%" << QStringList{"100% sure"};
        QTest::newRow("underscore") << "_" << QStringList{"a_b"};
        QTest::newRow("backslash") << "\\" << QStringList{"c:\\dir"};
        QTest::newRow("sql") << "') OR 1=1 --" << QStringList{};
        QTest::newRow("capitals find any case") << "MÜLLER" << QStringList{"Müller Bay"};
    }
    void hostileSearchTexts()
    {
        QFETCH(QString, criterion);
        QFETCH(QStringList, found);
        test::PageFixture f;
        for (const char* name :
             {"Say \"Hi\"", "O'Neil's", "100% sure", "a_b", "c:\\dir", "Müller Bay", "plain"})
            f.log.exec("INSERT INTO Waypoints (WPName) VALUES (:n)",
                       {{":n", QString::fromUtf8(name)}});
        const SearchSpec spec{nullptr, {}, {{"WP Name", "WPName"}}};
        const SearchPlan plan = buildSearch({"Waypoints", "Archived = False", {}, 0}, spec,
                                            test::criteria({criterion}));
        QVERIFY(plan.outcome == SearchPlan::Outcome::Narrowed);
        RecordSet rs(f.log);
        rs.open(plan.selection.sql, plan.selection.params);
        QStringList names;
        for (int r = 0; r < rs.recordCount(); ++r)
            names << rs.valueAt(r, "WPName").toString();
        QCOMPARE(names, found);
    }

    // One model serves every list: it follows opening, adding, saving, cancelling, deleting,
    // sorting and reading again without ever being out of step with the set.
    void modelFollowsTheSet()
    {
        test::PageFixture f;
        for (int i = 0; i < 5; ++i)
            f.log.exec("INSERT INTO Waypoints (WPName, WPDate) VALUES (:n, :d)",
                       {{":n", QString("wp%1").arg(i)}, {":d", QDate(2020, 1, 1 + i)}});
        RecordSet rs(f.log);
        RecordSetModel model(rs, f.formats,
                             {{"WPName", "WP Name"},
                              {"WPDate", "Date", ColumnFormat::Date},
                              {"WPFish", "Fish", ColumnFormat::Check}});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rs.open("select * from Waypoints order by WPName");
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("1/2/2020"));
        QCOMPARE(model.data(model.index(1, 2), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        rs.moveTo(3);
        QVERIFY(rs.insert());
        QCOMPARE(model.rowCount(), 6);
        rs.setValue("WPName", "new");
        rs.post();
        QCOMPARE(model.data(model.index(2, 0)).toString(), QString("new"));
        QVERIFY(rs.append());
        QCOMPARE(model.rowCount(), 7);
        rs.cancel();
        QCOMPARE(model.rowCount(), 6);
        rs.remove();
        QCOMPARE(model.rowCount(), 5);
        QVERIFY(rs.sort("WPName DESC"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString("wp4"));
        QVERIFY(rs.requery());
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString("wp4")); // the sort stays
        rs.disableControls();
        rs.open("select * from Waypoints where WPName = 'wp0'");
        rs.enableControls();
        QCOMPARE(model.rowCount(), 1);
        rs.close();
        QCOMPARE(model.rowCount(), 0);
        // Reading another row leaves the current row where it is.
        rs.open("select * from Waypoints order by WPName");
        rs.moveTo(2);
        QCOMPARE(rs.valueAt(4, "WPDate").toDate(), QDate(2020, 1, 5));
        QCOMPARE(rs.recNo(), 2);
        QCOMPARE(model.exportText(0, 1), QString("2020-01-01"));
    }

    // An error inside a command ends that command only, with its text shown.
    void commandErrorsAreShown()
    {
        test::ScriptedMessages messages;
        messages.expect(Messages::Answer::Ok, "no such table: Nowhere");
        bool after = false;
        QVERIFY(!runCommand(messages, [&] {
            throw LogError("no such table: Nowhere");
            after = true;
        }));
        QVERIFY(!after);
        messages.expect(Messages::Answer::Ok, "std::bad_alloc");
        QVERIFY(!runCommand(messages, [] { throw std::bad_alloc(); }));
        QVERIFY(runCommand(messages, [] {}));
        QVERIFY(messages.allAnswered());
    }

    // Lists ordered by the log sort text without regard to case.
    void orderWithoutCase()
    {
        test::PageFixture f;
        for (const char* name : {"cherry", "Banana", "apple", "Éclair", "delta"})
            f.log.exec("INSERT INTO Waypoints (WPName) VALUES (:n)",
                       {{":n", QString::fromUtf8(name)}});
        RecordSet rs(f.log);
        rs.open("select * from Waypoints order by WPName COLLATE hb_nocase");
        QStringList names;
        for (int r = 0; r < rs.recordCount(); ++r)
            names << rs.valueAt(r, "WPName").toString();
        QCOMPARE(names, (QStringList{"apple", "Banana", "cherry", "delta", "Éclair"}));
    }

    void csvRecords_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringList{"a", "b"} << QByteArray("a,b\r\n");
        QTest::newRow("comma") << QStringList{"a,b", "c"} << QByteArray("\"a,b\",c\r\n");
        QTest::newRow("quote") << QStringList{"say \"hi\""} << QByteArray("\"say \"\"hi\"\"\"\r\n");
        QTest::newRow("line break")
            << QStringList{"one\ntwo", ""} << QByteArray("\"one\ntwo\",\r\n");
        QTest::newRow("utf-8") << QStringList{"Müller"} << QByteArray("M\xc3\xbcller\r\n");
    }
    void csvRecords()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, line);
        QCOMPARE(csvRecord(fields), line);
    }
};

HB_TEST_MAIN(PagesTest)
#include "tst_pages.moc"
