#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace hb {

class LogConnection;

// A column a drop-down of a lookup list writes into.
struct LookupTarget
{
    const char* table;
    const char* column;
};

// One of the ten lookup lists: a table with a counter key and one text column, its name in the
// lookup editor, and the log columns its drop-downs fill.
struct LookupTable
{
    const char* table;
    const char* column;
    const char* editorName;
    std::vector<LookupTarget> targets;
};

// The ten lookup lists in the editor's order ("Storage Lockers" first).
const std::vector<LookupTable>& lookupTables();
const LookupTable* findLookupTable(const QString& table);

// The longest text a drop-down over `table`.`column` takes when it writes into
// `targetTable`.`targetColumn`: the smaller of the two column sizes (0 when neither is known).
int lookupMaxLength(const QString& table, const QString& column, const QString& targetTable,
                    const QString& targetColumn);
// The longest entry the lookup editor accepts for a list: the smallest of its own column and
// every column its drop-downs write into, so that every entry can be saved wherever it is
// chosen.
int lookupEntryLimit(const LookupTable& table);

// What a drop-down keeps of a typed text: cut to `maxLength` (when above 0), in capitals.
QString lookupText(const QString& typed, int maxLength);

// The entries of a list in table order (by key).
QStringList readLookup(LogConnection& log, const QString& table, const QString& column);
// Appends an entry; throws LogError with the engine's text when the log refuses it.
void addLookupEntry(LogConnection& log, const QString& table, const QString& column,
                    const QString& text);

// Which machine a maintenance component names: it contains "ENGINE" (engine 2 on a vessel with
// two engines when it also contains "STBD" or "STAR"), or it contains "GENERATOR" or is
// "GEN SET" (set 2 when it also contains "TWO").
enum class Component { Other, Engine1, Engine2, Generator1, Generator2 };
Component componentOf(const QString& text, bool twoEngines);

} // namespace hb
