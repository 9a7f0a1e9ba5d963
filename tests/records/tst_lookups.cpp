#include "../pages/PageFixture.h"

#include "pages/EditBar.h"
#include "pages/LookupBox.h"
#include "pages/Lookups.h"
#include "records/LookupEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace hb;
using Answer = Messages::Answer;

class LookupsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lengths_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("targetTable");
        QTest::addColumn<QString>("targetColumn");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("editor");
        // "CREDIT CARD" fits the payment list (20) but not the expense column (10).
        QTest::newRow("pay types") << "Exp_PayTypes"
                                   << "PayType"
                                   << "Expenses"
                                   << "ExpType" << 10 << 10;
        QTest::newRow("expense categories") << "ExpCat"
                                            << "ExpCat"
                                            << "Expenses"
                                            << "ExpCat" << 30 << 30;
        QTest::newRow("lockers, wider column") << "Locations"
                                               << "Location"
                                               << "Inventory"
                                               << "Location" << 30 << 30;
        QTest::newRow("components") << "Systems"
                                    << "System"
                                    << "SchedMaint"
                                    << "Sched_VesselSys" << 25 << 25;
    }
    void lengths()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, targetTable);
        QFETCH(QString, targetColumn);
        QFETCH(int, box);
        QFETCH(int, editor);
        QCOMPARE(lookupMaxLength(table, column, targetTable, targetColumn), box);
        QCOMPARE(lookupEntryLimit(*findLookupTable(table)), editor);
    }

    void components_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("twin");
        QTest::addColumn<int>("component");
        QTest::newRow("engine") << "MAIN ENGINE" << true << int(Component::Engine1);
        QTest::newRow("stbd engine") << "STBD ENGINE" << true << int(Component::Engine2);
        QTest::newRow("stbd, one engine") << "STBD ENGINE" << false << int(Component::Engine1);
        QTest::newRow("contains generator")
            << "GENERATOR IMPELLER" << false << int(Component::Generator1);
        QTest::newRow("generator two") << "GENERATOR TWO" << false << int(Component::Generator2);
        QTest::newRow("gen set") << "GEN SET" << false << int(Component::Generator1);
        QTest::newRow("other") << "WINDLASS" << true << int(Component::Other);
    }
    void components()
    {
        QFETCH(QString, text);
        QFETCH(bool, twin);
        QFETCH(int, component);
        QCOMPARE(int(componentOf(text, twin)), component);
    }

    // The exit check: capitals, the add question, adding, and a failed add.
    void exitCheck()
    {
        test::PageFixture f;
        f.log.exec("insert into Locations (Location) values ('FWD LOCKER')");
        f.log.exec("insert into Locations (Location) values ('Bilge')");
        LookupBox box(f.app, {"Locations", "Location", "Inventory", "Location",
                              LookupBinding::Check::Inventory});
        box.refill();
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.maxLength(), 30);

        // The same name in lower case selects the entry and asks nothing.
        box.setEditText("fwd locker");
        box.exitCheck();
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(box.currentText(), QString("FWD LOCKER"));
        QVERIFY(f.messages.shown().empty());

        // A mixed-case entry is compared in capitals: the question comes; No keeps the text.
        f.messages.expect(Answer::No, LookupBox::AddQuestion);
        box.setEditText("Bilge");
        box.exitCheck();
        QCOMPARE(box.currentText(), QString("BILGE"));
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(f.count("select count(*) from Locations"), 2);

        // Yes adds it and selects it as the last entry.
        f.messages.expect(Answer::Yes, LookupBox::AddQuestion);
        box.exitCheck();
        QCOMPARE(f.count("select count(*) from Locations where Location = 'BILGE'"), 1);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.currentIndex(), 2);

        // Nothing typed is not offered for adding.
        f.messages.clear();
        box.setEditText("");
        box.exitCheck();
        QVERIFY(f.messages.shown().empty());
        QVERIFY(f.messages.allAnswered());
    }

    void failedAdd()
    {
        test::PageFixture f;
        LookupBox box(f.app, {"Systems", "System", "Maint", "VesselSys"});
        box.refill();
        f.log.exec("drop table Systems");
        f.messages.expect(Answer::Yes, LookupBox::AddQuestion);
        f.messages.expect(Answer::Ok, LookupBox::AddFailed);
        box.setEditText("windlass");
        box.exitCheck();
        QCOMPARE(box.currentText(), QString("WINDLASS"));
        QVERIFY(f.messages.allAnswered());
    }

    // The box takes no more than the target column: a payment type of 11 letters is cut at 10.
    void typingStopsAtTheSmallerColumn()
    {
        test::PageFixture f;
        LookupBox box(f.app, {"Exp_PayTypes", "PayType", "Expenses", "ExpType"});
        box.refill();
        QTest::keyClicks(box.lineEdit(), "credit card");
        QCOMPARE(box.currentText(), QString("credit car"));
    }

    void editor()
    {
        test::PageFixture f;
        LookupEditor editor(f.app);
        QVERIFY(editor.LookupEditShow("Exp_PayTypes"));
        QCOMPARE(editor.tableBox()->currentText(), QString("Expense Pay Types"));
        QCOMPARE(editor.entryField()->maxLength(), 10);
        const int before = f.count("select count(*) from Exp_PayTypes");
        editor.editBar()->button(EditBar::New)->click();
        QTest::keyClicks(editor.entryField(), "cheque");
        QVERIFY(editor.saveEntry());
        QCOMPARE(f.count("select count(*) from Exp_PayTypes where PayType = 'CHEQUE'"), 1);
        QCOMPARE(f.count("select count(*) from Exp_PayTypes"), before + 1);

        // An empty entry is refused and stays in edit.
        editor.editBar()->button(EditBar::New)->click();
        f.messages.expect(Answer::Ok);
        QVERIFY(!editor.saveEntry());
        QVERIFY(editor.editing());
        editor.cancelEntry();

        // Choosing another list opens it; an unknown name opens the first.
        editor.tableBox()->setCurrentIndex(9);
        Q_EMIT editor.tableBox()->activated(9);
        QCOMPARE(editor.currentTable(), QString("RemType"));
        QVERIFY(editor.LookupEditShow("NoSuchTable"));
        QCOMPARE(editor.currentTable(), QString("Locations"));
        QVERIFY(f.messages.allAnswered());
    }
};

QTEST_MAIN(LookupsTest)
#include "tst_lookups.moc"
