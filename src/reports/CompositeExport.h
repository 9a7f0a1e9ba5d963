#pragma once

#include "reports/Catalogue.h"

#include <QImage>

namespace hb {
class Messages;
}

namespace hb::reports {

// One section of the whole-log export, in the order the document holds them.
struct ExportSection
{
    QString checkBox; // its check box on the export page
    QString group;    // the box's group
    bool ticked;      // ticked when the program starts
    QString report;   // the catalogue report that prints it
    QString title;    // its title page
    QString sql;      // the rows it prints
    // The error shown when its rows cannot be read (contacts and inventories); others show
    // a message composed from the section title.
    QString failure;
};

const std::vector<ExportSection>& exportSections();

// Called before each section (index into exportSections()) and once at the end with
// index == count; returning false cancels the export.
using ExportProgress = std::function<bool(int index, int count)>;

// Builds the composite document: a cover page with the vessel's name, then for each ticked
// section a title page and its report. A section whose rows cannot be read is left out with a
// message. Empty when cancelled.
std::optional<Document> buildExport(LogConnection& log, const std::vector<bool>& ticked,
                                    const ReportEnv& env, const QString& vesselName,
                                    const QImage& coverPicture, Messages& messages,
                                    const ExportProgress& progress = {});

} // namespace hb::reports
