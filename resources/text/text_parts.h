// The parts of the text resources, each registered by its own file.
#pragma once

#include "resource_table.h"

namespace velmora::text_resources {

void addStrings(ResourceTable& table);
void addMenusAndBars(ResourceTable& table);
void addDialogs(ResourceTable& table);

}  // namespace velmora::text_resources
