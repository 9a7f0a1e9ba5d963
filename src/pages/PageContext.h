#pragma once

#include "common/AppContext.h"

namespace hb {

class PageHost;
class SearchDialogs;

// What every log page receives: the services and the log, the host window, and the search
// window.
struct PageContext
{
    AppContext& app;
    PageHost& host;
    SearchDialogs& searchDialogs;
};

} // namespace hb
