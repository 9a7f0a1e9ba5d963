#pragma once

#include <QByteArray>
#include <QStringList>

namespace hb {

// One CSV record (RFC 4180): fields with a comma, a double quote or a line break are quoted,
// double quotes doubled; lines end with CR LF. UTF-8.
QByteArray csvRecord(const QStringList& fields);

// Writes a CSV file through a temporary file, replacing `path` only when it is complete.
// Returns an empty string or the reason it failed.
QString writeCsvFile(const QString& path, const QByteArray& content);

} // namespace hb
