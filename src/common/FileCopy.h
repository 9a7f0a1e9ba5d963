#pragma once

#include <QString>

namespace hb {

// Copies `from` to `to` byte for byte through a temporary file renamed into place, so that a
// failed copy never leaves a partial file under the name and the old file stays as it was.
// Returns the error text, empty on success.
QString copyFileSafely(const QString& from, const QString& to);

} // namespace hb
