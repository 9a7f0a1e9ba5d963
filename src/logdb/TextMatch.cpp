#include "logdb/TextMatch.h"

#include <QString>

#include <sqlite3.h>

#include <algorithm>

namespace hb {

namespace {

bool isAscii(QByteArrayView s)
{
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

void containsFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const int textSize = sqlite3_value_bytes(args[0]);
    const auto* part = reinterpret_cast<const char*>(sqlite3_value_text(args[1]));
    const int partSize = part ? sqlite3_value_bytes(args[1]) : 0;
    sqlite3_result_int(
        context,
        containsFolded(QByteArrayView(text, textSize), QByteArrayView(part, partSize)) ? 1 : 0);
}

} // namespace

bool containsFolded(QByteArrayView text, QByteArrayView part)
{
    if (part.isEmpty())
        return true;
    if (isAscii(part) && isAscii(text)) {
        const auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                    [](char a, char b) { return lower(a) == lower(b); });
        return it != text.end();
    }
    return QString::fromUtf8(text).toCaseFolded().contains(QString::fromUtf8(part).toCaseFolded());
}

void addTextMatchFunction(sqlite3* db)
{
    sqlite3_create_function(db, "hb_contains", 2,
                            SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                            containsFunction, nullptr, nullptr);
}

} // namespace hb
