#pragma once

#include "layouts/layout_definition.h"

namespace zova {

// Holders by status and city, landscape: code, name, city, state, address, number, district,
// status under their captions. Previews at 110 %.
ReportLayout holderListLayout();

} // namespace zova
