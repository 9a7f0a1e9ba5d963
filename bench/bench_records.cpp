// Inventory, contact and shopping-list benchmark: 50,000 inventory rows over the six kinds and
// 20,000 contacts over the five, shown on the real pages (offscreen).
//
//   build/bench/helmbook-bench-records [folder]
//
// Reports: switching between two kinds of one family to a painted list, a search on one kind,
// and the shopping-list hand-off when an item is saved.

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"
#include "pages/LogList.h"
#include "pages/PageContext.h"
#include "pages/PageHost.h"
#include "pages/SearchForm.h"
#include "records/ContactsPage.h"
#include "records/InventoryKinds.h"
#include "records/InventoryPage.h"
#include "records/ShopList.h"
#include "settings/IniFile.h"

#include "BenchContext.h"
#include <QApplication>
#include <QCheckBox>

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace hb;

namespace {

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Rows per kind: 50,000 inventory items, 20,000 contacts; every tenth archived.
constexpr int InventoryRows[] = {15000, 10000, 5000, 5000, 10000, 5000};
constexpr int ContactRows[] = {4000, 6000, 2000, 5000, 3000};

void fill(LogConnection& log)
{
    LogConnection::Transaction transaction(log);
    for (int kind = 1; kind <= 6; ++kind) {
        for (int i = 0; i < InventoryRows[kind - 1]; ++i)
            log.exec(QStringLiteral("insert into Inventory (ItemName, Location, InvTxtFld1, "
                                    "InvTxtFld2, InvTxtFld3, InvTxtFld4, InvNumFld1, InvNumFld3, "
                                    "InvDate, InvType, Archived) values (:n, 'LOCKER 3', :a, "
                                    "'CATEGORY', 'MEDIA', 'Vendor', 2, 1, :d, :k, :arch)"),
                     {{QStringLiteral(":n"), QStringLiteral("Item %1 of kind %2").arg(i).arg(kind)},
                      {QStringLiteral(":a"), QStringLiteral("Author %1").arg(i % 997)},
                      {QStringLiteral(":d"), QDate(2015, 1, 1).addDays(i % 3650)},
                      {QStringLiteral(":k"), kind},
                      {QStringLiteral(":arch"), i % 10 == 9}});
    }
    for (int kind = 1; kind <= 5; ++kind) {
        for (int i = 0; i < ContactRows[kind - 1]; ++i)
            log.exec(
                QStringLiteral("insert into Contact (Name, Boat, Nation, Date1, Date2, "
                               "Phone1, Email1, Product, ContType, Archived) values (:n, :n, "
                               "'FRENCH', :d, :d, '555 0100', 'a@b.example', 'ROPE', :k, "
                               ":arch)"),
                {{QStringLiteral(":n"), QStringLiteral("Person %1 of kind %2").arg(i).arg(kind)},
                 {QStringLiteral(":d"), QDate(1960, 1, 1).addDays(i % 20000)},
                 {QStringLiteral(":k"), kind},
                 {QStringLiteral(":arch"), i % 10 == 9}});
    }
    for (int i = 0; i < 500; ++i)
        log.exec(QStringLiteral("insert into ShopList (ItemName, Archived) values (:n, :a)"),
                 {{QStringLiteral(":n"), QStringLiteral("Thing %1").arg(i)},
                  {QStringLiteral(":a"), i % 2 == 0}});
    transaction.commit();
}

// Leaves one page and shows another in the page area, as the main window does, to a painted
// list.
template <class P> double switchTo(QStackedWidget& stack, P& from, P& to)
{
    QElapsedTimer t;
    t.start();
    from.leaveStep();
    to.showStep();
    stack.setCurrentWidget(&to);
    to.list().viewport()->repaint();
    return ms(t);
}

template <class P> double switching(QStackedWidget& stack, P& a, P& b)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        times.push_back(switchTo(stack, a, b));
        times.push_back(switchTo(stack, b, a));
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed;
    out.setRealNumberPrecision(1);
    QTemporaryDir tmp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    const QString path = folder + QStringLiteral("/bench-records.mdb");
    QFile::remove(path);
    CreateAccessDatabase(path);
    CreateNewTables(path);

    QuietMessages messages;
    NoFiles files;
    SystemClock clock;
    NoShell shell;
    Formats formats;
    IniFile settings(folder + QStringLiteral("/Helmbk.ini"));
    LogConnection log;
    log.open(path);
    insertVesselRecord(log, 60);
    AppContext app{messages, files, clock, shell, settings, formats, &log, nullptr};
    Host host;
    OneSearch search;
    PageContext context{app, host, search};
    QElapsedTimer t;
    t.start();
    fill(log);
    out << "filled 50,000 inventory rows and 20,000 contacts in " << ms(t) << " ms" << Qt::endl;

    QStackedWidget stack;
    stack.resize(1200, 800);
    InventoryPage general(context, Page::InvTab);
    InventoryPage books(context, Page::Books);
    InventoryPage videos(context, Page::Videos);
    ContactsPage guests(context, Page::Guests);
    ContactsPage suppliers(context, Page::Suppliers);
    for (QWidget* w :
         std::initializer_list<QWidget*>{&general, &books, &videos, &guests, &suppliers})
        stack.addWidget(w);
    stack.show();
    general.showStep();
    out << "inventory, general (" << general.query().recordCount() << " rows) <-> books ("
        << (books.showStep(), books.query().recordCount())
        << " rows): switch to a painted list, median " << switching(stack, general, books) << " ms"
        << Qt::endl;
    guests.showStep();
    out << "contacts, guests (" << guests.query().recordCount() << " rows) <-> suppliers ("
        << (suppliers.showStep(), suppliers.query().recordCount())
        << " rows): switch to a painted list, median " << switching(stack, guests, suppliers)
        << " ms" << Qt::endl;

    // A search on the books by author (every kind has such authors) and by title.
    books.showStep();
    stack.setCurrentWidget(&books);
    for (const auto& [criterion, text] : {std::pair{2, QStringLiteral("AUTHOR 99")},
                                          std::pair{0, QStringLiteral("ITEM 4321 OF")}}) {
        search.text = text;
        search.criterion = criterion;
        t.restart();
        books.search();
        books.list().viewport()->repaint();
        const double took = ms(t);
        out << "search on the books for \"" << text << "\": " << took << " ms ("
            << books.query().recordCount() << " found)" << Qt::endl;
        books.cancelSearch();
    }

    // The hand-off: a video saved with "Add To Shopping List?" ticked.
    videos.showStep();
    stack.setCurrentWidget(&videos);
    std::vector<double> handOffs, saves;
    for (int i = 0; i < 20; ++i) {
        videos.query().moveTo(1 + i * 7);
        videos.shopListBox()->setChecked(true);
        videos.editRow();
        t.restart();
        handToShopList(log, shopItemFor(inventoryKind(3), videos.query()));
        handOffs.push_back(ms(t));
        removeFromShopList(log, videos.query().text(QStringLiteral("ItemName")));
        t.restart();
        videos.saveRow(); // hands the item over, then reads the kind's list again
        saves.push_back(ms(t));
    }
    out << "shopping-list hand-off on save: median " << median(handOffs)
        << " ms (the whole save with the list read again " << median(saves) << " ms)" << Qt::endl;
    return 0;
}
