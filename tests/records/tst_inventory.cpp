#include "../pages/PageFixture.h"

#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/LookupBox.h"
#include "pages/RecordSetModel.h"
#include "records/InventoryKinds.h"
#include "records/InventoryPage.h"
#include "records/ShopList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace hb;
using Answer = Messages::Answer;

namespace {

using test::type;

struct InventoryFixture : test::PageFixture
{
    InventoryFixture()
    {
        // Two of each kind, one of them archived, named after the kind; a book and a chart
        // share a publisher so that a search for it matches both kinds.
        for (int type = 1; type <= 6; ++type) {
            for (int n = 0; n < 2; ++n)
                log.exec("INSERT INTO Inventory (ItemName, InvType, InvTxtFld1, InvNumFld3, "
                         "Archived) VALUES (:n, :t, 'NAUTIC PRESS', 3, :a)",
                         {{":n", QStringLiteral("Kind%1 item%2").arg(type).arg(n)},
                          {":t", type},
                          {":a", n == 1}});
        }
    }
    QStringList names(InventoryPage& page)
    {
        QStringList n;
        for (int r = 0; r < page.query().recordCount(); ++r)
            n << page.query().valueAt(r, "ItemName").toString();
        return n;
    }
    int shopRows(const QString& name)
    {
        return count("select count(*) from ShopList where ItemName = :n", {{":n", name}});
    }
};

} // namespace

class InventoryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each kind's texts, boxes and list come from its table entry; a few rows checked against
    // the kinds' own documentation.
    void kindTable_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("gridTitle");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("shopDescription");
        QTest::newRow("general") << 1 << "General Inventory"
                                 << "Archive Inventory Item?"
                                 << "InvTxtFld1"
                                 << "System" << 20 << "Catagory"
                                 << "System" << QString();
        QTest::newRow("charts") << 2 << "Chart Inventory"
                                << "Archive Current Chart?"
                                << "InvTxtFld6"
                                << "Catalog Num." << 15 << "Catalog Num"
                                << "Publisher"
                                << "InvTxtFld2";
        QTest::newRow("videos") << 3 << "Video Inventory"
                                << "Archive Current Video?"
                                << "InvTxtFld6"
                                << "Runtime" << 15 << "Run Time"
                                << "Stars"
                                << "InvTxtFld2";
        QTest::newRow("audios") << 4 << "Audio Inventory"
                                << "Archive Current Audio?"
                                << "InvTxtFld6"
                                << "Tracks" << 5 << "Tracks"
                                << "Artist"
                                << "InvTxtFld1";
        QTest::newRow("books") << 5 << "Book Inventory"
                               << "Archive Current Book?"
                               << "InvTxtFld1"
                               << "Author" << 25 << "Author"
                               << "Author"
                               << "InvTxtFld1";
        QTest::newRow("galley") << 6 << "Galley Inventory"
                                << "Archive Current Galley Item?"
                                << "InvTxtFld5"
                                << "Aisle" << 15 << "Aisle"
                                << "Brand"
                                << "InvTxtFld1";
    }
    void kindTable()
    {
        QFETCH(int, type);
        QFETCH(QString, heading);
        QFETCH(QString, archive);
        QFETCH(QString, column);
        QFETCH(QString, caption);
        QFETCH(int, maxLength);
        QFETCH(QString, gridTitle);
        QFETCH(QString, criterion);
        QFETCH(QString, shopDescription);
        InventoryFixture f;
        const InventoryKind& kind = inventoryKind(type);
        InventoryPage page(f.context, kind.page);
        page.showStep();
        QCOMPARE(page.spec().title, heading);
        QCOMPARE(f.host.status, QString::fromLatin1(kind.statusText));
        QVERIFY(page.findChild<QCheckBox*>("Archived"));
        QCOMPARE(page.findChild<QCheckBox*>("Archived")->text(), archive);
        QWidget* box = page.box(column);
        QVERIFY(box);
        QCOMPARE(box->accessibleName(), caption);
        auto* line = qobject_cast<QLineEdit*>(box);
        const int taken =
            line ? line->maxLength() : static_cast<QComboBox*>(box)->lineEdit()->maxLength();
        QCOMPARE(taken, maxLength);
        QStringList titles;
        for (const ListColumn& c : page.spec().columns)
            titles << c.title;
        QVERIFY2(titles.contains(gridTitle), qPrintable(titles.join(", ")));
        QStringList criteria;
        for (const SearchField& s : page.spec().search->criteria)
            criteria << QString::fromLatin1(s.caption);
        QVERIFY(criteria.contains(criterion));
        QCOMPARE(page.spec().searchBase.kind, type);
        QCOMPARE(QString::fromLatin1(kind.shop.description), shopDescription);
        // Only this kind's rows not archived, and buttons to the other five kinds.
        QCOMPARE(f.names(page), QStringList{QStringLiteral("Kind%1 item0").arg(type)});
        int buttons = 0;
        for (const InventoryKind& other : inventoryKinds())
            buttons +=
                page.findChild<QPushButton*>(QString::fromLatin1(other.buttonCaption)) != nullptr;
        QCOMPARE(buttons, 5);
        QCOMPARE(page.list().toolTip(), QString::fromLatin1(kind.listHint));
        QCOMPARE(page.spec().wheelMoves, type != 6);
    }

    void showAllAndSearchKeepToTheKind()
    {
        InventoryFixture f;
        InventoryPage charts(f.context, Page::Charts);
        charts.showStep();
        charts.showAllBox().click();
        QCOMPARE(f.names(charts), (QStringList{"Kind2 item0", "Kind2 item1"}));
        charts.showAllBox().click();
        QCOMPARE(f.names(charts), QStringList{"Kind2 item0"});
        // A publisher a book has too: the chart search lists only charts.
        f.search.answers.push_back(test::criteria({{}, {}, "NAUTIC"}));
        f.messages.expect(Answer::Ok);
        charts.search();
        QCOMPARE(f.names(charts), QStringList{"Kind2 item0"});
        QCOMPARE(f.messages.shown().back().text,
                 "                 Now only showing records that match that criteria!");
    }

    // A new row takes the page's kind and the order defaults; editing an ordered item keeps
    // its order flag and date.
    void newAndEditDefaults()
    {
        InventoryFixture f;
        f.log.exec("INSERT INTO Inventory (ItemName, InvType, InvTF1, InvDate) VALUES "
                   "('Ordered chart', 2, 1, '2025-01-02')");
        InventoryPage page(f.context, Page::Charts);
        page.showStep();
        page.newRow();
        auto* date = static_cast<DateBox*>(page.box("InvDate"));
        QCOMPARE(date->dateOrNone(), f.clock.today());
        QVERIFY(!page.shopListBox()->isEnabled());
        type(page.box("ItemName"), "New chart");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select InvType from Inventory where ItemName = 'New chart'"), 2);
        QCOMPARE(f.count("select count(*) from Inventory where ItemName = 'New chart' and "
                         "InvDate = '2026-06-15' and InvTF1 = 0"),
                 1);
        QVERIFY(page.query().locate("ItemName", "Ordered chart"));
        page.editRow();
        QCOMPARE(date->dateOrNone(), QDate(2025, 1, 2));
        type(page.box("InvTxtFld8"), "3rd");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Inventory where ItemName = 'Ordered chart' and "
                         "InvTF1 = 1 and InvDate = '2025-01-02' and InvTxtFld8 = '3rd'"),
                 1);
    }

    // Saving with "Add To Shopping List?" ticked adds the item once, mapped by its kind; a name
    // the list cannot keep is told and the item is still saved.
    void handOffOnSave()
    {
        InventoryFixture f;
        f.log.exec("INSERT INTO Inventory (ItemName, InvType, InvTxtFld2, InvTxtFld3, InvTxtFld4, "
                   "InvNumFld3) VALUES ('Master and Commander', 3, 'ADVENTURE', 'DVD', 'Shop A', "
                   "2)");
        InventoryPage page(f.context, Page::Videos);
        page.showStep();
        QVERIFY(page.query().locate("ItemName", "Master and Commander"));
        QVERIFY(!page.shopListBox()->isChecked());
        for (int i = 0; i < 2; ++i) {
            page.shopListBox()->click();
            page.editRow();
            QVERIFY(page.saveRow());
            QVERIFY(page.shopListBox()->isChecked()); // it is on the list now
        }
        QCOMPARE(f.count("select count(*) from ShopList where ItemName = 'Master and Commander' "
                         "and Description = 'ADVENTURE' and ItemSize = 'DVD' and NumItems = 2 "
                         "and Vendor = 'Shop A' and Archived = 0"),
                 1);

        const QString longName = QString(40, u'x');
        page.newRow();
        type(page.box("ItemName"), longName);
        page.editRow(); // nothing: already adding
        QVERIFY(page.saveRow());
        QVERIFY(page.query().locate("ItemName", longName));
        page.shopListBox()->click();
        page.editRow();
        f.messages.expect(Answer::Ok);
        QVERIFY(page.saveRow());
        QVERIFY(f.messages.shown().back().text.contains("longer than the 30 characters"));
        QCOMPARE(f.count("select count(*) from Inventory where ItemName = :n", {{":n", longName}}),
                 1);
        QCOMPARE(f.shopRows(longName), 0);
        QVERIFY(!page.editing());
        QVERIFY(page.query().locate("ItemName", "Master and Commander"));
    }

    // The chart page's tick adds at once; unticking asks before removing.
    void chartTick()
    {
        InventoryFixture f;
        f.log.exec("INSERT INTO Inventory (ItemName, InvType, InvTxtFld2, InvTxtFld4, InvNumFld3) "
                   "VALUES ('Biscay', 2, 'EUROPE', 'Chandler', 1)");
        InventoryPage page(f.context, Page::Charts);
        page.showStep();
        QVERIFY(page.query().locate("ItemName", "Biscay"));
        page.shopListBox()->click();
        QCOMPARE(f.count("select count(*) from ShopList where ItemName = 'Biscay' and "
                         "Description = 'Chart' and ItemSize = 'EUROPE' and NumItems = 1 and "
                         "Vendor = 'Chandler' and OnList = 1"),
                 1);
        f.messages.expect(Answer::No, "Remove \"Biscay\" from the shopping list?");
        page.shopListBox()->click();
        QVERIFY(page.shopListBox()->isChecked());
        QCOMPARE(f.shopRows("Biscay"), 1);
        // A name on the list in other letters is the same item.
        f.log.exec("UPDATE ShopList SET ItemName = 'BISCAY'");
        f.messages.expect(Answer::Yes);
        page.shopListBox()->click();
        QCOMPARE(f.shopRows("BISCAY"), 0);
        QVERIFY(f.messages.allAnswered());
    }

    // "On Order" and "Received" of the general inventory.
    void generalOrdering()
    {
        InventoryFixture f;
        f.log.exec("INSERT INTO Inventory (ItemName, InvType, InvTF2, InvNumFld3, InvDate, "
                   "InvShipDate) VALUES ('Impeller', 1, 1, 2, '2026-05-01', '2026-05-03')");
        InventoryPage page(f.context, Page::InvTab);
        page.showStep();
        QVERIFY(page.query().locate("ItemName", "Impeller"));
        auto* onOrder = static_cast<QCheckBox*>(page.box("InvTF2"));
        // While browsing neither control changes anything.
        QVERIFY(!onOrder->isEnabled());
        QVERIFY(!page.receivedButton()->isEnabled());
        page.receiveBtnClick();
        QCOMPARE(f.count("select InvNumFld3 from Inventory where ItemName = 'Impeller'"), 2);

        page.editRow();
        QVERIFY(page.receivedButton()->isEnabled());
        page.receivedButton()->click();
        QVERIFY(!onOrder->isChecked());
        QVERIFY(!page.receivedButton()->isEnabled());
        QCOMPARE(static_cast<QLineEdit*>(page.box("InvNumFld3"))->text(), "0");
        QVERIFY(static_cast<DateBox*>(page.box("InvShipDate"))->isNone());
        onOrder->click();
        QVERIFY(page.receivedButton()->isEnabled());
        QCOMPARE(static_cast<QLineEdit*>(page.box("InvNumFld3"))->text(), "1");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Inventory where ItemName = 'Impeller' and "
                         "InvTF2 = 1 and InvNumFld3 = 1 and InvDate is null and InvShipDate "
                         "is null"),
                 1);
        QCOMPARE(page.totalItems()->text(), "2");
    }

    // The supplier box offers suppliers before service providers and takes what the column
    // holds; a cost is kept as typed.
    void supplierAndCost()
    {
        InventoryFixture f;
        for (const auto& [name, kind] : {std::pair{"Zeta Services", 5}, std::pair{"Bravo Parts", 4},
                                         std::pair{"Alpha Rigging", 5}, std::pair{"Yacht Bits", 4}})
            f.log.exec("INSERT INTO Contact (Name, ContType) VALUES (:n, :k)",
                       {{":n", name}, {":k", kind}});
        f.log.exec("INSERT INTO Contact (Name, ContType, Archived) VALUES ('Gone', 4, 1)");
        InventoryPage page(f.context, Page::InvTab);
        page.showStep();
        auto* supplier = static_cast<QComboBox*>(page.box("InvTxtFld3"));
        QStringList items;
        for (int i = 0; i < supplier->count(); ++i)
            items << supplier->itemText(i);
        QCOMPARE(items,
                 (QStringList{"Bravo Parts", "Yacht Bits", "Zeta Services", "Alpha Rigging"}));
        QCOMPARE(supplier->lineEdit()->maxLength(), 30);
        page.newRow();
        type(page.box("ItemName"), "Filter");
        type(page.box("InvReal1"), "1234.5");
        supplier->lineEdit()->setFocus();
        QTest::keyClicks(supplier->lineEdit(), "Bravo Parts");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Inventory where ItemName = 'Filter' and "
                         "InvReal1 = 1234.5 and InvTxtFld3 = 'Bravo Parts' and InvType = 1"),
                 1);
        QCOMPARE(static_cast<QLineEdit*>(page.box("InvReal1"))->text(), "$ 1,234.50");
    }
};

QTEST_MAIN(InventoryTest)
#include "tst_inventory.moc"
