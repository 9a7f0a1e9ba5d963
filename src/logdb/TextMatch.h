#pragma once

#include <QByteArrayView>

struct sqlite3;

namespace hb {

// Whether `text` contains `part`, without regard to case for every letter ("MÜLLER" is found
// in "Müller"); an empty part is found everywhere. Both are UTF-8.
bool containsFolded(QByteArrayView text, QByteArrayView part);

// Adds the SQL function hb_contains(text, part) to a connection: 1 when text contains part
// without regard to case, 0 when not, NULL when text is NULL. Searches use it instead of LIKE,
// which folds only A to Z and gives "%", "_" and the escape character meanings.
void addTextMatchFunction(sqlite3* db);

} // namespace hb
