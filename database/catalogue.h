// The catalogue of games: name, id, categories, skill and playing time of
// every game, read from the small index tables and the names in the string
// table, so that listing games never decompresses a record.
#pragma once

#include <string>
#include <vector>

#include "record_layout.h"
#include "resource_table.h"

namespace velmora {

// Resource types and ids of the index tables and the game names.
inline constexpr const char* kStringResourceType = "STRING";
inline constexpr int kFirstGameNameString = 4000;
inline constexpr const char* kIdTableType = "SOLID";
inline constexpr int kIdTableId = 3910;
inline constexpr const char* kCategoryTableType = "SOLCAT";
inline constexpr int kCategoryTableId = 3911;
inline constexpr const char* kExtraCategoryTableType = "SOLACAT";
inline constexpr int kExtraCategoryTableId = 3912;
inline constexpr const char* kSkillTableType = "SOLSKILL";
inline constexpr int kSkillTableId = 3913;
inline constexpr const char* kTimeTableType = "SOLTIME";
inline constexpr int kTimeTableId = 3914;

// Category codes as the catalogue uses them: 1..10 named, 11 "Other" (stored
// as 0 in the tables and records).
inline constexpr int kOtherCategory = 11;

struct CatalogueEntry {
    RecordIndex index = 0;
    SolitaireId id = 0;
    std::string name;
    int category = kOtherCategory;     // 1..11
    std::vector<int> extraCategories;  // 1..11
    int skill = 1;                     // 1..3
    int timeClass = 1;                 // 1..4
};

// One entry per game of the size table, in RecordIndex order. Entries whose
// tables are missing or short keep their defaults and an empty name.
std::vector<CatalogueEntry> readCatalogue(const ResourceTable& resources);

// "Addition" ... "Yukon" for 1..10, "Other" for 11 (and any other value).
const char* categoryName(int category);
// "<3m", "3-5m", "5-10m", ">10m" for 1..4.
const char* timeClassName(int timeClass);

}  // namespace velmora
