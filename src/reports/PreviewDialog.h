#pragma once

#include "reports/Layout.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolButton;

namespace hb {
class FileDialogs;
class Messages;
} // namespace hb

namespace hb::reports {

// Shows a prepared document one page at a time. A page is laid out and painted only when it
// is shown, so a document of thousands of pages opens at once; the rest of the document is
// laid out in short slices while the window is idle, only to count its pages and note where
// each starts. "Export PDF" at the top left, printing through the desktop's print dialog,
// zoom and page moves.
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    PreviewDialog(std::shared_ptr<const Document> document, Messages& messages,
                  FileDialogs& fileDialogs, QWidget* parent = nullptr);

    ~PreviewDialog() override;

    int currentPage() const { return m_page; } // 0-based
    // The document's pages, laying out the rest of it first when not counted yet.
    int pageCount();
    // Pages counted so far, and whether that is all of them.
    int pagesCounted() const { return int(m_marks.size()); }
    bool counted() const { return m_counted; }
    // The page shown.
    const Page& shownPage() const { return m_shown; }
    void showPage(int page);
    // Zoom as a factor of the page's printed size; 0 fits the page's width to the window.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    const Document& document() const { return *m_doc; }

    // "Export PDF": asks for a file and writes the document to it.
    void exportPdf();
    void print();
    // Where "Export PDF" suggests saving.
    QString exportFolder;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class PageView;
    void updateControls();
    // Counts pages until page `index` (0-based) is known; false when the document ends first.
    bool countTo(int index);
    bool countOne();
    void countSlice();

    std::shared_ptr<const Document> m_doc;
    Messages& m_messages;
    FileDialogs& m_fileDialogs;
    PageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageCount = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QComboBox* m_sections = nullptr;
    std::unique_ptr<Pager> m_counter;
    std::vector<Pager::Mark> m_marks; // where each page counted so far starts
    bool m_counted = false;
    std::vector<int> m_sectionParts; // the part each section starts with
    std::vector<int> m_sectionPages; // its first page, -1 until counted
    QTimer* m_slices = nullptr;
    Page m_shown;
    int m_page = 0;
    double m_zoom = 0;
};

} // namespace hb::reports
