#pragma once

#include <QString>
#include <QVariant>

namespace hb {

class LogConnection;
struct InventoryKind;
class RecordSet;

// A row for the shopping list.
struct ShopItem
{
    QString itemName;
    QString description;
    QString itemSize;
    QVariant numItems; // a whole number, or none
    QString vendor;
    bool onList = false;
};

// Whether the active shopping list (rows not archived) holds an item of this name, letter
// case ignored.
bool onShopList(LogConnection& log, const QString& itemName);

enum class HandOff { Added, AlreadyListed };

// Puts an item on the shopping list unless the active list holds one of that name already.
// Throws LogError with a text for the user when the item cannot be listed (a name longer than
// the list keeps, or the log's refusal); nothing is written then.
HandOff handToShopList(LogConnection& log, const ShopItem& item);

// Deletes the active rows of that name (letter case ignored); returns how many.
int removeFromShopList(LogConnection& log, const QString& itemName);

// The shopping-list row the current item of a record set over `Inventory` becomes, by its
// kind's mapping (the number is the order quantity).
ShopItem shopItemFor(const InventoryKind& kind, const RecordSet& item);

// Deletes every active item; returns how many. Archived items stay.
int clearShopList(LogConnection& log);

} // namespace hb
