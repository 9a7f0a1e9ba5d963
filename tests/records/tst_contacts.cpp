#include "../pages/PageFixture.h"

#include "logdb/LogError.h"
#include "pages/DateBox.h"
#include "pages/LogList.h"
#include "pages/RecordSetModel.h"
#include "records/ContactKinds.h"
#include "records/Contacts.h"
#include "records/ContactsPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace hb;
using Answer = Messages::Answer;

namespace {

using test::type;

struct ContactsFixture : test::PageFixture
{
    ContactsFixture()
    {
        // One active and one archived row of every kind but the service providers.
        for (int kind = 1; kind <= 4; ++kind) {
            for (int n = 0; n < 2; ++n)
                log.exec("INSERT INTO Contact (Name, Boat, ContType, Nation, Date2, Archived) "
                         "VALUES (:n, :n, :k, 'FRENCH', :d, :a)",
                         {{":n", QStringLiteral("Kind%1 person%2").arg(kind).arg(n)},
                          {":k", kind},
                          {":d", QDate(2026, 1, 10 - n)},
                          {":a", n == 1}});
        }
    }
    QStringList names(ContactsPage& page, const char* column = "Name")
    {
        QStringList n;
        for (int r = 0; r < page.query().recordCount(); ++r)
            n << page.query().valueAt(r, column).toString();
        return n;
    }
};

} // namespace

class ContactsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each kind's texts, boxes, list and search come from its table entry; a few rows checked
    // against the kinds' own documentation.
    void kindTable_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstTitle");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("criterion");
        QTest::newRow("boats") << 1 << "Boat Contacts Log"
                               << "Archive Current Boat?"
                               << "BoatMdl"
                               << "Boat Type/Model"
                               << "Boat Name"
                               << "Boat"
                               << "Captain";
        QTest::newRow("guests") << 2 << "Guests Log"
                                << "Archive Current Guest?"
                                << "Date2"
                                << "First Date"
                                << "Guest Name"
                                << "Date2"
                                << "Person's Name";
        QTest::newRow("crew") << 3 << "Crew Log"
                              << "Archive Current Crew?"
                              << "CrewPosition"
                              << "Position"
                              << "Crew Name"
                              << "Date2"
                              << "Nationality";
        QTest::newRow("suppliers") << 4 << "Supplier Log"
                                   << "Archive Current Supplier?"
                                   << "ProdType"
                                   << "Product Types"
                                   << "Company"
                                   << "Name"
                                   << "Products";
        QTest::newRow("services") << 5 << "Services Log"
                                  << "Archive Current Services?"
                                  << "Product"
                                  << "Services"
                                  << "Company Name"
                                  << "Name"
                                  << "Country";
    }
    void kindTable()
    {
        QFETCH(int, type);
        QFETCH(QString, heading);
        QFETCH(QString, archive);
        QFETCH(QString, column);
        QFETCH(QString, caption);
        QFETCH(QString, firstTitle);
        QFETCH(QString, order);
        QFETCH(QString, criterion);
        ContactsFixture f;
        const ContactKindInfo& kind = contactKinds()[size_t(type - 1)];
        QCOMPARE(kind.type, type);
        ContactsPage page(f.context, kind.page);
        page.showStep();
        QCOMPARE(page.spec().title, heading);
        QCOMPARE(f.host.status, QString::fromLatin1(kind.statusText));
        QCOMPARE(page.findChild<QCheckBox*>("Archived")->text(), archive);
        QVERIFY(page.box(column));
        QCOMPARE(page.box(column)->accessibleName(), caption);
        QCOMPARE(page.spec().columns.front().title, firstTitle);
        QVERIFY(page.query().sql().contains(" order by " + order));
        QStringList criteria;
        for (const SearchField& s : page.spec().search->criteria)
            criteria << QString::fromLatin1(s.caption);
        QVERIFY(criteria.contains(criterion));
        QCOMPARE(page.spec().searchBase.kind, type);
        QCOMPARE(page.spec().wheelMoves, type != 1);
        int buttons = 0;
        for (const ContactKindInfo& other : contactKinds())
            buttons +=
                page.findChild<QPushButton*>(QString::fromLatin1(other.buttonCaption)) != nullptr;
        QCOMPARE(buttons, 4);
        // Only this kind's rows not archived; the service providers have none at all and
        // show no list.
        const QStringList expected =
            type == 5 ? QStringList{} : QStringList{QStringLiteral("Kind%1 person0").arg(type)};
        QCOMPARE(f.names(page), expected);
        QCOMPARE(page.list().isVisibleTo(&page), type != 5);
    }

    // A new guest's dates start empty and are stored as none; a date shown because a row has
    // none is not written back; the kind is stamped on the new row.
    void personDates()
    {
        ContactsFixture f;
        ContactsPage page(f.context, Page::Guests);
        page.showStep();
        page.newRow();
        for (const char* d : {"Date1", "Date2", "Date3", "Date4", "Date5"}) {
            QVERIFY(page.dateBox(d)->isNone());
            QCOMPARE(page.dateBox(d)->text(), "No Entry");
        }
        type(page.box("Name"), "Anna Smith");
        page.dateBox("Date5")->setDate(QDate(2031, 2, 3));
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Contact where Name = 'Anna Smith' and ContType = "
                         "2 and Date1 is null and Date4 is null and Date5 = '2031-02-03'"),
                 1);

        // A zero date reads as none, in the box and in the list, and stays as stored.
        f.log.exec("UPDATE Contact SET Date1 = '1899-12-30' WHERE Name = 'Anna Smith'");
        page.query().requery();
        QVERIFY(page.query().locate("Name", "Anna Smith"));
        QVERIFY(page.dateBox("Date1")->isNone());
        const QModelIndex birthday = page.model().index(page.query().recNo() - 1, 3); // "Birthday"
        QCOMPARE(page.model().data(birthday).toString(), "No Entry");
        page.editRow();
        type(page.box("Nation"), "DANISH");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Contact where Name = 'Anna Smith' and Date1 = "
                         "'1899-12-30' and Nation = 'DANISH'"),
                 1);
    }

    void boatMeetDate()
    {
        ContactsFixture f;
        ContactsPage page(f.context, Page::ContactTab);
        page.showStep();
        QVERIFY(page.query().locate("Boat", "Kind1 person0"));
        QCOMPARE(page.dateBox("Date1")->dateOrNone(), ContactsPage::MeetDateFloor);
        page.editRow();
        type(page.box("Captain"), "Ahab");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Contact where Captain = 'Ahab' and Date1 is null"),
                 1);
        page.newRow();
        type(page.box("Boat"), "Pequod");
        QVERIFY(page.saveRow());
        QCOMPARE(f.count("select count(*) from Contact where Boat = 'Pequod' and ContType = 1 and "
                         "Date1 = '2026-06-15'"),
                 1);
    }

    // The first service provider makes the list appear.
    void firstRowOfAKind()
    {
        ContactsFixture f;
        ContactsPage page(f.context, Page::Services);
        page.showStep();
        QVERIFY(!page.list().isVisibleTo(&page));
        page.newRow();
        type(page.box("Name"), "Rig Doctor");
        QVERIFY(page.saveRow());
        QVERIFY(page.list().isVisibleTo(&page));
        QCOMPARE(f.names(page), QStringList{"Rig Doctor"});
    }

    // Other logs add suppliers by name; a contact added so keeps its kind whatever page is
    // shown, and a guest saved on its page stays a guest.
    void addedFromElsewhere()
    {
        ContactsFixture f;
        ContactsPage guests(f.context, Page::Guests);
        guests.showStep();
        const qint64 key = addContact(f.log, ContactKind::Suppliers, "  Sail Loft ");
        QCOMPARE(f.count("select ContType from Contact where Contact_ID = :k", {{":k", key}}), 4);
        QVERIFY(hasContact(f.log, ContactKind::Suppliers, "SAIL LOFT"));
        QVERIFY(!hasContact(f.log, ContactKind::Services, "Sail Loft"));
        QCOMPARE(contactNames(f.log, {ContactKind::Suppliers}),
                 (QStringList{"Kind4 person0", "Sail Loft"}));
        guests.editRow();
        type(guests.box("Nation"), "IRISH");
        QVERIFY(guests.saveRow());
        QCOMPARE(f.count("select count(*) from Contact where ContType = 2 and Nation = 'IRISH'"),
                 1);
        ContactsPage suppliers(f.context, Page::Suppliers);
        suppliers.showStep();
        QCOMPARE(f.names(suppliers), (QStringList{"Kind4 person0", "Sail Loft"}));
        QVERIFY_THROWS_EXCEPTION(LogError,
                                 addContact(f.log, ContactKind::Suppliers, QString(31, u'x')));
        QVERIFY_THROWS_EXCEPTION(LogError, addContact(f.log, ContactKind::Suppliers, " "));
    }

    void searchKeepsToTheKind()
    {
        ContactsFixture f;
        ContactsPage crew(f.context, Page::Crew);
        crew.showStep();
        f.search.answers.push_back(test::criteria({{}, "FRENCH"}));
        f.messages.expect(Answer::Ok);
        crew.search();
        QCOMPARE(f.names(crew), QStringList{"Kind3 person0"});
    }
};

QTEST_MAIN(ContactsTest)
#include "tst_contacts.moc"
