#include "ReportTestLog.h"
#include "TestSupport.h"

#include "common/Formats.h"
#include "reports/Catalogue.h"
#include "reports/PdfOutput.h"
#include "reports/ReportFormat.h"

#include <QRegularExpression>

using namespace hb;
using namespace hb::reports;
using hb::test::pdfInfo;
using hb::test::pdfText;

class TestReports : public QObject
{
    Q_OBJECT

    Formats m_formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    const QDateTime m_now{QDate(2026, 6, 15), QTime(10, 30)};

    ReportEnv env(LogConnection& log) { return ReportEnv::forLog(log, m_formats, m_now); }

    // Runs a catalogue report on the log into a PDF and returns the PDF's path.
    QString run(test::ReportLog& t, const QString& name, const QString& sql = {},
                const QVariantMap& params = {})
    {
        const ReportDef* def = findReport(name);
        if (!def)
            qFatal("no report %s", qPrintable(name));
        const Document doc = prepareReport(*t.log, *def, sql, params, env(*t.log));
        const QString path = t.file(def->button + QLatin1String(".pdf"));
        const QString error = writePdf(doc, path);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        return path;
    }

private Q_SLOTS:
    void displayFormats_data()
    {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        const Formats f(QLocale(QLocale::English, QLocale::UnitedStates));
        QTest::newRow("money") << moneyText(Money::fromUnits(12345600), f) << "$1,234.56";
        QTest::newRow("money rounds half away") << moneyText(Money::fromUnits(-50), f) << "-$0.01";
        QTest::newRow("money sub-cent") << moneyText(Money::fromUnits(49), f) << "$0.00";
        QTest::newRow("hhmm morning") << hhmmText(930) << "09:30";
        QTest::newRow("hhmm midnight hour") << hhmmText(5) << "00:05";
        QTest::newRow("hhmm none") << hhmmText(0) << "";
        QTest::newRow("hhmm not a time") << hhmmText(2575) << "2575";
        QTest::newRow("time12") << time12Text(QTime(14, 5), f) << "02:05 pm";
        QTest::newRow("grouped") << groupedText(12345.678, f) << "12,345.68";
        QTest::newRow("fixed") << fixedText(12345.678, f) << "12345.68";
        QTest::newRow("blank zero") << blankZero(0) << "";
        const QDate next(2026, 9, 1);
        const SchedDue h = schedDue(QStringLiteral("H"), 250, 0, 1250, next, f);
        QTest::newRow("due hours")
            << h.interval + u'|' + h.nextHours + u'|' + h.nextDate << "250 Hrs|1250|";
        const SchedDue d = schedDue(QStringLiteral("D"), 0, 365, 0, next, f);
        QTest::newRow("due days") << d.interval + u'|' + d.nextHours + u'|' + d.nextDate
                                  << "365 Days||9/1/2026";
        const SchedDue b = schedDue(QStringLiteral("B"), 100, 180, 600, next, f);
        QTest::newRow("due both") << b.interval + u'|' + b.nextHours + u'|' + b.nextDate
                                  << "100 Hrs / 180 Days|600|9/1/2026";
        const SchedDue none = schedDue(QString(), 100, 180, 600, next, f);
        QTest::newRow("due untyped") << none.interval + none.nextHours + none.nextDate << "";
        UnitTotals fuel;
        fuel.add(QStringLiteral("Lit"), 100.25);
        fuel.add(QStringLiteral("Gal"), 30);
        fuel.add(QStringLiteral(" lit "), 20);
        QTest::newRow("fuel per unit") << fuel.text(f) << "30.00 Gal   120.25 Lit";
        Average volts;
        QTest::newRow("average of nothing") << QString(volts.value() ? "value" : "") << "";
        volts.add(12.5);
        volts.add(12.7);
        QTest::newRow("average") << fixedText(*volts.value(), f) << "12.60";
    }
    void displayFormats()
    {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }

    // A crafted maintenance log: captions, values in their formats, the total, the frame.
    void maintenanceReport()
    {
        test::ReportLog t;
        const auto add = [&](const char* date, int hrs, const char* what, qint64 cost,
                             int archived) {
            t.log->exec(
                QStringLiteral("INSERT INTO Maint (MaintDT, EngHrs, Description, VesselSys, "
                               "Cost, Maint_Supplier, Notes, Archived) VALUES (:d, :h, :w, "
                               "'Engine', :c, 'Harbour Diesel', 'Checked belts', :a)"),
                {{"d", QDate::fromString(QLatin1String(date), Qt::ISODate)},
                 {"h", hrs},
                 {"w", QLatin1String(what)},
                 {"c", cost},
                 {"a", archived}});
        };
        add("2026-03-02", 0, "Oil change", 1234500, 0);  // 123.45
        add("2026-04-10", 812, "Impeller", 10000055, 0); // 1000.0055
        add("2026-05-01", 900, "Old work", 990000, 1);   // archived: not listed
        const QString pdf = run(t, QStringLiteral("Maint."));
        const QString text = pdfText(pdf);
        for (const char* s :
             {"Maintenance Report", "Sea Lark", "Date", "EngHrs", "Description", "Component",
              "Part Number", "Oil change", "Impeller", "3/2/2026", "812", "$123.45", "$1,000.01",
              "Harbour Diesel", "Checked belts", "Total Maint. Expenses:", "$1,123.46",
              "6/15/2026 10:30 AM", "Page 1"})
            QVERIFY2(text.contains(QLatin1String(s)), s);
        QVERIFY(!text.contains(QLatin1String("Old work")));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY(
            pdfInfo(pdf, QStringLiteral("Title")).contains(QLatin1String("Maintenance Report")));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Page size")).section(u' ', 0, 2),
                 QStringLiteral("792 x 612")); // letter, landscape
    }

    // A page's own selection and values are printed, not the report's normal one.
    void pageSelectionIsPrinted()
    {
        test::ReportLog t;
        for (const char* name : {"Alpha", "Bravo", "Charlie"})
            t.log->exec(QStringLiteral("INSERT INTO Waypoints (WPName, WPLatt, Archived) "
                                       "VALUES (:n, '10 00.00 N', 0)"),
                        {{"n", QLatin1String(name)}});
        const QString text = pdfText(run(t, QStringLiteral("Waypoints"),
                                         QStringLiteral("select * from Waypoints where WPName "
                                                        "like :p order by WPName"),
                                         {{"p", QStringLiteral("%r%")}}));
        QVERIFY(text.contains(QLatin1String("Charlie")));
        QVERIFY(!text.contains(QLatin1String("Alpha")));
        QVERIFY(text.indexOf(QLatin1String("Bravo")) >= 0);
        QVERIFY(text.indexOf(QLatin1String("Bravo")) < text.indexOf(QLatin1String("Charlie")));
    }

    // A trip whose notes fill many pages is split between lines, nothing lost or repeated.
    void longNotesSplitAcrossPages()
    {
        test::ReportLog t;
        QStringList words;
        QString notes;
        for (int i = 0; notes.size() < 200 * 1024; ++i) {
            const QString w = QStringLiteral("w%1").arg(i, 6, 10, QLatin1Char('0'));
            words << w;
            notes += w + ((i % 17 == 16) ? QLatin1String("\r\n") : QLatin1String(" "));
        }
        t.log->exec(QStringLiteral("INSERT INTO TripLog (TripDate, tripFrom, TripTo, Notes, "
                                   "Archived) VALUES ('2026-06-01', 'Porto', 'Vigo', :n, 0)"),
                    {{"n", notes}});
        t.log->exec(
            QStringLiteral("INSERT INTO TripLog (TripDate, tripFrom, TripTo, Notes, "
                           "Archived) VALUES ('2026-06-02', 'Vigo', 'Baiona', 'Short', 0)"));
        const QString pdf = run(t, QStringLiteral("Trips"));
        const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY2(pages > 20, qPrintable(QString::number(pages)));
        const QString text = pdfText(pdf);
        static const QRegularExpression word(QStringLiteral("w\\d{6}"));
        QStringList found;
        for (auto it = word.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        QCOMPARE(found.size(), words.size());
        QCOMPARE(found, words);
        QVERIFY(text.contains(QStringLiteral("Page %1").arg(pages)));
        QVERIFY(text.indexOf(QLatin1String("Baiona")) > text.lastIndexOf(QLatin1String("w0")));
    }

    // Any page laid out again from where it starts is the page laid out in sequence: through
    // a row split over pages, two data columns per page and a summary, across two reports.
    void pageLaidOutAgainFromItsMark()
    {
        test::ReportLog t;
        t.log->exec(QStringLiteral("INSERT INTO TripLog (TripDate, tripFrom, TripTo, Notes, "
                                   "Archived) VALUES ('2026-06-01', 'Porto', 'Vigo', :n, 0)"),
                    {{"n", QStringLiteral("word ").repeated(12000)}});
        for (int i = 0; i < 150; ++i)
            t.log->exec(QStringLiteral("INSERT INTO GenUse (GenDt, TimeSt, TimeEnd, TotTime, "
                                       "GenSet) VALUES ('2026-06-02', 800, 1000, 2, 1)"));
        Document doc;
        const ReportEnv e = env(*t.log);
        for (const char* name : {"Trips", "GenSet"}) {
            const ReportDef& def = *findReport(QLatin1String(name));
            def.lay(doc, doc.keep(Rows::read(*t.log, def.sql)), e);
        }
        std::vector<Page> pages;
        std::vector<Pager::Mark> marks;
        Pager pager(doc);
        for (Page page; pager.next(page);) {
            pages.push_back(std::move(page));
            marks.push_back(pager.mark());
        }
        QVERIFY(pages.size() > 10);
        QVERIFY(std::any_of(marks.begin(), marks.end(), [](auto& m) { return m.offset > 0; }));
        for (size_t i = pages.size(); i-- > 0;) {
            Pager again(doc);
            again.seek(marks[i], int(i));
            Page page;
            QVERIFY(again.next(page));
            QCOMPARE(again.done(), int(i) + 1);
            QCOMPARE(page.items.size(), pages[i].items.size());
            for (size_t k = 0; k < page.items.size(); ++k) {
                QCOMPARE(page.items[k].text, pages[i].items[k].text);
                QCOMPARE(page.items[k].rect, pages[i].items[k].rect);
            }
        }
    }

    // Sums of money over many rows add the stored ten-thousandths exactly.
    void moneyTotalsExactOverManyRows()
    {
        test::ReportLog t;
        qint64 total = 0;
        {
            LogConnection::Transaction tx(*t.log);
            for (int i = 0; i < 10000; ++i) {
                const qint64 units = 1 + qint64(i) * 7919 % 99999999; // up to 9,999.9999
                total += units;
                t.log->exec(QStringLiteral("INSERT INTO Remind (RemDate, RemItem, RemCost, "
                                           "Archived) VALUES ('2026-01-01', 'x', :c, 0)"),
                            {{"c", units}});
            }
            tx.commit();
        }
        const QString text = pdfText(run(t, QStringLiteral("Remindr")));
        const QString expected = moneyText(Money::fromUnits(total), m_formats);
        QVERIFY(text.contains(QLatin1String("Total Cost")));
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // Greek and Cyrillic names print as text that can be searched.
    void nonLatinTextPrints()
    {
        test::ReportLog t(QStringLiteral("Ἀργώ"));
        t.log->exec(QStringLiteral("INSERT INTO Contact (Name, EmerCont, ContType, Archived) "
                                   "VALUES ('Наталья Жукова', 'Καλαμάτα', 2, 0)"));
        const QString text = pdfText(run(t, QStringLiteral("Guest")));
        QVERIFY(text.contains(QStringLiteral("Наталья Жукова")));
        QVERIFY(text.contains(QStringLiteral("Καλαμάτα")));
        QVERIFY(text.contains(QStringLiteral("Ἀργώ")));
    }

    // Every report of the catalogue lays out on a log with a row in each of its tables.
    void everyReportPrints()
    {
        test::ReportLog t;
        for (const char* sql :
             {"INSERT INTO TripLog (TripDate, StartTime, tripFrom, Archived) VALUES "
              "('2026-06-01', '09:30:00', 'Porto', 0)",
              "INSERT INTO Fuel (fuelDate, Amount, AmtUnit, Cost, Archived) VALUES "
              "('2026-06-01', 50, 'Lit', 800000, 0)",
              "INSERT INTO Fuel (fuelDate, Amount, AmtUnit, Cost, Archived) VALUES "
              "('2026-06-02', 10, 'Gal', 400000, 0)",
              "INSERT INTO Project (Title, Complete, Archived) VALUES ('Antifouling', 1, 0)",
              "INSERT INTO Inventory (ItemName, InvType, InvNumFld1, InvNumFld2, Archived) "
              "VALUES ('Galley salt', 6, 3, 2, 0)",
              "INSERT INTO Inventory (ItemName, InvType, InvNumFld1, Archived) "
              "VALUES ('Spare filter', 1, 0, 0)",
              "INSERT INTO Inventory (ItemName, InvType, InvTF1, InvNumFld3, Archived) "
              "VALUES ('Moby Dick', 5, 0, 4, 0)",
              "INSERT INTO GenUse (GenDt, TimeSt, TimeEnd, TotTime, GenSet) VALUES "
              "('2026-06-01', 930, 1145, 2.25, 1)",
              "INSERT INTO SchedMaint (Sched_Description, Sched_IntervalType, Sched_MaintInt, "
              "Sched_DateInterval, Sched_NxtHrs, Sched_NxtDate, Sched_Auto, Sched_MaintComplete, "
              "Sched_Archived) VALUES ('Oil', 'B', 100, 180, 600, '2026-09-01', 1, 0, 0)"})
            t.log->exec(QLatin1String(sql));
        for (const ReportDef& def : catalogue()) {
            const QString text = pdfText(run(t, def.button));
            const QString first = def.title == QLatin1String("Vessel Information")
                                      ? QStringLiteral("Vessel Information - Owner")
                                      : def.title;
            QVERIFY2(text.contains(first), qPrintable(def.title));
        }
        // What the rows above show in their reports.
        const QString fuel = pdfText(run(t, QStringLiteral("Fuel")));
        QVERIFY(fuel.contains(QLatin1String("50.00 Lit")));
        QVERIFY(fuel.contains(QLatin1String("10.00 Gal")));
        QVERIFY(fuel.contains(QLatin1String("120.00")));
        const QString gen = pdfText(run(t, QStringLiteral("GenSet")));
        QVERIFY(gen.contains(QLatin1String("09:30")) && gen.contains(QLatin1String("11:45")));
        const QString battery = pdfText(run(t, QStringLiteral("Battery")), true);
        QVERIFY(
            QRegularExpression(QStringLiteral("Ave. Voltage:\\s*\\n")).match(battery).hasMatch());
        const QString sched = pdfText(run(t, QStringLiteral("Scheduled Maintenance")));
        for (const char* s : {"NOT DONE", "100 Hrs / 180 Days", "600", "9/1/2026"})
            QVERIFY2(sched.contains(QLatin1String(s)), s);
        const QString galley = pdfText(run(t, QStringLiteral("Galley")), true);
        QVERIFY(galley.contains(QRegularExpression(QStringLiteral("On Hand:\\s+3"))));
        QVERIFY(galley.contains(QRegularExpression(QStringLiteral("Minimum:\\s+2"))));
        const QString books = pdfText(run(t, QStringLiteral("Book")));
        QVERIFY(!books.contains(QLatin1String("Order Qty:")));
        QVERIFY(!books.contains(QLatin1String("Order Date:")));
        const QString general = pdfText(run(t, QStringLiteral("Gen. Inv.")), true);
        // An empty on-hand cell, and "fi" kept as two letters.
        QVERIFY(general.contains(QRegularExpression(QStringLiteral("Spare filter[^\\n0-9]*\\n"))));
    }

    // A PDF is complete or not there: a failed or cancelled export leaves no file and an
    // existing file as it was.
    void pdfWrittenWholeOrNotAtAll()
    {
        test::ReportLog t;
        const ReportDef* def = findReport(QStringLiteral("Trips"));
        const Document doc = prepareReport(*t.log, *def, {}, {}, env(*t.log));
        const QString missingDir = t.file(QStringLiteral("no/such/folder/out.pdf"));
        QVERIFY(!writePdf(doc, missingDir).isEmpty());
        QVERIFY(!QFile::exists(missingDir));

        const QString path = t.file(QStringLiteral("out.pdf"));
        test::writeFile(path, "old");
        QVERIFY(!writePdf(doc, path, [](int, int) { return false; }).isEmpty());
        QCOMPARE(test::readFile(path), QByteArray("old"));
        QCOMPARE(QDir(t.dir.path()).entryList({QStringLiteral("out.pdf*")}, QDir::Files),
                 QStringList{QStringLiteral("out.pdf")});
        QCOMPARE(writePdf(doc, path), QString());
        QVERIFY(test::readFile(path).startsWith("%PDF"));
    }

    // Run as a child process by the next test: exports a long trip report to the file named in
    // HB_EXPORT_TO, over and over.
    void exportChild()
    {
        const QString target = qEnvironmentVariable("HB_EXPORT_TO");
        if (target.isEmpty())
            QSKIP("run by killedExportLeavesOldOrWholeFile");
        test::ReportLog t;
        const QString notes =
            QString(40000, u'n').replace(QLatin1String("nnnnnnnnn"), QLatin1String("nnnnnnnn "));
        for (int i = 0; i < 40; ++i)
            t.log->exec(QStringLiteral("INSERT INTO TripLog (TripDate, tripFrom, TripTo, Notes, "
                                       "Archived) VALUES ('2026-06-01', 'Porto', 'Vigo', :n, 0)"),
                        {{"n", notes}});
        const Document doc =
            prepareReport(*t.log, *findReport(QStringLiteral("Trips")), {}, {}, env(*t.log));
        test::writeFile(target + QLatin1String(".ready"), "1");
        for (;;)
            QCOMPARE(writePdf(doc, target), QString());
    }

    // An export killed at any moment leaves the file that was there or a whole new PDF.
    void killedExportLeavesOldOrWholeFile()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("trips.pdf"));
        test::writeFile(target, "old");
        int whole = 0;
        for (int run = 0; run < 8; ++run) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HB_EXPORT_TO"), target);
            child.setProcessEnvironment(env);
            QFile::remove(target + QLatin1String(".ready"));
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("exportChild")});
            QVERIFY(child.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target + QLatin1String(".ready")), 30000);
            QTest::qWait(30 + run * 70);
            child.kill(); // SIGKILL
            child.waitForFinished();
            const QByteArray bytes = test::readFile(target);
            if (bytes == "old")
                continue;
            QVERIFY2(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"),
                     qPrintable(QStringLiteral("run %1: a cut-off file").arg(run)));
            QVERIFY(test::pdfInfo(target, QStringLiteral("Pages")).toInt() > 1);
            ++whole;
        }
        qInfo("%d of 8 killed exports had finished a whole file", whole);
    }
};

HB_TEST_MAIN(TestReports)
#include "tst_reports.moc"
