#include "resources.h"

namespace velmora {

namespace {

const ResourceTable* g_programResources = nullptr;

}  // namespace

void setProgramResources(const ResourceTable* table) { g_programResources = table; }

const ResourceTable& programResources()
{
    static const ResourceTable empty;
    return g_programResources ? *g_programResources : empty;
}

std::string LoadString(int id) { return findString(programResources(), id).value_or(std::string()); }

}  // namespace velmora
