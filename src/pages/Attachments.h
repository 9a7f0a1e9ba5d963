#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <list>

namespace hb {

class IniFile;
class LogConnection;

// Files attached to rows live in one folder (the settings' `Paths`/`picDocPath`); a row keeps
// only file names. A name read from a log may come from anywhere, so it is used only when it
// is a plain name of a file inside that folder.

// The picture and document folder, empty when none is set.
QString attachmentFolder(IniFile& settings);

// Whether a stored name is a plain file name: not empty, not "." or "..", no "/" or "\",
// no control characters, no leading or trailing blanks.
bool isPlainFileName(const QString& name);

// The file `name` inside `folder`, or empty when there is no folder, the name is not plain, or
// the path (links followed) does not lie inside the folder. The file need not exist.
QString attachmentPath(const QString& folder, const QString& name);

// A list of names kept in a memo column: one per line, each ended by "\r\n".
QStringList attachmentList(const QString& text);
QString attachmentListText(const QStringList& names);

// The size a picture is stored at: fitted within `bound` keeping its proportions; a picture
// that fits is kept as it is.
QSize fittedSize(const QSize& size, const QSize& bound = QSize(1024, 768));

// Why a file must not be handed to the desktop's program: empty when it is a regular file
// nobody may execute and is neither a desktop entry nor a script or program by its name or
// content.
QString refusalToOpen(const QString& path);

// How many saved rows of the log name this file in any attachment column or list.
int attachmentUses(LogConnection& log, const QString& name);

// Copies `from` into the folder under `name` through a temporary file that is renamed in, so
// a failed copy leaves nothing under the name; an existing file is never replaced. Returns the
// error text, empty on success.
QString copyIntoFolder(const QString& from, const QString& folder, const QString& name);

// Writes a picture fitted within 1024 by 768 into the folder under `name` (in the format its
// name asks for, through a temporary file). Returns the error text, empty on success.
QString storeFittedPicture(const QString& from, const QString& folder, const QString& name);

// Reads a picture scaled to fit `bound` (decoded at that size where the format allows), turned
// upright by its orientation tag, its format told by content whatever its name says. A null
// image when it cannot be read.
QImage readPicture(const QString& path, const QSize& bound = {});

// Thumbnails already read, by path, size and modification time; the least recently used go
// first once more than `capacity` are kept.
class ThumbnailCache
{
public:
    explicit ThumbnailCache(int capacity = 64) : m_capacity(capacity) {}
    QImage thumbnail(const QString& path, const QSize& bound);
    static ThumbnailCache& shared();

private:
    struct Entry
    {
        QString key;
        QImage image;
    };
    int m_capacity;
    std::list<Entry> m_entries; // most recent first
    QHash<QString, std::list<Entry>::iterator> m_index;
};

} // namespace hb
