#pragma once

#include <QString>
#include <QVariantMap>

namespace hb {

// Prints one of the log's reports on the rows a page has chosen. The pages call it from their
// "Print" buttons with their current selection; the report library implements it and the main
// window hands it to the pages through the context.
class ReportPrinter
{
public:
    virtual ~ReportPrinter() = default;
    // report: the report's name in the catalogue ("Waypoints", "Battery", "Projects", ...);
    // sql and params: the select statement the page's list was read with, values bound.
    virtual void printReport(const QString& report, const QString& sql,
                             const QVariantMap& params) = 0;
};

} // namespace hb
