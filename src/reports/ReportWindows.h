#pragma once

#include <QDialog>
#include <QWidget>

class QCheckBox;

namespace hb::reports {

class ReportService;

// " Reports Selection": one button per report of the catalogue.
class CatalogueWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CatalogueWindow(ReportService& service, QWidget* parent = nullptr);
};

// "WorkSheet": one button per blank worksheet.
class WorksheetWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WorksheetWindow(ReportService& service, QWidget* parent = nullptr);
};

// "Export/Print Composite Logs": which logs go into the exported log, in their groups.
class ExportPage : public QWidget
{
    Q_OBJECT
public:
    explicit ExportPage(ReportService& service, QWidget* parent = nullptr);

    // "Export Logs": asks, then builds the document and shows it in the preview.
    void exportLogs();
    QCheckBox* checkBox(const QString& caption) const;

private:
    ReportService& m_service;
    std::vector<QCheckBox*> m_boxes; // in the export order
};

} // namespace hb::reports
