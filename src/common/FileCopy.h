#pragma once

#include <QString>

namespace hb {

// Copies `from` to `to` byte for byte through a temporary file in `to`'s folder that is
// renamed over the name, so that a failed copy never leaves a partial file under the name and
// the old file stays as it was. When `to` is a symbolic link, the link itself is replaced: the
// file it points to is never written. The copy is flushed to the disk before the rename.
// Returns the error text, empty on success.
QString copyFileSafely(const QString& from, const QString& to);

// Like copyFileSafely, but never replaces anything at `to` (a file, a link, even a dangling
// one): the copy appears under the name complete or not at all. Returns the error text, empty
// on success.
QString copyFileIfAbsent(const QString& from, const QString& to);

// A write beyond the process's file-size limit kills the process (SIGXFSZ) unless the signal
// is ignored; ignored, the write fails with "File too large" and is reported like a full disk.
// Called once at the start of the program.
void ignoreFileSizeLimitSignal();

} // namespace hb
