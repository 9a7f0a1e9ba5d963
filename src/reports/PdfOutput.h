#pragma once

#include "reports/Layout.h"

#include <functional>

class QPrinter;

namespace hb::reports {

// Called after each page with the pages done and the pages to do (0 when not known yet);
// returning false cancels.
using PageProgress = std::function<bool(int done, int total)>;

// Writes the document as a PDF/A-1b file with searchable text and embedded font subsets. The
// file is written under a temporary name and renamed into place only when every page was
// painted, so `path` is either the whole document or left as it was. Returns the error text,
// empty on success.
QString writePdf(const Document& document, const QString& path, const PageProgress& progress = {});

// Prints pages fromPage..toPage (1-based, 0 = all) of the document on a printer set up by the
// print dialog; copies and duplex are the printer's. False when the printer failed.
bool printDocument(const Document& document, QPrinter& printer, const PageProgress& progress = {});

} // namespace hb::reports
