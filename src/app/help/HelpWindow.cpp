#include "app/help/HelpWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace hb {

namespace {

// A page name is a plain file name without ".html": no folders, nothing outside the folder.
bool isPageName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return pattern.match(name).hasMatch();
}

} // namespace

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_folder(QDir::cleanPath(QFileInfo(helpFolder).absoluteFilePath()))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Helmbook Help"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links are followed here, so that one to a missing page lands on the contents.
    m_browser->setOpenLinks(false);
    m_browser->setSearchPaths({m_folder});
    m_browser->document()->setDocumentMargin(fontMetrics().averageCharWidth() * 2);

    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("BackBtn"));
    m_back->setEnabled(false);
    m_forward = new QPushButton(QStringLiteral("Forward"), this);
    m_forward->setObjectName(QStringLiteral("ForwardBtn"));
    m_forward->setEnabled(false);
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsBtn"));

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().lineSpacing() * 34);
}

QString HelpWindow::defaultHelpFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QLatin1String("/../share/helmbook/help"));
}

QString HelpWindow::pageFile(const QString& topic) const
{
    if (!isPageName(topic))
        return {};
    const QFileInfo page(QDir(m_folder).filePath(topic + QLatin1String(".html")));
    return page.isFile() ? page.absoluteFilePath() : QString();
}

void HelpWindow::showContents()
{
    present();
    const QString contents = pageFile(QString::fromLatin1(ContentsTopic));
    if (contents.isEmpty()) {
        m_browser->setHtml(
            QStringLiteral("<h2>Helmbook Help</h2><p>The help pages were not found in the folder "
                           "<b>%1</b>. They are installed with Helmbook; installing Helmbook "
                           "again puts them back.</p>")
                .arg(QDir::toNativeSeparators(m_folder).toHtmlEscaped()));
    } else {
        m_browser->setSource(QUrl::fromLocalFile(contents));
    }
}

void HelpWindow::showTopic(const QString& topic)
{
    // Shown first, so that the page is laid out at its real width when it scrolls to an anchor.
    present();
    if (!open(topic))
        showContents();
}

bool HelpWindow::open(const QString& topic)
{
    const qsizetype hash = topic.indexOf(u'#');
    const QString file = pageFile(hash < 0 ? topic : topic.left(hash));
    if (file.isEmpty())
        return false;
    QUrl url = QUrl::fromLocalFile(file);
    if (hash >= 0 && hash + 1 < topic.size())
        url.setFragment(topic.mid(hash + 1));
    m_browser->setSource(url);
    return true;
}

void HelpWindow::followLink(const QUrl& link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(target);
        return;
    }
    const QFileInfo file(target.toLocalFile());
    const bool page = file.absolutePath() == m_folder && file.suffix() == QLatin1String("html");
    QString topic = file.completeBaseName();
    if (target.hasFragment())
        topic += u'#' + target.fragment();
    if (!page || !open(topic))
        showContents();
}

void HelpWindow::present()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

} // namespace hb
