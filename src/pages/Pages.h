#pragma once

#include <QString>

#include <vector>

namespace hb {

// The pages of the main window's page area.
enum class Page {
    Helmbk,
    TripTab,
    MaintTab,
    SchedMaint,
    FuelTab,
    InvTab,
    ProjTab,
    ContactTab,
    WatchMan,
    Waypoints,
    Guests,
    Crew,
    Suppliers,
    Services,
    Charts,
    Videos,
    Audios,
    Books,
    Galley,
    Battery,
    Reminders,
    ShopList,
    Expense,
    TripPlan,
    ExportLog,
    Setup
};

struct PageInfo
{
    Page page;
    const char* name;       // object name
    const char* caption;    // heading of the page
    const char* statusText; // first status bar panel when shown; empty: left as it is
    const char* helpTopic;
};

const std::vector<PageInfo>& pageTable();
const PageInfo& pageInfo(Page page);

// The sub-pages of the setup page.
enum class SubPage {
    OwnerSetup,
    VesselSetup,
    EngineSetup,
    GenWMSetup,
    TenderToysSetup,
    LookupEdit
};

} // namespace hb
