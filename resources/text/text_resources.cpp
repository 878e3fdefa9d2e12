#include "text_resources.h"

#include "text_parts.h"

namespace velmora {

void addTextResources(ResourceTable& table)
{
    text_resources::addStrings(table);
    text_resources::addMenusAndBars(table);
    text_resources::addDialogs(table);
}

}  // namespace velmora
