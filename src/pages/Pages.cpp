#include "pages/Pages.h"

namespace hb {

const std::vector<PageInfo>& pageTable()
{
    static const std::vector<PageInfo> pages = {
        {Page::Helmbk, "Helmbk", "Helmbook", "Helmbook", "cover"},
        {Page::TripTab, "TripTab", "Trip Log", "Enter information about trips on your vessel",
         "later"},
        {Page::MaintTab, "MaintTab", "Maintenance Log",
         "Enter information about maintenance done to your vessel.", "later"},
        {Page::SchedMaint, "SchedMaint", "Scheduled Maintenance",
         "Enter information about scheduled maintenance done to your vessel.", "later"},
        {Page::FuelTab, "FuelTab", "Fuel Log",
         "The fuel log keeps track of fuel usage and calculates fuel economy.", "later"},
        {Page::InvTab, "InvTab", "General Inventory",
         "Use this to keep track of general items on your vessel.", "later"},
        {Page::ProjTab, "ProjTab", "Projects", "Use this page to keep track of vessel projects.",
         "later"},
        {Page::ContactTab, "ContactTab", "Boats Met", "Use this to keep track boats that you meet!",
         "later"},
        {Page::WatchMan, "WatchMan", "Watch Entries", "", "later"},
        {Page::Waypoints, "Waypoints", "Waypoints", "", "later"},
        {Page::Guests, "Guests", "Guests", "Use this to keep track of guests on your vessel!",
         "later"},
        {Page::Crew, "Crew", "Crew", "Use this to keep track of crew!", "later"},
        {Page::Suppliers, "Suppliers", "Suppliers", "Use this to keep track of suppliers!",
         "later"},
        {Page::Services, "Services", "Service Providers",
         "Use this to keep track of service providers!", "later"},
        {Page::Charts, "Charts", "Chart Inventory",
         "Use this to keep track of charts on your vessel.", "later"},
        {Page::Videos, "Videos", "Video Inventory",
         "Use this to keep track of videos on your vessel.", "later"},
        {Page::Audios, "Audios", "Audio Inventory",
         "Use this to keep track of audios on your vessel.", "later"},
        {Page::Books, "Books", "Book Inventory", "Use this to keep track of books on your vessel.",
         "later"},
        {Page::Galley, "Galley", "Galley Inventory",
         "Use this to keep track of galley items on your vessel.", "later"},
        {Page::Battery, "Battery", "Battery Log", "", "later"},
        {Page::Reminders, "Reminders", "Reminders",
         "Enter reminder information you want to be alerted to..", "later"},
        {Page::ShopList, "ShopList", "Shopping List",
         "Use this to make a shopping list on your vessel.", "later"},
        {Page::Expense, "Expense", "Expenses", "Enter your vessel expenses here.", "later"},
        {Page::TripPlan, "TripPlan", "Trip Planner", "", "later"},
        {Page::ExportLog, "ExportLog", "Export Logs", "", "later"},
        {Page::Setup, "Setup", "Setup",
         "Use this page to setup information about your vessel and set prefereces.", "preferences"},
    };
    return pages;
}

const PageInfo& pageInfo(Page page)
{
    return pageTable().at(size_t(page));
}

} // namespace hb
