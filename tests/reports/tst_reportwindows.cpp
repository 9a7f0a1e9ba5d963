#include "ReportTestLog.h"
#include "TestSupport.h"

#include "common/Formats.h"
#include "reports/Catalogue.h"
#include "reports/CompositeExport.h"
#include "reports/PdfOutline.h"
#include "reports/PreviewDialog.h"
#include "reports/ReportService.h"
#include "reports/ReportWindows.h"
#include "reports/Worksheets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace hb;
using namespace hb::reports;
using hb::test::pdfInfo;
using hb::test::pdfText;

namespace {

const QString ExportQuestion = QStringLiteral(
    "Exporting to a PDF file that can be read by Adobe's Acrobat reader program can create\r\na "
    "large log!  While this is OK for viewing the log, it may create more pages than you "
    "wish\r\nto print.  Are you sure you would like to export your log file now?");
const QString ExportReady = QStringLiteral(
    "    Your log is ready for printing, viewing or exporting to a PDF file.\r\nIn the next print "
    "dialog, click the Export To PDF icon at the top left of\r\n       the screen to export your "
    "log to a PDF file of your choice.");

// The texts of a document's pages, as laid out.
QString documentText(const Document& doc)
{
    QString text;
    for (const Page& page : layOutAll(doc)) {
        for (const Item& item : page.items)
            text += item.text + u'\n';
        text += QLatin1String("\f");
    }
    return text;
}

void verifyAccessibleNames(QWidget& w)
{
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->text()));
    for (QComboBox* b : w.findChildren<QComboBox*>())
        QVERIFY(!b->accessibleName().isEmpty());
}

} // namespace

class TestReportWindows : public QObject
{
    Q_OBJECT

    test::ScriptedMessages m_messages;
    test::ScriptedFileDialogs m_files;
    test::FixedClock m_clock;
    Formats m_formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    std::unique_ptr<test::ReportLog> m_log;
    std::unique_ptr<ReportService> m_service;

