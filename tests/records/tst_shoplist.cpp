#include "../pages/PageFixture.h"

#include "pages/LogList.h"
#include "records/ShopListPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace hb;
using Answer = Messages::Answer;

namespace {

struct ShopFixture : test::PageFixture
{
    ShopListPage page{context};
    ShopFixture()
    {
        for (const auto& [name, archived] :
             {std::pair{"Milk", false}, std::pair{"Bread", false}, std::pair{"Rope", true},
              std::pair{"Shackle", true}, std::pair{"Fuse", true}})
            log.exec("INSERT INTO ShopList (ItemName, Archived) VALUES (:n, :a)",
                     {{":n", name}, {":a", archived}});
        log.exec("INSERT INTO Contact (Name, ContType) VALUES ('Zed Marine', 4), ('Able Sails', "
                 "5), ('Guest', 2)");
        page.showStep();
    }
    QStringList names()
    {
        QStringList n;
        for (int r = 0; r < page.query().recordCount(); ++r)
            n << page.query().valueAt(r, "ItemName").toString();
        return n;
    }
};

} // namespace

class ShopListTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clearListAsksAndKeepsArchived()
    {
        ShopFixture f;
        QCOMPARE(f.names(), (QStringList{"Milk", "Bread"}));
        f.messages.expect(Answer::No, ShopListPage::ClearQuestion);
        f.page.clearButton()->click();
        QCOMPARE(f.names().size(), 2);
        f.messages.expect(Answer::Yes, ShopListPage::ClearQuestion);
        f.page.clearButton()->click();
        QVERIFY(f.names().isEmpty());
        QCOMPARE(f.count("select count(*) from ShopList where Archived = 1"), 3);
        f.page.newRow();
        QVERIFY(!f.page.clearButton()->isEnabled());
        f.page.cancelRow();
        QVERIFY(f.page.clearButton()->isEnabled());
        QVERIFY(f.messages.allAnswered());
    }

    void vendorBox()
    {
        ShopFixture f;
        f.page.showStep(); // a second showing does not repeat the names
        QComboBox* vendor = f.page.vendorBox();
        QStringList items;
        for (int i = 0; i < vendor->count(); ++i)
            items << vendor->itemText(i);
        QCOMPARE(items, (QStringList{"Able Sails", "Zed Marine"}));
        QCOMPARE(vendor->lineEdit()->maxLength(), 30);
        f.page.newRow();
        auto* item = f.page.findChild<QLineEdit*>("ItemName");
        item->setFocus();
        QTest::keyClicks(item, "Varnish");
        vendor->lineEdit()->setFocus();
        QTest::keyClicks(vendor->lineEdit(), "Corner Shop");
        QVERIFY(f.page.saveRow());
        QCOMPARE(f.count("select count(*) from ShopList where ItemName = 'Varnish' and Vendor = "
                         "'Corner Shop' and Archived = 0"),
                 1);
    }

    // An item unticked in the archived-items window is on the list again after "OK".
    void archivedItemsBack()
    {
        ShopFixture f;
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = f.page.findChild<ShopArchiveDialog*>();
            QVERIFY(dialog);
            QCOMPARE(dialog->query().recordCount(), 3);
            QVERIFY(dialog->query().locate("ItemName", "Shackle"));
            dialog->editRow();
            QVERIFY(!dialog->button("OK")->isEnabled());
            dialog->archivedBox()->click();
            dialog->saveRow();
            QVERIFY(dialog->button("OK")->isEnabled());
            checked = true;
            dialog->button("OK")->click();
        });
        f.page.UseArchBtnClick();
        QVERIFY(checked);
        QCOMPARE(f.names(), (QStringList{"Milk", "Bread", "Shackle"}));
        QVERIFY(!f.page.offersSearch());
    }
};

QTEST_MAIN(ShopListTest)
#include "tst_shoplist.moc"
