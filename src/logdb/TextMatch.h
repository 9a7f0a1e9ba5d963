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
// Also adds the collation hb_nocase, for "order by Column COLLATE hb_nocase": text in order
// without regard to case for every letter, as the lists sort it.
void addTextMatchFunction(sqlite3* db);

// The comparison of hb_nocase: <0, 0 or >0.
int compareFolded(QByteArrayView a, QByteArrayView b);

} // namespace hb
