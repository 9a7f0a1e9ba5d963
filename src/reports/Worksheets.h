#pragma once

#include "reports/Layout.h"

#include <QStringList>

namespace hb::reports {

// A blank paper form for writing entries by hand: one labelled block repeated down a
// portrait page.
struct WorksheetDef
{
    QStringList buttons; // the window's buttons that print it
    QString title;
    // A label followed by a writing line; "Item 1:|Qty:" puts a second label on the line.
    QStringList labels;
    int columns = 1; // blocks across
    int rows = 1;    // blocks down
};

const std::vector<WorksheetDef>& worksheets();
const WorksheetDef* findWorksheet(const QString& button);

Document prepareWorksheet(const WorksheetDef& sheet, const QPageSize& pageSize);

} // namespace hb::reports
