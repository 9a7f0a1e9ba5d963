#include "records/InventoryKinds.h"

#include <stdexcept>

namespace hb {

namespace {

using B = InvField::Box;

ListColumn col(const char* field, const char* title = nullptr,
               ColumnFormat format = ColumnFormat::Text)
{
    return {QString::fromLatin1(field), QString::fromLatin1(title ? title : field), format};
}

// The boxes every kind but the general one shares after its own texts.
std::vector<InvField> withOrdering(std::vector<InvField> fields,
                                   const char* dateCaption = "Order Date")
{
    fields.push_back({"InvDate", dateCaption, B::Date});
    fields.push_back({"InvNumFld1", "Qty. On Hand", B::Number});
    fields.push_back({"InvNumFld2", "Min", B::Number, 0, "desired min qty"});
    fields.push_back({"InvNumFld3", "Order Qty", B::Number});
    fields.push_back({"InvTF1", "Order", B::Check, 0, "is this on order?"});
    return fields;
}

// The list's closing columns of kinds 2 to 6.
ListColumns withQuantities(ListColumns columns, const char* orderTitle)
{
    columns.push_back(col("InvNumFld1", "On Hand"));
    columns.push_back(col("InvNumFld2", "Min"));
    columns.push_back(col("InvNumFld3", orderTitle));
    columns.push_back(col("InvTF1", "Order?", ColumnFormat::Check));
    columns.push_back(col("InvTF2", "Shop List", ColumnFormat::Check));
    return columns;
}

// Videos, audios and books share the list's layout; only four titles differ.
ListColumns mediaColumns(const char* fld1, const char* fld5, const char* fld6, const char* fld7)
{
    return withQuantities({col("ItemName", "Title"), col("Location"), col("InvTxtFld1", fld1),
                           col("InvTxtFld2", "Catagory"), col("InvTxtFld3", "Media"),
                           col("InvDate", "Date", ColumnFormat::Date), col("InvTxtFld4", "Vendor"),
                           col("InvTxtFld5", fld5), col("InvTxtFld6", fld6),
                           col("InvTxtFld7", fld7)},
                          "Ord. Qty.");
}

SearchSpec mediaSearch(const char* fld1Caption, const char* fld2Caption)
{
    return {nullptr,
            {{"Order Dates", "InvDate"}},
            {{"Title", "ItemName"},
             {"location", "Location"},
             {fld1Caption, "InvTxtFld1"},
             {fld2Caption, "InvTxtFld2"}}};
}

std::vector<InventoryKind> makeKinds()
{
    std::vector<InventoryKind> k;
    k.push_back({
        1,
        Page::InvTab,
        "General Inventory",
        "list of items in general inventory",
        "Use this to keep track of general items on your vessel.",
        "Archive Inventory Item?",
        "General Inventory",
        "show General Inventory",
        "Gen. Inv.",
        "General Item",
        {{"ItemName", "Item Description"},
         {"Location", "Item Location", B::Location},
         {"InvTxtFld1", "System", B::System, 30},
         {"InvTxtFld2", "Category", B::Category, 30},
         {"InvTxtFld3", "Supplier", B::Supplier},
         {"InvTxtFld4", "Purpose"},
         {"InvNumFld1", "On Hand", B::Number},
         {"InvNumFld2", "Min Level", B::Number, 0, "enter num items desired"},
         {"UOM", "Units"},
         {"GenInv_PartNo", "Part No."},
         {"InvReal1", "Unit Cost", B::Money},
         {"InvTF2", "On Order", B::Check, 0, "Check this to show item is Ordered"},
         {"InvNumFld3", "Qty Ord", B::Number},
         {"InvDate", "Order Date", B::Date},
         {"InvShipDate", "Ship Date", B::Date},
         {"GenInv_Notes", "Notes", B::Memo}},
        {col("ItemName"), col("Location"), col("InvTxtFld1", "System"),
         col("InvTxtFld2", "Catagory"), col("InvTxtFld4", "Purpose"), col("InvNumFld1", "On Hand"),
         col("UOM"), col("InvNumFld2", "Target"), col("InvTxtFld3", "Supplier"),
         col("GenInv_PartNo", "Part No"), col("InvReal1", "Cost", ColumnFormat::Money),
         col("InvDate", "Inv Date", ColumnFormat::Date),
         col("InvShipDate", "Ship Date", ColumnFormat::Date)},
        {"Search General Inventory",
         {},
         {{"Description", "ItemName"},
          {"location", "Location"},
          {"System", "InvTxtFld1"},
          {"Catagory", "InvTxtFld2"}}},
        {},
        true,
        false,
        true,
    });
    k.push_back({
        2,
        Page::Charts,
        "Chart Inventory",
        "list of charts in inventory",
        "Use this to keep track of charts on your vessel.",
        "Archive Current Chart?",
        "Chart Log",
        "show Charts Inventory",
        "Chart",
        "Chart",
        withOrdering({{"ItemName", "Description"},
                      {"Location", "Location", B::Location, 30},
                      {"InvTxtFld1", "Publisher", B::Text, 25},
                      {"InvTxtFld2", "Region", B::Text, 25},
                      {"InvTxtFld3", "Scale", B::Text, 10},
                      {"InvTxtFld4", "Vendor", B::Text, 25},
                      {"InvTxtFld5", "Supplier", B::Text, 25},
                      {"InvTxtFld6", "Catalog Num.", B::Text, 15},
                      {"InvTxtFld7", "Serial Num.", B::Text, 15},
                      {"InvTxtFld8", "Edition", B::Text, 15},
                      {"InvTxtFld9", "Datum", B::Text, 10}}),
        withQuantities({col("ItemName", "Description"), col("Location"),
                        col("InvTxtFld2", "Region"), col("InvTxtFld3", "Scale"),
                        col("InvDate", "Date", ColumnFormat::Date), col("InvTxtFld4", "Vendor"),
                        col("InvTxtFld5", "Supplier"), col("InvTxtFld6", "Catalog Num"),
                        col("InvTxtFld7", "Serial Num"), col("InvTxtFld8", "Edition"),
                        col("InvTxtFld9", "Datum")},
                       "Ord. Qty"),
        {nullptr,
         {{"Order Dates", "InvDate"}},
         {{"Description", "ItemName"},
          {"location", "Location"},
          {"Publisher", "InvTxtFld1"},
          {"Vendor", "InvTxtFld4"}}},
        {"ItemName", "InvTxtFld2", "InvTxtFld6", "InvTxtFld5"},
        false,
        true,
        true,
    });
    k.push_back({
        3,
        Page::Videos,
        "Video Inventory",
        "list of videos in inventory",
        "Use this to keep track of videos on your vessel.",
        "Archive Current Video?",
        "Video Log",
        "show Video Inventory",
        "Video",
        "Video",
        withOrdering({{"ItemName", "Title"},
                      {"Location", "Location", B::Location, 30},
                      {"InvTxtFld1", "Stars"},
                      {"InvTxtFld2", "Category", B::Text, 25},
                      {"InvTxtFld3", "Media", B::Text, 10},
                      {"InvTxtFld4", "Vendor", B::Text, 25},
                      {"InvTxtFld5", "Producer", B::Text, 25},
                      {"InvTxtFld6", "Runtime", B::Text, 15},
                      {"InvTxtFld7", "Format", B::Text, 15, "format 4:3 or 16:9"}}),
        mediaColumns("Stars", "Producer", "Run Time", "Format"),
        mediaSearch("Stars", "Catagory"),
        {"ItemName", "InvTxtFld2", "InvTxtFld3", "InvTxtFld4"},
    });
    k.push_back({
        4,
        Page::Audios,
        "Audio Inventory",
        "list of audio recordings",
        "Use this to keep track of audios on your vessel.",
        "Archive Current Audio?",
        "Audio Log",
        "show Audio Inventory",
        "Audio",
        "Audio",
        withOrdering({{"ItemName", "Title"},
                      {"Location", "Location", B::Location, 30},
                      {"InvTxtFld1", "Artist", B::Text, 25},
                      {"InvTxtFld2", "Category", B::Text, 20},
                      {"InvTxtFld3", "Media", B::Text, 10, "recorded media, tape, CD etc"},
                      {"InvTxtFld4", "Vendor", B::Text, 25},
                      {"InvTxtFld5", "Label", B::Text, 25},
                      {"InvTxtFld6", "Tracks", B::Number, 5, "number of track or songs"},
                      {"InvTxtFld7", "Cat Num.", B::Text, 10}}),
        mediaColumns("Artist", "Label", "Tracks", "Catalog Num"),
        mediaSearch("Artist", "Catagory"),
        {"ItemName", "InvTxtFld1", "InvTxtFld2", "InvTxtFld4"},
    });
    k.push_back({
        5,
        Page::Books,
        "Book Inventory",
        "list of books in inventory",
        "Use this to keep track of books on your vessel.",
        "Archive Current Book?",
        "Book Log",
        "show Book Inventory",
        "Book",
        "Book",
        withOrdering(
            {{"ItemName", "Title"},
             {"Location", "Location", B::Location, 30},
             {"InvTxtFld1", "Author", B::Text, 25},
             {"InvTxtFld2", "Category", B::Text, 25, "book catagory- crime, medical, love etc"},
             {"InvTxtFld3", "Media", B::Text, 10, "book media, PB=paperback, HC=hard cover"},
             {"InvTxtFld4", "Vendor", B::Text, 25},
             {"InvTxtFld5", "Publisher", B::Text, 25},
             {"InvTxtFld6", "Length", B::Text, 15, "num pages"},
             {"InvTxtFld7", "Format", B::Text, 15}}),
        mediaColumns("Author", "Publisher", "Length", "Format"),
        mediaSearch("Author", "Catagory"),
        {"ItemName", "InvTxtFld1", "InvTxtFld2", "InvTxtFld4"},
    });
    k.push_back({
        6,
        Page::Galley,
        "Galley Inventory",
        "galley item list",
        "Use this to keep track of galley items on your vessel.",
        "Archive Current Galley Item?",
        "Galley Log",
        "show Galley Inventory",
        "Galley",
        "Galley Item",
        withOrdering({{"ItemName", "Description"},
                      {"Location", "Location", B::Location, 30},
                      {"InvTxtFld1", "Brand", B::Text, 25},
                      {"InvTxtFld2", "Size", B::Text, 10, "container size"},
                      {"InvTxtFld3", "Vendor", B::Text, 25},
                      {"InvTxtFld5", "Aisle", B::Text, 15, "grocery isle"}},
                     "OrderDate"),
        withQuantities({col("ItemName", "Item Name"), col("Location"), col("InvTxtFld1", "Brand"),
                        col("InvTxtFld2", "Size"), col("InvTxtFld3", "Vendor"),
                        col("InvDate", "Date", ColumnFormat::Date), col("InvTxtFld5", "Aisle")},
                       "Ord. Qty."),
        {nullptr,
         {{"Order Dates", "InvDate"}},
         {{"Description", "ItemName"},
          {"location", "Location"},
          {"Brand", "InvTxtFld1"},
          {"Vendor", "InvTxtFld3"}}},
        {"ItemName", "InvTxtFld1", "InvTxtFld2", "InvTxtFld3"},
        false,
        false,
        false,
    });
    return k;
}

} // namespace

const std::vector<InventoryKind>& inventoryKinds()
{
    static const std::vector<InventoryKind> kinds = makeKinds();
    return kinds;
}

const InventoryKind* inventoryKindOf(Page page)
{
    for (const InventoryKind& k : inventoryKinds()) {
        if (k.page == page)
            return &k;
    }
    return nullptr;
}

const InventoryKind& inventoryKind(int type)
{
    if (type < 1 || type > int(inventoryKinds().size()))
        throw std::out_of_range("no inventory kind");
    return inventoryKinds()[size_t(type - 1)];
}

} // namespace hb
