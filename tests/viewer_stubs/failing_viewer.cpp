// A viewer library that fails at one step: its initialisation
// (VELMORA_FAIL_INIT) or the making of its window (VELMORA_FAIL_WINDOW).
#include <cstdint>

#include "html_viewer.h"

extern "C" {

__attribute__((visibility("default"))) int velmora_viewer_init(void*)
{
#ifdef VELMORA_FAIL_INIT
    return 0;
#else
    return 1;
#endif
}

__attribute__((visibility("default"))) void* velmora_viewer_create(const char*, void*)
{
    return nullptr;
}

__attribute__((visibility("default"))) std::intptr_t velmora_viewer_message(void*, std::uint32_t, std::uintptr_t,
                                                                           std::intptr_t)
{
    return 0;
}

}  // extern "C"
