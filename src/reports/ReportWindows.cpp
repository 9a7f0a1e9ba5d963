#include "reports/ReportWindows.h"

#include "common/Messages.h"
#include "reports/Catalogue.h"
#include "reports/CompositeExport.h"
#include "reports/ReportService.h"
#include "reports/Worksheets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb::reports {

namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& hint = {})
{
    auto* b = new QPushButton(text, parent);
    b->setAccessibleName(text);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setAccessibleName(text);
    return l;
}

} // namespace

CatalogueWindow::CatalogueWindow(ReportService& service, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Reports Selection"));
    setAccessibleName(QStringLiteral("Reports Selection"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(this, QStringLiteral("Select The Report")));
    auto* grid = new QGridLayout;
    int i = 0;
    for (const ReportDef& report : catalogue()) {
        // The scheduled maintenance report's button carries the report's full title.
        const QString text =
            report.hint.startsWith(QLatin1String("Click to enter")) ? report.title : report.button;
        QPushButton* b = button(this, text, report.hint);
        b->setObjectName(report.button);
        connect(b, &QPushButton::clicked, this, [&service, &report] { service.runReport(report); });
        grid->addWidget(b, i / 5, i % 5);
        ++i;
    }
    layout->addLayout(grid);
    QPushButton* close = button(this, QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

WorksheetWindow::WorksheetWindow(ReportService& service, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("WorkSheet"));
    setAccessibleName(QStringLiteral("WorkSheet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(this, QStringLiteral("Select Worksheet To Print")));
    auto* grid = new QGridLayout;
    int i = 0;
    for (const WorksheetDef& sheet : worksheets()) {
        for (const QString& text : sheet.buttons) {
            QPushButton* b = button(this, text, sheet.title);
            b->setObjectName(text);
            connect(b, &QPushButton::clicked, this,
                    [&service, &sheet] { service.printWorksheet(sheet); });
            grid->addWidget(b, i / 4, i % 4);
            ++i;
        }
    }
    layout->addLayout(grid);
    QPushButton* exit = button(this, QStringLiteral("Exit"));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(exit, 0, Qt::AlignRight);
}

ExportPage::ExportPage(ReportService& service, QWidget* parent)
    : QWidget(parent), m_service(service)
{
    setAccessibleName(QStringLiteral("Export/Print Composite Logs"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(this, QStringLiteral("Export/Print Composite Logs")));
    auto* groups = new QHBoxLayout;
    QGroupBox* group = nullptr;
    QVBoxLayout* inGroup = nullptr;
    for (const ExportSection& s : exportSections()) {
        if (!group || group->title() != s.group) {
            group = new QGroupBox(s.group, this);
            group->setAccessibleName(s.group);
            inGroup = new QVBoxLayout(group);
            groups->addWidget(group, 0, Qt::AlignTop);
        }
        auto* box = new QCheckBox(s.checkBox, group);
        box->setAccessibleName(s.checkBox);
        box->setChecked(s.ticked);
        inGroup->addWidget(box);
        m_boxes.push_back(box);
    }
    for (QVBoxLayout* l : findChildren<QVBoxLayout*>()) {
        if (l != layout)
            l->addStretch();
    }
    layout->addLayout(groups);
    QPushButton* go = button(this, QStringLiteral("Export Logs"),
                             QStringLiteral("click when ready to generate report"));
    go->setObjectName(QStringLiteral("ExportBtn"));
    connect(go, &QPushButton::clicked, this, &ExportPage::exportLogs);
    layout->addWidget(go, 0, Qt::AlignHCenter);
    layout->addStretch();
}

QCheckBox* ExportPage::checkBox(const QString& caption) const
{
    for (QCheckBox* b : m_boxes) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

void ExportPage::exportLogs()
{
    const auto answer = m_service.messages().show(
        Messages::Kind::Information,
        QStringLiteral("Exporting to a PDF file that can be read by Adobe's Acrobat reader "
                       "program can create\r\na large log!  While this is OK for viewing the log, "
                       "it may create more pages than you wish\r\nto print.  Are you sure you "
                       "would like to export your log file now?"),
        Messages::Buttons::YesNo);
    if (answer != Messages::Answer::Yes)
        return;
    std::vector<bool> ticked;
    for (QCheckBox* b : m_boxes)
        ticked.push_back(b->isChecked());
    m_service.exportLog(ticked);
}

} // namespace hb::reports
