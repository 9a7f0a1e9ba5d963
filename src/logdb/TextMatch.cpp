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

int collateFolded(void*, int aSize, const void* a, int bSize, const void* b)
{
    return compareFolded(QByteArrayView(static_cast<const char*>(a), aSize),
                         QByteArrayView(static_cast<const char*>(b), bSize));
}

} // namespace

int compareFolded(QByteArrayView a, QByteArrayView b)
{
    if (isAscii(a) && isAscii(b)) {
        const qsizetype n = std::min(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char x = lower(a[i]), y = lower(b[i]);
            if (x != y)
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    const QByteArray x = QString::fromUtf8(a).toCaseFolded().toUtf8();
    const QByteArray y = QString::fromUtf8(b).toCaseFolded().toUtf8();
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool containsFolded(QByteArrayView text, QByteArrayView part)
{
    if (part.isEmpty())
        return true;
    if (isAscii(part) && isAscii(text)) {
        const auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                    [](char a, char b) { return lower(a) == lower(b); });
        return it != text.end();
    }
    // Upper case first: "ß" becomes "SS", as the search window writes it.
    return QString::fromUtf8(text).toUpper().toCaseFolded().contains(
        QString::fromUtf8(part).toUpper().toCaseFolded());
}

void addTextMatchFunction(sqlite3* db)
{
    sqlite3_create_function(db, "hb_contains", 2,
                            SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                            containsFunction, nullptr, nullptr);
    sqlite3_create_collation(db, "hb_nocase", SQLITE_UTF8, nullptr, collateFolded);
}

} // namespace hb