    PreviewDialog* preview()
    {
        PreviewDialog* p = m_service->lastPreview();
        if (!p)
            qFatal("no preview");
        return p;
    }
    void closePreview()
    {
        if (PreviewDialog* p = m_service->lastPreview()) {
            p->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

private Q_SLOTS:
    void init()
    {
        m_messages.clear();
        m_log = std::make_unique<test::ReportLog>(QStringLiteral("Sea Lark"));
        m_service = std::make_unique<ReportService>(
            ReportService::Services{m_messages, m_files, m_clock, m_formats},
            [this] { return m_log->log.get(); });
        m_service->setPaperSize(QPageSize(QPageSize::Letter));
        for (const char* sql :
             {"INSERT INTO TripLog (TripDate, tripFrom, TripTo, Archived) VALUES "
              "('2026-06-01', 'Porto', 'Vigo', 0)",
              "INSERT INTO Fuel (fuelDate, Location, Amount, AmtUnit, Archived) VALUES "
              "('2026-06-01', 'Vigo Marina', 50, 'Lit', 0)",
              "INSERT INTO Contact (Name, ContType, Archived) VALUES ('Ann Guest', 2, 0)",
              "INSERT INTO Contact (Name, ContType, Archived) VALUES ('Old Guest', 2, 1)"})
            m_log->log->exec(QLatin1String(sql));
    }
    void cleanup()
    {
        closePreview();
        QVERIFY(m_messages.allAnswered());
    }

    // The export page's defaults make cover, then the six basic sections in order; archived
    // contacts stay out; the document exports to a PDF with the vessel in its title.
    void exportWithDefaults()
    {
        ExportPage page(*m_service);
        verifyAccessibleNames(page);
        m_messages.expect(Messages::Answer::Yes, ExportQuestion);
        m_messages.expect(Messages::Answer::Ok, ExportReady);
        page.checkBox(QStringLiteral("Guest Log"))->setChecked(true);
        page.findChild<QPushButton*>(QStringLiteral("ExportBtn"))->click();
        const Document& doc = preview()->document();
        QCOMPARE(doc.sectionTitles(),
                 (QStringList{"Vessel Info", "Trips", "Maintenance", "Scheduled Maintenance",
                              "Fuel", "Projects", "Guests"}));
        const QString text = documentText(doc);
        QVERIFY(text.startsWith(QLatin1String("Log Book\nFor\nSea Lark\n")));
        QVERIFY(text.contains(QLatin1String("Vigo Marina")));
        QVERIFY(text.contains(QLatin1String("Ann Guest")));
        QVERIFY(!text.contains(QLatin1String("Old Guest")));
        // Page numbers run through the whole document.
        const QString pdf = m_log->file(QStringLiteral("log.pdf"));
        m_files.answer(pdf);
        preview()->findChild<QAbstractButton*>(QStringLiteral("ExportPdf"))->click();
        const int pages = preview()->pageCount();
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")).toInt(), pages);
        QVERIFY(pdfInfo(pdf, QStringLiteral("Title")).contains(QLatin1String("Sea Lark")));
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Page %1").arg(pages)));
        // One bookmark per section, added after the pages; the file still reads whole.
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("/Type /Outlines"));
        QVERIFY(bytes.contains("/Count 7"));
        QCOMPARE(bytes.count("/Title <FEFF"), qsizetype(7));
        const QString guests = QStringLiteral("Guests");
        QByteArray hex("FEFF");
        for (const QChar c : guests)
            hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
        QVERIFY(bytes.contains(QByteArray("/Title <" + hex + ">")));
        QVERIFY(bytes.endsWith("%%EOF\n"));
        // Anything that is not a whole PDF with a classic table is left as it is.
        QCOMPARE(withOutline("not a pdf", {{"A", 0}}), QByteArray("not a pdf"));
        QCOMPARE(withOutline(bytes, {}), bytes);
    }

    void exportRefusedOrEmpty()
    {
        ExportPage page(*m_service);
        m_messages.expect(Messages::Answer::No, ExportQuestion);
        page.exportLogs();
        QVERIFY(!m_service->lastPreview());
        for (QCheckBox* b : page.findChildren<QCheckBox*>())
            b->setChecked(false);
        m_messages.expect(Messages::Answer::Yes, ExportQuestion);
        m_messages.expect(Messages::Answer::Ok, ExportReady);
        page.exportLogs();
        QCOMPARE(preview()->pageCount(), 1); // the cover alone
    }

    // A section whose rows cannot be read is left out with its message.
    void unreadableSectionLeftOut()
    {
        m_log->log->exec(QStringLiteral("DROP TABLE Contact"));
        std::vector<bool> ticked(exportSections().size(), false);
        ticked[1] = true;  // trips
        ticked[12] = true; // guests
        m_messages.expect(
            Messages::Answer::Ok,
            QStringLiteral("Unable to open Contact Log for output to composite PDF File!"));
        m_messages.expect(Messages::Answer::Ok, ExportReady);
        m_service->exportLog(ticked);
        QCOMPARE(preview()->document().sectionTitles(), QStringList{QStringLiteral("Trips")});
    }

    // The catalogue runs each report on its log's selection; a page prints its own.
    void catalogueAndPagePrint()
    {
        CatalogueWindow window(*m_service);
        verifyAccessibleNames(window);
        QCOMPARE(window.findChildren<QPushButton*>().size(), qsizetype(catalogue().size() + 1));
        window.findChild<QPushButton*>(QStringLiteral("Fuel"))->click();
        QVERIFY(documentText(preview()->document()).contains(QLatin1String("Fuel Report")));
        QVERIFY(documentText(preview()->document()).contains(QLatin1String("Vigo Marina")));
        closePreview();

        ReportPrinter& printer = *m_service;
        printer.printReport(QStringLiteral("Guests"),
                            QStringLiteral("select * from Contact where ContType = :k and "
                                           "Archived = :a"),
                            {{"k", 2}, {"a", true}});
        const QString text = documentText(preview()->document());
        QVERIFY(text.contains(QLatin1String("Old Guest")) && !text.contains(QLatin1String("Ann")));
        closePreview();

        m_messages.expect(Messages::Answer::Ok,
                          QStringLiteral("There is no report named \"Nope\"."));
        printer.printReport(QStringLiteral("Nope"), {}, {});
        m_messages.expect(Messages::Answer::Ok);
        printer.printReport(QStringLiteral("Fuel"), QStringLiteral("select * from NoSuchTable"),
                            {});
        QVERIFY(m_messages.texts().last().contains(QLatin1String("NoSuchTable")));
    }

    // Each worksheet is one page with its title and labels; both usage buttons print the
    // same sheet.
    void worksheets()
    {
        WorksheetWindow window(*m_service);
        verifyAccessibleNames(window);
        for (const WorksheetDef& sheet : reports::worksheets()) {
            for (const QString& b : sheet.buttons) {
                window.findChild<QPushButton*>(b)->click();
                const Document& doc = preview()->document();
                const std::vector<Page> pages = layOutAll(doc);
                QCOMPARE(pages.size(), size_t(1));
                QCOMPARE(pages[0].orientation, QPageLayout::Portrait);
                const QStringList lines = documentText(doc).split(u'\n');
                QVERIFY(lines.contains(sheet.title));
                QStringList parts; // every label once per block
                for (const QString& label : sheet.labels)
                    parts += label.split(u'|', Qt::SkipEmptyParts);
                for (const QString& part : parts)
                    QCOMPARE(lines.count(part), parts.count(part) * sheet.columns * sheet.rows);
                closePreview();
            }
        }
    }

    // The preview moves between pages and zooms; pages are painted when shown.
    void previewMovesAndZooms()
    {
        for (int i = 0; i < 300; ++i)
            m_log->log->exec(QStringLiteral("INSERT INTO Fuel (fuelDate, Location, Amount, "
                                            "Archived) VALUES ('2026-06-02', :l, 1, 0)"),
                             {{"l", QStringLiteral("Stop %1").arg(i)}});
        m_service->printReport(QStringLiteral("Fuel"), {}, {});
        PreviewDialog* p = preview();
        verifyAccessibleNames(*p);
        // The first page shows at once; the rest are counted while the window is idle.
        const QLabel* count = p->findChild<QLabel*>(QStringLiteral("PageCount"));
        QCOMPARE(p->pagesCounted(), 1);
        QVERIFY(!p->counted());
        QCOMPARE(count->text(), QStringLiteral("of 1+"));
        QTRY_VERIFY(p->counted());
        const int pages = p->pageCount();
        QCOMPARE(count->text(), QStringLiteral("of %1").arg(pages));
        QVERIFY(pages > 3);
        for (QAbstractButton* b : p->findChildren<QAbstractButton*>()) {
            if (b->text() == QLatin1String("Last"))
                b->click();
        }
        QCOMPARE(p->currentPage(), pages - 1);
        QCOMPARE(p->findChild<QSpinBox*>()->value(), pages);
        p->findChild<QSpinBox*>()->setValue(2);
        QCOMPARE(p->currentPage(), 1);
        p->setZoom(2.0);
        QVERIFY(!p->grab().isNull());
        p->showPage(pages + 10);
        QCOMPARE(p->currentPage(), pages - 1);
    }
};

HB_TEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
