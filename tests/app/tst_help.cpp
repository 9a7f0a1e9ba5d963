#include "app/help/ContextHelp.h"
#include "app/help/HelpWindow.h"

#include "TestSupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace hb;

namespace {

const QString HelpDir = QStringLiteral(HB_HELP_DIR);

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The targets of every href and src of a page, in order.
QStringList linksOf(const QString& html)
{
    static const QRegularExpression link(QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (const auto& m : link.globalMatch(html))
        out << m.captured(1);
    return out;
}

bool hasAnchor(const QString& html, const QString& anchor)
{
    const QString quoted = QRegularExpression::escape(u'"' + anchor + u'"');
    return QRegularExpression(QStringLiteral("\\b(?:name|id)\\s*=\\s*") + quoted)
        .match(html)
        .hasMatch();
}

QStringList sourcePages()
{
    return QDir(QStringLiteral(HB_HELP_SOURCE_DIR))
        .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QTextBrowser* browserOf(HelpWindow& window)
{
    return window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
}

QString shownPage(HelpWindow& window)
{
    return QFileInfo(browserOf(window)->source().toLocalFile()).fileName();
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linksResolve_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : sourcePages())
            QTest::newRow(qPrintable(page)) << page;
    }

    // Every page ships, and every link in it leads to a shipped file and, with "#", to an
    // anchor on that page.
    void linksResolve()
    {
        QFETCH(QString, page);
        const QString html = readPage(QDir(HelpDir).filePath(page));
        QVERIFY2(!html.isEmpty(), qPrintable(page + QLatin1String(" is not in ") + HelpDir));
        QVERIFY2(html.contains(QLatin1String("<title>")), "page without a title");

        for (const QString& link : linksOf(html)) {
            if (!QUrl(link).scheme().isEmpty()) // a page on the web, an e-mail address
                continue;
            const qsizetype hash = link.indexOf(u'#');
            const QString file = hash < 0 ? link : link.left(hash);
            const QString target = file.isEmpty() ? page : file;
            const QString targetHtml = readPage(QDir(HelpDir).filePath(target));
            QVERIFY2(QFileInfo(QDir(HelpDir).filePath(target)).isFile() &&
                         QFileInfo(target).fileName() == target,
                     qPrintable(page + QLatin1String(": broken link ") + link));
            if (hash >= 0)
                QVERIFY2(hasAnchor(targetHtml, link.mid(hash + 1)),
                         qPrintable(page + QLatin1String(": no anchor for ") + link));
        }
    }

    void contentsLinksEveryPage()
    {
        const QStringList pages = sourcePages();
        QVERIFY(pages.contains(QStringLiteral("contents.html")));
        QStringList linked;
        for (const QString& link :
             linksOf(readPage(QDir(HelpDir).filePath(QStringLiteral("contents.html")))))
            linked << link.section(u'#', 0, 0);
        for (const QString& page : pages) {
            if (page != QLatin1String("contents.html"))
                QVERIFY2(linked.contains(page), qPrintable(page + QLatin1String(" is not linked "
                                                                                "from contents")));
        }
    }

    void showTopic_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<QString>("title");

        QTest::newRow("page") << "backup"
                              << "backup.html" << QString() << "Backing up your log";
        QTest::newRow("page and anchor") << "logs#wizard"
                                         << "logs.html"
                                         << "wizard"
                                         << "Logs: new, open, example";
        QTest::newRow("unknown page") << "no-such-page"
                                      << "contents.html" << QString() << "Helmbook Help";
        QTest::newRow("empty") << ""
                               << "contents.html" << QString() << "Helmbook Help";
        QTest::newRow("path out of the folder") << "../help/logs"
                                                << "contents.html" << QString() << "Helmbook Help";
        QTest::newRow("file name") << "logs.html"
                                   << "contents.html" << QString() << "Helmbook Help";
    }

