#pragma once

#include "reports/Layout.h"
#include "reports/ReportData.h"

#include <QDateTime>

#include <functional>

namespace hb {
class Formats;
class LogConnection;
} // namespace hb

namespace hb::reports {

// What a report needs besides its rows.
struct ReportEnv
{
    const Formats& formats;
    QDateTime printedAt;
    // The page header's title box: the vessel's name (the log's name when it has none).
    QString titleBox;
    bool secondEngine = true; // the vessel has a second engine (BoatInfo.Eng2 not empty)
    QPageSize pageSize = QPageSize(QPageSize::Letter);

    // "[Date] [Time]" of the page footer.
    QString footerDateTime() const;
    // Reads the vessel's name and second engine from the log.
    static ReportEnv forLog(LogConnection& log, const Formats& formats, const QDateTime& now);
};

// One report of the catalogue.
struct ReportDef
{
    QString button;    // its button in the catalogue window
    QString title;     // the report title band
    QStringList names; // other names pages print it by
    QString hint = QStringLiteral("click to start report");
    // The rows the report prints when run from the catalogue: its log's normal selection.
    QString sql;
    // Appends the report to the document, to be laid out into pages when they are asked for;
    // the rows must be kept by the document (Document::keep).
    std::function<void(Document&, const Rows&, const ReportEnv&)> lay;

    bool matches(const QString& name) const;
};

// The reports in the catalogue's order.
const std::vector<ReportDef>& catalogue();
// By button label, title or other name, without regard to case; null when unknown.
const ReportDef* findReport(const QString& name);

// Reads the rows with sql/params and lays the report out into a new document.
Document prepareReport(LogConnection& log, const ReportDef& report, const QString& sql,
                       const QVariantMap& params, const ReportEnv& env);

} // namespace hb::reports
