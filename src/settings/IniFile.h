#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace hb {

// The per-user settings file: INI text, "[Section]" lines followed by "Key=Value" lines, every
// value text. Sections and keys match without regard to case; the first spelling written is
// the one kept. Values are stripped of surrounding blanks when read, as users expect of
// hand-edited INI files.
//
// Every write replaces the file at once and atomically (a temporary file renamed over the
// old one), so a crash never leaves a half-written file. Lines this class does not write
// (comments, blank lines) are kept as they are.
//
// A value holding a line break is stored with "%0D"/"%0A" for the breaks (and "%25" for "%")
// and read back as written, so it can never create a second key.
//
// A file that cannot be read, or that is not INI text (NUL bytes, lines that are neither a
// section, a key nor a comment), reads as empty: every read gives its default. Such a file
// is never overwritten: before the first write it is moved aside to "<name>.damaged" (or
// "<name>.damaged.<n>"), and a file that cannot be read at all is left alone with writes
// kept in memory for the session (`lastError()` tells why). Writes that cannot be saved (a
// folder that is gone, a full disk) are likewise kept in memory and tried again with the next
// write.
//
// None of this happens in silence: the first problem (a write that cannot be saved, a file that
// cannot be read, a damaged file moved aside) is told to the problem handler, once, with the
// file's name and the reason. After a write reaches the disk again, a new problem is told again.
class IniFile
{
public:
    explicit IniFile(const QString& path);

    QString path() const { return m_path; }

    // The stored text; when the key is missing or its value is empty, the default is written
    // under the key and returned.
    QString IniRead(const QString& section, const QString& key, const QString& defaultValue);
    // Stores the text at once.
    void IniWrite(const QString& section, const QString& key, const QString& value);

    // Reads without writing a default: empty when missing.
    QString peek(const QString& section, const QString& key);
    bool contains(const QString& section, const QString& key);
    QStringList sections();
    QStringList keys(const QString& section);

    // Forget what was read, so the next operation reads the disk again (after another program
    // or a copy replaced the file).
    void invalidate()
    {
        m_loaded = false;
        m_pending = false;
    }

    // Told once of a problem with the file (see above). A problem met before a handler is set
    // is told to the handler when it is set.
    void setProblemHandler(std::function<void(const QString&)> handler);

    // Why the last write did not reach the disk; empty after a good write.
    QString lastError() const { return m_lastError; }
    // The file could not be read or was not INI text when last loaded.
    bool damaged() const { return m_state != State::Good; }

private:
    enum class State { Good, Garbled, Unreadable };
    struct Line
    {
        QString key; // empty for a comment or blank line
        QString value;
        QString raw; // the line as read, for comments and blank lines
    };
    struct Section
    {
        QString name; // empty for lines before the first section
        std::vector<Line> lines;
    };

    void reload();
    void parse(const QByteArray& data);
    Line* find(const QString& section, const QString& key);
    bool save();
    void problem(const QString& text);

    QString m_path;
    std::vector<Section> m_sections;
    State m_state = State::Good;
    QString m_lastError;
    QString m_unreadableReason;
    // What was on disk when last read, to notice other programs' writes.
    QDateTime m_loadedModified;
    qint64 m_loadedSize = -1;
    bool m_loadedExists = false;
    bool m_loaded = false;
    // Writes that did not reach the disk: what is in memory counts until a save succeeds.
    bool m_pending = false;
    std::function<void(const QString&)> m_problemHandler;
    bool m_problemTold = false; // told since the last good write
    QString m_untoldProblem;    // met before a handler was set
};

} // namespace hb
