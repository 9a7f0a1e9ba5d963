#include "app/LogPages.h"

#include "machinery/BatteryPage.h"
#include "nav/TripPage.h"
#include "records/ProjectsPage.h"
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
    registry.add(Page::TripTab, make<TripPage>());
    return registry;
}

} // namespace hb
