#include "reports/PreviewDialog.h"

#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "reports/PdfOutput.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
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
#include <QTimer>
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
        const Page& page = m_owner.m_shown;
        double zoom = m_owner.m_zoom;
        if (zoom <= 0) {
            const int avail = m_owner.m_scroll->viewport()->width() - 20;
            return std::max(0.05, avail / page.size.width());
        }
        return zoom * logicalDpiX() / UnitsPerInch;
    }
    void relayout()
    {
        const Page& page = m_owner.m_shown;
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
        paintPage(painter, m_owner.m_shown, index + 1, scale());
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
    m_pageBox->setRange(1, 1);
    m_pageBox->setAccessibleName(QStringLiteral("Page number"));
    m_pageCount = new QLabel(this);
    m_pageCount->setObjectName(QStringLiteral("PageCount"));
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
    for (size_t i = 0; i < m_doc->parts.size(); ++i) {
        if (!m_doc->parts[i].section.isEmpty())
            m_sectionParts.push_back(int(i));
    }
    m_sectionPages.assign(m_sectionParts.size(), -1);
    if (!m_sectionParts.empty()) {
        m_sections = new QComboBox(this);
        m_sections->setAccessibleName(QStringLiteral("Sections"));
        m_sections->addItem(QStringLiteral("Go to section.."), -1);
        for (size_t i = 0; i < m_sectionParts.size(); ++i)
            m_sections->addItem(m_doc->parts[size_t(m_sectionParts[i])].section, int(i));
        bar->addWidget(m_sections);
        connect(m_sections, &QComboBox::activated, this, [this](int i) {
            const int section = m_sections->itemData(i).toInt();
            if (section < 0)
                return;
            while (m_sectionPages[size_t(section)] < 0 && countOne()) {
            }
            if (m_sectionPages[size_t(section)] >= 0)
                showPage(m_sectionPages[size_t(section)]);
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
    // "Page Width" follows the window: the page is sized again whenever the viewport is.
    m_scroll->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    resize(1000, 760);

    connect(exportBtn, &QToolButton::clicked, this, &PreviewDialog::exportPdf);
    connect(printBtn, &QToolButton::clicked, this, &PreviewDialog::print);
    connect(first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(prior, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(next, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(last, &QToolButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    connect(m_zoomBox, &QComboBox::activated, this,
            [this](int i) { setZoom(m_zoomBox->itemData(i).toDouble()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_counter = std::make_unique<Pager>(*m_doc);
    m_slices = new QTimer(this);
    m_slices->setInterval(0);
    connect(m_slices, &QTimer::timeout, this, &PreviewDialog::countSlice);
    showPage(0);
    if (!m_counted)
        m_slices->start();
}

PreviewDialog::~PreviewDialog() = default;

bool PreviewDialog::countOne()
{
    if (m_counted)
        return false;
    Page page;
    if (!m_counter->next(page)) {
        m_counted = true;
        m_slices->stop();
        updateControls();
        return false;
    }
    const Pager::Mark& mark = m_counter->mark();
    for (size_t i = 0; i < m_sectionParts.size(); ++i) {
        if (m_sectionParts[i] == mark.part && m_sectionPages[i] < 0)
            m_sectionPages[i] = int(m_marks.size());
    }
    m_marks.push_back(mark);
    return true;
}

bool PreviewDialog::countTo(int index)
{
    while (int(m_marks.size()) <= index) {
        if (!countOne())
            return false;
    }
    return true;
}

int PreviewDialog::pageCount()
{
    if (!m_counted) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        while (countOne()) {
        }
        QApplication::restoreOverrideCursor();
    }
    return int(m_marks.size());
}

void PreviewDialog::countSlice()
{
    // A slice short enough to keep the window responsive.
    QElapsedTimer slice;
    slice.start();
    while (slice.elapsed() < 20 && countOne()) {
    }
    updateControls();
}

void PreviewDialog::showPage(int page)
{
    if (!countTo(std::max(0, page)) && m_marks.empty())
        return;
    m_page = std::clamp(page, 0, int(m_marks.size()) - 1);
    Pager pager(*m_doc);
    pager.seek(m_marks[size_t(m_page)], m_page);
    pager.next(m_shown);
    updateControls();
    m_view->relayout();
    m_scroll->verticalScrollBar()->setValue(0);
}

bool PreviewDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom <= 0)
        m_view->relayout();
    return QDialog::eventFilter(watched, event);
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
    const int known = int(m_marks.size());
    // While pages are still being counted, any page number may be asked for.
    m_pageBox->setRange(1, m_counted ? std::max(1, known) : std::numeric_limits<int>::max());
    m_pageBox->setValue(m_page + 1);
    m_pageCount->setText(m_counted ? QStringLiteral("of %1").arg(known)
                                   : QStringLiteral("of %1+").arg(known));
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
                             m_counted ? int(m_marks.size()) : 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = writePdf(*m_doc, path, [&progress](int done, int total) {
        if (total > 0)
            progress.setMaximum(total);
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
    dialog.setMinMax(1, pageCount());
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
