#include "app/LogPages.h"

#include "machinery/BatteryPage.h"
#include "nav/TripPage.h"
#include "records/ContactKinds.h"
#include "records/ContactsPage.h"
#include "records/InventoryKinds.h"
#include "records/InventoryPage.h"
#include "records/ProjectsPage.h"
#include "records/ShopListPage.h"
#include "records/WaypointsPage.h"

namespace hb {

namespace {

template <class P> PageRegistry::Factory make()
{
    return [](PageContext& context) -> std::unique_ptr<HostedPage> {
        return std::make_unique<P>(context);
    };
}

} // namespace

PageRegistry logPageRegistry()
{
    PageRegistry registry;
    registry.add(Page::Waypoints, make<WaypointsPage>());
    registry.add(Page::ProjTab, make<ProjectsPage>());
    registry.add(Page::Battery, make<BatteryPage>());
    registry.add(Page::ShopList, make<ShopListPage>());
    for (const InventoryKind& kind : inventoryKinds()) {
        registry.add(kind.page, [page = kind.page](PageContext& context) {
            return std::unique_ptr<HostedPage>(std::make_unique<InventoryPage>(context, page));
        });
    }
    for (const ContactKindInfo& kind : contactKinds()) {
        registry.add(kind.page, [page = kind.page](PageContext& context) {
            return std::unique_ptr<HostedPage>(std::make_unique<ContactsPage>(context, page));
        });
    }
    registry.add(Page::TripTab, make<TripPage>());
    return registry;
}

} // namespace hb
