#pragma once

#include "pages/PageRegistry.h"

namespace hb {

// The log pages that are built, each by its own library.
PageRegistry logPageRegistry();

} // namespace hb
