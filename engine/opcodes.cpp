#include "opcodes.h"

namespace velmora {

const char* opcodeName(std::uint8_t code)
{
    switch (code) {
#define VELMORA_OPCODE_NAME(name, value, meaning) \
    case value:                                   \
        return #name;
        VELMORA_OPCODES(VELMORA_OPCODE_NAME)
#undef VELMORA_OPCODE_NAME
    }
    return nullptr;
}

}  // namespace velmora