    void showTopic()
    {
        QFETCH(QString, topic);
        QFETCH(QString, page);
        QFETCH(QString, fragment);
        QFETCH(QString, title);

        HelpWindow window(HelpDir);
        window.showTopic(topic);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isModal());
        QCOMPARE(window.windowTitle(), QStringLiteral("Helmbook Help"));
        QCOMPARE(shownPage(window), page);
        QCOMPARE(browserOf(window)->source().fragment(), fragment);
        QCOMPARE(browserOf(window)->documentTitle(), title);
    }

    // Without pages the window still says something useful: where it looked.
    void missingFolder()
    {
        QTemporaryDir empty;
        HelpWindow window(empty.path() + QLatin1String("/help"));
        window.showTopic(QStringLiteral("logs"));
        QVERIFY(window.isVisible());
        const QString text = browserOf(window)->toPlainText();
        QVERIFY2(text.contains(QLatin1String("not found")), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(empty.path())), qPrintable(text));
    }

    void linksAndHistory()
    {
        HelpWindow window(HelpDir);
        QTextBrowser* browser = browserOf(window);
        auto* back = window.findChild<QPushButton*>(QStringLiteral("BackBtn"));
        auto* forward = window.findChild<QPushButton*>(QStringLiteral("ForwardBtn"));
        auto* contents = window.findChild<QPushButton*>(QStringLiteral("ContentsBtn"));

        window.showContents();
        QCOMPARE(shownPage(window), QStringLiteral("contents.html"));
        QVERIFY(!back->isEnabled());

        // A link is followed relative to the page that holds it.
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("backup.html#ninth-quit")));
        QCOMPARE(shownPage(window), QStringLiteral("backup.html"));
        QCOMPARE(browser->source().fragment(), QStringLiteral("ninth-quit"));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("update.html")));
        QCOMPARE(shownPage(window), QStringLiteral("update.html"));

        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(shownPage(window), QStringLiteral("backup.html"));
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(shownPage(window), QStringLiteral("update.html"));
        QVERIFY(!forward->isEnabled());

        // A link to a page that is not there lands on the contents, not on an empty page.
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("nowhere.html")));
        QCOMPARE(shownPage(window), QStringLiteral("contents.html"));

        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("logs.html")));
        contents->click();
        QCOMPARE(shownPage(window), QStringLiteral("contents.html"));
    }

    void defaultFolder()
    {
        QCOMPARE(HelpWindow::defaultHelpFolder(),
                 QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                 QLatin1String("/../share/helmbook/help")));
        QVERIFY(!HelpWindow::defaultHelpFolder().contains(QLatin1String("..")));
    }

    // Right-clicking a widget, or a child of it without a menu of its own, offers the single
    // item "What's This?", which opens the widget's topic; offering again replaces the topic.
    void whatsThis()
    {
        QWidget page;
        auto* field = new QWidget(&page);
        field->move(10, 10);
        QStringList opened;
        auto open = [&](const QString& topic) { opened << topic; };

        const auto rightClick = [](QWidget* target) -> QMenu* {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    target->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(target, &event);
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        };
        const auto chooseOnlyItem = [](QMenu* menu) {
            QVERIFY(menu);
            int menus = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                menus += qobject_cast<QMenu*>(w) && w->isVisible();
            QCOMPARE(menus, 1);
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().first()->text(), QStringLiteral("What's This?"));
            menu->actions().first()->trigger();
            menu->close();
        };

        offerHelpTopic(&page, QStringLiteral("backup"), open);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        chooseOnlyItem(rightClick(&page));
        QCOMPARE(opened, QStringList{QStringLiteral("backup")});

        chooseOnlyItem(rightClick(field));
        QCOMPARE(opened, (QStringList{QStringLiteral("backup"), QStringLiteral("backup")}));

        opened.clear();
        offerHelpTopic(&page, QStringLiteral("logs#open-log"), open);
        chooseOnlyItem(rightClick(&page));
        QCOMPARE(opened, QStringList{QStringLiteral("logs#open-log")});
    }
};

HB_TEST_MAIN(TestHelp)
#include "tst_help.moc"
