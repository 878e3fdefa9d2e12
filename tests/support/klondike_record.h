// A Klondike rule record built the way the original database writes it: the
// same header, piles, actions, permission, face toggles, trigger types, links,
// conditions and the nine programs byte for byte. Only the description is ours.
#pragma once

#include <string>
#include <string_view>

#include "game_definition.h"
#include "resource_table.h"

namespace velmora::testing {

// Pile numbers of the Klondike record.
inline constexpr int kStock = 0;
inline constexpr int kWaste = 1;
inline constexpr int kFirstTableau = 2;   // 2..8
inline constexpr int kFirstFoundation = 9;  // 9..12

// Key numbers of the Klondike record.
inline constexpr int kDealKey = 1;
inline constexpr int kWinKey = 2;
inline constexpr int kRedealKey = 10;

GameDefinition klondikeDefinition();
Bytes klondikeRecord();

// The bytes of a program written as hexadecimal pairs ("01 00 01"), with the
// closing NUL the decoder appends.
std::string program(std::string_view hex);

// The nine Klondike programs, as hexadecimal text.
extern const char* const kKlondikePrograms[9];

// Card number of a Klondike card: suits 1..4, ranks 1..13 in deck order.
inline int klondikeCard(int suit, int rank) { return (suit - 1) * 13 + rank - 1; }

}  // namespace velmora::testing
