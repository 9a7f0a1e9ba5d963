#include "records/ShopList.h"

#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "pages/FieldBinder.h"
#include "records/InventoryKinds.h"

#include <QSqlError>
#include <QSqlQuery>

namespace hb {

namespace {

const QString Table = QStringLiteral("ShopList");

QVariant textOrNone(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

bool onShopList(LogConnection& log, const QString& itemName)
{
    if (itemName.isEmpty())
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("select 1 from ShopList where Archived = 0 and ItemName = :name "
                             "COLLATE hb_nocase limit 1"));
    LogConnection::bind(q, {{QStringLiteral(":name"), itemName}});
    if (!q.exec())
        throw LogError(LogConnection::engineText(q.lastError()));
    return q.next();
}

HandOff handToShopList(LogConnection& log, const ShopItem& item)
{
    if (onShopList(log, item.itemName))
        return HandOff::AlreadyListed;
    const struct
    {
        const char* column;
        const char* caption;
        const QString& text;
    } texts[] = {{"ItemName", "item name", item.itemName},
                 {"Description", "description", item.description},
                 {"ItemSize", "size", item.itemSize},
                 {"Vendor", "vendor", item.vendor}};
    for (const auto& t : texts) {
        const int size = FieldBinder::columnSize(Table, QString::fromLatin1(t.column));
        if (size > 0 && t.text.size() > size)
            throw LogError(QStringLiteral("\"%1\" was not put on the shopping list: its %2 is "
                                          "longer than the %3 characters the list keeps.")
                               .arg(item.itemName, QString::fromLatin1(t.caption))
                               .arg(size));
    }
    log.exec(QStringLiteral("insert into ShopList (ItemName, Description, ItemSize, NumItems, "
                            "Vendor, OnList, Archived) values (:name, :desc, :size, :num, "
                            ":vendor, :onList, 0)"),
             {{QStringLiteral(":name"), textOrNone(item.itemName)},
              {QStringLiteral(":desc"), textOrNone(item.description)},
              {QStringLiteral(":size"), textOrNone(item.itemSize)},
              {QStringLiteral(":num"), item.numItems},
              {QStringLiteral(":vendor"), textOrNone(item.vendor)},
              {QStringLiteral(":onList"), item.onList}});
    return HandOff::Added;
}

int removeFromShopList(LogConnection& log, const QString& itemName)
{
    return log.exec(QStringLiteral("delete from ShopList where Archived = 0 and ItemName = :name "
                                   "COLLATE hb_nocase"),
                    {{QStringLiteral(":name"), itemName}});
}

ShopItem shopItemFor(const InventoryKind& kind, const RecordSet& item)
{
    ShopItem s;
    auto text = [&item](const char* column) {
        return column ? item.text(QString::fromLatin1(column)) : QString();
    };
    s.itemName = text(kind.shop.itemName);
    s.description = text(kind.shop.description);
    s.itemSize = text(kind.shop.itemSize);
    s.vendor = text(kind.shop.vendor);
    const QString qty = QStringLiteral("InvNumFld3");
    if (!item.isNull(qty))
        s.numItems = item.integer(qty);
    return s;
}

int clearShopList(LogConnection& log)
{
    return log.exec(QStringLiteral("delete from ShopList where Archived = 0"));
}

} // namespace hb
