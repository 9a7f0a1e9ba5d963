#include "records/ContactKinds.h"

namespace hb {

namespace {

using B = ContactField::Box;

ListColumn col(const char* field, const char* title = nullptr,
               ColumnFormat format = ColumnFormat::Text)
{
    return {QString::fromLatin1(field), QString::fromLatin1(title ? title : field), format};
}

ListColumn noEntry(const char* field, const char* title)
{
    return col(field, title, ColumnFormat::DateOrNoEntry);
}

// Guests and crew share their boxes but for a few captions and hints.
std::vector<ContactField> personFields(const char* firstDate, const char* firstHint,
                                       const char* endHint, bool crew)
{
    std::vector<ContactField> f = {
        {"Name", "Full Name"},
        {"Nation", "Nationality"},
        {"Age", "Age", B::Number},
        {"Date1", "Birthday", B::Date},
        {"Date2", firstDate, B::Date, 0, firstHint},
        {"Date3", "End Date", B::Date, 0, endHint},
        {"Phone1", "Primary Phone"},
        {"Phone2", "Emerg. Phone"},
        {"EmerCont", "Emerg. Contact"},
        {"Email1", "Email"},
        {"ContWeb", "Web"},
        {"Passport", "Passport"},
        {"PassCntry", "Place Issued"},
        {"Date4", "Date Issued", B::Date},
        {"Date5", "Date Exp.", B::Date},
    };
    if (crew)
        f.insert(f.begin() + 6, {"CrewPosition", "Position"});
    return f;
}

std::vector<ContactField> companyFields(const char* product, bool productTypes)
{
    std::vector<ContactField> f = {
        {"Name", "Company Name"},
        {"EmerCont", "Contact Name"},
        {"Product", product, B::Text, 0, productTypes ? "major products offered" : nullptr},
        {"Phone1", "Primary Phone"},
        {"Phone2", "Secondary Phone"},
        {"Email1", "Email"},
        {"ContWeb", "Web"},
        {"Addr", "Address"},
        {"City", "City"},
        {"State", "State"},
        {"Phone3", "Postal Code", B::Text, 12},
        {"Country", "Country"},
        {"Notes", "Notes", B::Memo},
    };
    if (productTypes)
        f.insert(f.begin() + 3,
                 {"ProdType", "Product Types", B::Text, 0, "other products offered"});
    return f;
}

const SearchSpec PersonSearch{
    nullptr,
    {{"Birthday Dates", "Date1"}, {"Onboard Dates", "Date2"}},
    {{"Person's Name", "Name"}, {"Nationality", "Nation"}, {"Emerg. Contact Name", "EmerCont"}}};
const SearchSpec CompanySearch{nullptr,
                               {},
                               {{"Company Name", "Name"},
                                {"Products", "Product"},
                                {"Contact Name", "EmerCont"},
                                {"Country", "Country"}}};

std::vector<ContactKindInfo> makeKinds()
{
    std::vector<ContactKindInfo> k;
    k.push_back({
        1,
        Page::ContactTab,
        "Boat Contacts Log",
        "list of boat contacts",
        "Use this to keep track boats that you meet!",
        "Boat",
        "Archive Current Boat?",
        "Boat Contacts",
        "show Boat Contacts Log",
        "Boats",
        "Date1",
        {{"Date1", "Date", B::MeetDate, 0, "date boat contact entered"},
         {"MeetPl", "Meeting Place", B::Text, 0, "place first met boat"},
         {"Boat", "Boat Name"},
         {"BoatMdl", "Boat Type/Model"},
         {"Captain", "Captain"},
         {"Phone1", "Telephone"},
         {"Email1", "Email 1"},
         {"Email2", "Email 2"},
         {"ContWeb", "Web"},
         {"Notes", "Notes", B::Memo}},
        {col("Boat", "Boat Name"), col("BoatMdl", "Boat Model"), col("Captain"),
         col("Date1", "Meet Date", ColumnFormat::Date), col("Email1", "Email 1"),
         col("Email2", "Email 2"), col("Phone1", "Phone")},
        {nullptr,
         {{"Meet Dates", "Date1"}},
         {{"Meet Place", "MeetPl"},
          {"Boat Name", "Boat"},
          {"Captain", "Captain"},
          {"Notes", "Notes"}}},
        false,
    });
    k.push_back({
        2,
        Page::Guests,
        "Guests Log",
        "List of Guests",
        "Use this to keep track of guests on your vessel!",
        "Date2",
        "Archive Current Guest?",
        "Guest Log",
        "show Guests Log",
        "Guest",
        "Name",
        personFields("First Date", "date guest arrived", "date guest departed", false),
        {col("Name", "Guest Name"), col("Nation", "Nationality"), col("Age"),
         noEntry("Date1", "Birthday"), col("Phone1", "Primary Phone"),
         noEntry("Date2", "Arrive Date"), noEntry("Date3", "Depart Date"),
         col("EmerCont", "Emerg. Contact"), col("Phone2", "Emerg. Phone"), col("Passport"),
         col("PassCntry", "Place Issued"), noEntry("Date4", "Date Issued"),
         noEntry("Date5", "Pass Exp. Date")},
        PersonSearch,
    });
    k.push_back({
        3,
        Page::Crew,
        "Crew Log",
        "list of crew members",
        "Use this to keep track of crew!",
        "Date2",
        "Archive Current Crew?",
        "Crew Log",
        "show Crew Log",
        "Crew",
        "Name",
        personFields("Hire Date", "hire date for crew", "last date worked", true),
        {col("Name", "Crew Name"), col("Nation", "Nationality"), col("Age"),
         noEntry("Date1", "Birthday"), col("Phone1", "Primary Phone"),
         noEntry("Date2", "Hire Date"), noEntry("Date3", "End Date"),
         col("CrewPosition", "Position"), col("Email1", "Email"), col("Phone2", "Emerg. Phone"),
         col("EmerCont", "Emerg. Contact"), col("Passport"), col("PassCntry", "Place Issued"),
         noEntry("Date4", "Date Issued"), noEntry("Date5", "Exp. Date"),
         col("Archived", "Archived", ColumnFormat::Check)},
        PersonSearch,
    });
    k.push_back({
        4,
        Page::Suppliers,
        "Supplier Log",
        "list of suppliers",
        "Use this to keep track of suppliers!",
        "Name",
        "Archive Current Supplier?",
        "Supplier Log",
        "show Supplier Log",
        "Supplier",
        "Name",
        companyFields("Products", true),
        {col("Name", "Company"), col("Product"), col("ProdType", "Product Type"),
         col("EmerCont", "Contact Name"), col("Phone1", "Primary Phone"),
         col("Phone2", "Sec. Phone"), col("Addr"), col("City"), col("State"),
         col("Phone3", "Postal Code"), col("Email1", "Email"), col("Country")},
        CompanySearch,
    });
    k.push_back({
        5,
        Page::Services,
        "Services Log",
        "list of service providers",
        "Use this to keep track of service providers!",
        "Name",
        "Archive Current Services?",
        "Services Log",
        "show Services Log",
        "Service",
        nullptr,
        companyFields("Services", false),
        {col("Name", "Company Name"), col("Product", "Services"), col("EmerCont", "Contact Name"),
         col("Phone1", "Primary Phone"), col("Phone2", "Sec. Phone"), col("Addr", "Address"),
         col("City"), col("State"), col("Phone3", "Postal Code"), col("Email1", "Email"),
         col("Country")},
        CompanySearch,
    });
    return k;
}

} // namespace

const std::vector<ContactKindInfo>& contactKinds()
{
    static const std::vector<ContactKindInfo> kinds = makeKinds();
    return kinds;
}

const ContactKindInfo* contactKindOf(Page page)
{
    for (const ContactKindInfo& k : contactKinds()) {
        if (k.page == page)
            return &k;
    }
    return nullptr;
}

} // namespace hb
