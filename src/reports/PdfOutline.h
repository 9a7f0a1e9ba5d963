#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace hb::reports {

// A bookmark: its title and the page it opens (0-based).
struct OutlineEntry
{
    QString title;
    int page = 0;
};

// Adds bookmarks to a complete PDF as an incremental update (new objects, a new catalog that
// names them, an xref section and a trailer appended; the bytes before are unchanged). Returns
// the new file, or the PDF as it was when there are no entries or its structure is not one
// this understands (a classic xref table, a flat page tree).
QByteArray withOutline(const QByteArray& pdf, const std::vector<OutlineEntry>& entries);

} // namespace hb::reports
