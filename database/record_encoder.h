// Encoding of a GameDefinition back into the rule record byte format: the
// inverse of decoding, without the coordinate adaptation. The database build
// writes its records with it, and tests build records from definitions.
#pragma once

#include "game_definition.h"
#include "resource_table.h"

namespace velmora {

// Programs are taken without their closing NUL.
Bytes encodeRuleRecord(const GameDefinition& definition);

}  // namespace velmora
