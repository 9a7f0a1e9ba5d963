#pragma once

#include "reports/PageModel.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace hb {
class FileDialogs;
class Messages;
} // namespace hb

namespace hb::reports {

// Shows a prepared document one page at a time; a page is painted only when it is shown, so
// a document of thousands of pages opens at once. "Export PDF" at the top left, printing
// through the desktop's print dialog, zoom and page moves.
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    PreviewDialog(std::shared_ptr<const Document> document, Messages& messages,
                  FileDialogs& fileDialogs, QWidget* parent = nullptr);

    int currentPage() const { return m_page; } // 0-based
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

private:
    class PageView;
    void updateControls();

    std::shared_ptr<const Document> m_doc;
    Messages& m_messages;
    FileDialogs& m_fileDialogs;
    PageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageCount = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QComboBox* m_sections = nullptr;
    int m_page = 0;
    double m_zoom = 0;
};

} // namespace hb::reports
