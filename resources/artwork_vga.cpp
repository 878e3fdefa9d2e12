#include "artwork.h"
#include "artwork_entries.h"

namespace velmora {

void addArtwork(ResourceTable& resources)
{
    for (const artwork::Entry& entry : artwork::vgaEntries())
        resources.addStatic(entry.type, entry.id, entry.bytes);
}

}  // namespace velmora
