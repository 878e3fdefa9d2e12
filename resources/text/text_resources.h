// The program's text resources: the string table (without the game names,
// which come with the rule database), popup menus, menu bars, dialog
// templates and the accelerator table. Ids: resource_ids.h.
#pragma once

#include "resource_table.h"

namespace velmora {

// Registers every text resource in table.
void addTextResources(ResourceTable& table);

}  // namespace velmora
