#pragma once

#include "pages/FieldKeys.h"
#include "pages/ListColumns.h"
#include "pages/Pages.h"
#include "pages/Selection.h"

#include <vector>

namespace hb {

// One box of an inventory page's detail panel, bound to a column of `Inventory`.
struct InvField
{
    enum class Box {
        Text,     // a line of text
        Number,   // a whole number
        Money,    // a sum of money
        Memo,     // several lines
        Location, // the storage-location drop-down (lookup list `Locations`)
        System,   // the general inventory's "System" drop-down (lookup `InvSystems`)
        Category, // the general inventory's "Category" drop-down (lookup `InvCatagory`)
        Supplier, // the general inventory's "Supplier" drop-down (suppliers, then providers)
        Date,     // a date box
        Check,    // a tick box
    };
    const char* column;
    const char* caption;
    Box box = Box::Text;
    int maxLength = 0; // 0: what the column holds
    const char* hint = nullptr;
};

// The shopping-list row an item of a kind becomes: which of the item's columns fill the
// list's item name, description, size and vendor (the number is the order quantity).
struct ShopMapping
{
    const char* itemName = nullptr; // none: the kind hands nothing to the list
    const char* description = nullptr;
    const char* itemSize = nullptr;
    const char* vendor = nullptr;
};

// Everything that tells one inventory from another: its page, texts, boxes, list, search, the
// shopping-list mapping and its extras. A new kind or a changed caption is an edit here.
struct InventoryKind
{
    int type; // the value of Inventory.InvType
    Page page;
    const char* heading;
    const char* listHint;
    const char* statusText;
    const char* archiveCaption;
    const char* buttonCaption; // the button that shows this kind on the other pages
    const char* buttonHint;
    const char* report; // the catalogue's report
    const char* word;   // what the chart page's shopping-list tick calls the kind
    std::vector<InvField> fields;
    ListColumns columns;
    SearchSpec search;
    ShopMapping shop;
    bool ordering = false;  // quantity ordered, order and ship dates, "Received"
    bool shopTick = false;  // the "Add To Shopping List?" tick adds and removes at once
    bool wheelMoves = true; // the mouse wheel moves the current row
};

// The six inventories in kind order (general first).
const std::vector<InventoryKind>& inventoryKinds();
// The kind of a page, or none.
const InventoryKind* inventoryKindOf(Page page);
const InventoryKind& inventoryKind(int type);

} // namespace hb
