#include "reports/PreviewDialog.h"

#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "reports/PdfOutput.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace hb::reports {

class PreviewDialog::PageView : public QWidget
{
public:
    explicit PageView(PreviewDialog& owner) : QWidget(nullptr), m_owner(owner)
    {
        setAccessibleName(QStringLiteral("Page"));
    }
    // Screen pixels per model unit at the current zoom.
    double scale() const
    {
        const Page& page = m_owner.m_doc->pages[size_t(m_owner.m_page)];
        double zoom = m_owner.m_zoom;
        if (zoom <= 0) {
            const int avail = m_owner.m_scroll->viewport()->width() - 20;
            return std::max(0.05, avail / page.size.width());
        }
        return zoom * logicalDpiX() / UnitsPerInch;
    }
    void relayout()
    {
        const Page& page = m_owner.m_doc->pages[size_t(m_owner.m_page)];
        const QSizeF s = page.size * scale();
        setFixedSize(int(s.width()) + 1, int(s.height()) + 1);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.fillRect(rect(), Qt::white);
        const int index = m_owner.m_page;
        paintPage(painter, m_owner.m_doc->pages[size_t(index)], index + 1, scale());
    }

private:
    PreviewDialog& m_owner;
};

namespace {

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setAccessibleName(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

PreviewDialog::PreviewDialog(std::shared_ptr<const Document> document, Messages& messages,
                             FileDialogs& fileDialogs, QWidget* parent)
    : QDialog(parent), m_doc(std::move(document)), m_messages(messages), m_fileDialogs(fileDialogs)
{
    setWindowTitle(QStringLiteral("Preview - ") + m_doc->title);
    setAccessibleName(QStringLiteral("Preview"));
    setSizeGripEnabled(true);

    auto* bar = new QHBoxLayout;
    QToolButton* exportBtn = toolButton(this, QStringLiteral("Export PDF"),
                                        QStringLiteral("Export the report to a PDF file"));
    exportBtn->setObjectName(QStringLiteral("ExportPdf"));
    QToolButton* printBtn =
        toolButton(this, QStringLiteral("Print"), QStringLiteral("Print the report"));
    printBtn->setObjectName(QStringLiteral("Print"));
    QToolButton* first = toolButton(this, QStringLiteral("First"), QStringLiteral("First page"));
    QToolButton* prior = toolButton(this, QStringLiteral("Prior"), QStringLiteral("Previous page"));
    QToolButton* next = toolButton(this, QStringLiteral("Next"), QStringLiteral("Next page"));
    QToolButton* last = toolButton(this, QStringLiteral("Last"), QStringLiteral("Last page"));
    m_pageBox = new QSpinBox(this);
    m_pageBox->setRange(1, std::max<int>(1, int(m_doc->pages.size())));
    m_pageBox->setAccessibleName(QStringLiteral("Page number"));
    m_pageCount = new QLabel(QStringLiteral("of %1").arg(m_doc->pages.size()), this);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setAccessibleName(QStringLiteral("Zoom"));
    m_zoomBox->addItem(QStringLiteral("Page Width"), 0.0);
    for (int z : {50, 75, 100, 125, 150, 200, 300})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z / 100.0);
    bar->addWidget(exportBtn);
    bar->addWidget(printBtn);
    bar->addSpacing(12);
    bar->addWidget(first);
    bar->addWidget(prior);
    bar->addWidget(m_pageBox);
    bar->addWidget(m_pageCount);
    bar->addWidget(next);
    bar->addWidget(last);
    bar->addSpacing(12);
    bar->addWidget(m_zoomBox);
    if (!m_doc->sections.empty()) {
        m_sections = new QComboBox(this);
        m_sections->setAccessibleName(QStringLiteral("Sections"));
        m_sections->addItem(QStringLiteral("Go to section.."), -1);
        for (const Document::Section& s : m_doc->sections)
            m_sections->addItem(s.title, s.firstPage);
        bar->addWidget(m_sections);
        connect(m_sections, &QComboBox::activated, this, [this](int i) {
            const int page = m_sections->itemData(i).toInt();
            if (page >= 0)
                showPage(page);
        });
    }
    bar->addStretch();
    QPushButton* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAccessibleName(QStringLiteral("Close"));
    bar->addWidget(close);

    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_view = new PageView(*this);
    m_scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    resize(1000, 760);

    connect(exportBtn, &QToolButton::clicked, this, &PreviewDialog::exportPdf);
    connect(printBtn, &QToolButton::clicked, this, &PreviewDialog::print);
    connect(first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(prior, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(next, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(last, &QToolButton::clicked, this, [this] { showPage(int(m_doc->pages.size()) - 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    connect(m_zoomBox, &QComboBox::activated, this,
            [this](int i) { setZoom(m_zoomBox->itemData(i).toDouble()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showPage(0);
}

void PreviewDialog::showPage(int page)
{
    if (m_doc->pages.empty())
        return;
    m_page = std::clamp(page, 0, int(m_doc->pages.size()) - 1);
    updateControls();
    m_view->relayout();
    m_scroll->verticalScrollBar()->setValue(0);
}

void PreviewDialog::setZoom(double zoom)
{
    m_zoom = zoom;
    const int i = m_zoomBox->findData(zoom);
    if (i >= 0)
        m_zoomBox->setCurrentIndex(i);
    m_view->relayout();
}

void PreviewDialog::updateControls()
{
    const QSignalBlocker block(m_pageBox);
    m_pageBox->setValue(m_page + 1);
}

void PreviewDialog::exportPdf()
{
    QString path = m_fileDialogs.saveFile(QStringLiteral("Export To PDF"), exportFolder,
                                          QStringLiteral("PDF file (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    QProgressDialog progress(QStringLiteral("Exporting to PDF.."), QStringLiteral("Cancel"), 0,
                             int(m_doc->pages.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = writePdf(*m_doc, path, [&progress](int done, int) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty() && !progress.wasCanceled())
        m_messages.error(QStringLiteral("The PDF file could not be written:\r\n") + path +
                         QStringLiteral("\r\n") + error);
}

void PreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_doc->title);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(m_doc->pages.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = printDocument(*m_doc, printer);
    QApplication::restoreOverrideCursor();
    if (!ok)
        m_messages.error(QStringLiteral("The report could not be printed."));
}

} // namespace hb::reports
